#include "app/WeitereEinstellungenDaten.h"

#include <cmath>

#include "data/SaldixData.h"
#include "suite/DateTime.h"
#include "suite/QTXProgramm.h"

TEinstellungen& TWeitereEinstellungenDaten::Einstellungen() {
  return dm_.KontenEinstellungen().Einstellungen();
}

TIntPair TWeitereEinstellungenDaten::AktMandant() { return dm_.AktMandant(); }

std::string TWeitereEinstellungenDaten::AktTextMandant() { return dm_.AktTextMandant; }

void TWeitereEinstellungenDaten::Allgemeine_Einstellungen_Buchen() {
  dm_.Allgemeine_Einstellungen_Buchen();
}

void TWeitereEinstellungenDaten::Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft,
                                                                     const std::string& profil,
                                                                     bool defaultLaden) {
  dm_.Einstellungen_Nach_Herkunft_Restore(herkunft, profil, defaultLaden);
}

void TWeitereEinstellungenDaten::Einstellungen_Nach_Herkunft_Buchen(const std::string& herkunft,
                                                                    const std::string& profil) {
  dm_.Einstellungen_Nach_Herkunft_Buchen(herkunft, profil);
}

void TWeitereEinstellungenDaten::Einstellungen_Nach_Herkunft_Loeschen(const std::string& herkunft,
                                                                      const std::string& profil) {
  dm_.Einstellungen_Nach_Herkunft_Loeschen(herkunft, profil);
}

std::vector<std::string> TWeitereEinstellungenDaten::ZusaKontoListe() {
  return dm_.KontenEinstellungen().EinstellungenSpeicher().ZusaKontoListe();
}

std::vector<std::string> TWeitereEinstellungenDaten::ZusaGGKtoListe() {
  return dm_.KontenEinstellungen().EinstellungenSpeicher().ZusaGGKtoListe();
}

void TWeitereEinstellungenDaten::SetZusaKontoListe(const std::vector<std::string>& liste) {
  dm_.KontenEinstellungen().EinstellungenSpeicher().SetZusaKontoListe(liste);
}

void TWeitereEinstellungenDaten::SetZusaGGKtoListe(const std::vector<std::string>& liste) {
  dm_.KontenEinstellungen().EinstellungenSpeicher().SetZusaGGKtoListe(liste);
}

std::vector<std::string> TWeitereEinstellungenDaten::Profile() {
  std::vector<std::string> geeignet;
  TFibuExporter* exporter = dm_.AktExporter();
  if (exporter == nullptr) return geeignet;
  TStringList namen, bezeichnungen, indizes;
  exporter->Get_Profile(namen, bezeichnungen, indizes);
  for (const auto& name : namen) {
    if (exporter->Lade_Config(name) && exporter->Profil_Geeignet(dm_.AktMandant())) {
      geeignet.push_back(name);
    }
  }
  // Checking a profile loads it: the profile in use is loaded again.
  const std::string aktuell = Einstellungen().Profil;
  if (!aktuell.empty()) exporter->Lade_Config(aktuell);
  return geeignet;
}

std::vector<TDateTime> TWeitereEinstellungenDaten::MwstAenderungen() {
  return TMWTable().MWST_AenderungAlle(QTXProgramm().GetLand(), std::floor(qtx_Date()));
}

std::vector<TMWSatz> TWeitereEinstellungenDaten::MwstSaetze(TDateTime datum) {
  return TMWTable().GetValidMWArray(QTXProgramm().GetLand(), datum);
}

std::vector<TNummernArt> TWeitereEinstellungenDaten::PartnerNummernArten() {
  std::vector<TNummernArt> arten;
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare(
      "SELECT DISTINCT art1, art2 FROM partner_nummern ORDER BY art1, art2");
  while (stmt->Step()) {
    const TIntPair art{static_cast<std::int32_t>(stmt->Int(0)), static_cast<std::int32_t>(stmt->Int(1))};
    arten.push_back({"Nummernart " + std::to_string(art.Nr1) + "/" + std::to_string(art.Nr2), art});
  }
  return arten;
}

std::vector<TNummernArt> TWeitereEinstellungenDaten::KundenMerkmale() {
  std::vector<TNummernArt> merkmale;
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare(
      "SELECT DISTINCT merkmal FROM partner_merkmale ORDER BY merkmal");
  while (stmt->Step()) {
    const auto merkmal = static_cast<std::int32_t>(stmt->Int(0));
    merkmale.push_back({"Merkmal " + std::to_string(merkmal), TIntPair{merkmal, 0}});
  }
  return merkmale;
}

std::string TWeitereEinstellungenDaten::KontoBezeichnung(const std::string& name,
                                                         const std::string& zusatz) {
  return dm_.GetMandKonto_Bezeichnung(name, zusatz);
}

std::int32_t TWeitereEinstellungenDaten::KontoNummer(const std::string& name,
                                                     const std::string& zusatz) {
  return dm_.Get_Konto_Nummer(name, zusatz, qtx_Date(), TIntPair{}, 0, 0);
}

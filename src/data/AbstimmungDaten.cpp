#include "data/AbstimmungDaten.h"

#include <cmath>

#include "data/FilialenRechnerHelper.h"
#include "data/SaldixData.h"
#include "suite/BGV.h"
#include "suite/QTXProgramm.h"
#include "suite/servers/TKontoServer.h"

namespace {

constexpr int CKontoCodeKasse = 134;

}  // namespace

TIntPair TAbstimmungDaten::AktMandant() { return dm_.AktMandant(); }

std::string TAbstimmungDaten::AktTextMandant() { return dm_.AktTextMandant; }

std::vector<std::int32_t> TAbstimmungDaten::Rechnerliste() {
  std::vector<std::int32_t> liste;
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare("SELECT number FROM computers ORDER BY number");
  while (stmt->Step()) liste.push_back(static_cast<std::int32_t>(stmt->Int(0)));
  return liste;
}

std::vector<std::int32_t> TAbstimmungDaten::Filialliste(const TIntPair& firma) {
  auto* helper = dm_.GFRHelper();
  return helper ? helper->GetFilialliste(firma) : std::vector<std::int32_t>{};
}

void TAbstimmungDaten::Buchungen(const TAbstimmungsAuswahl& auswahl,
                                 const std::function<void(const TAbstimmungsBuchung&)>& proBuchung) {
  std::string sql =
      "SELECT filiale, beleg_rnr, belegdatum, betrag_soll, betrag_haben, kto_name, kto_zusatz, "
      "gegen_kto_name, gegen_kto_zusatz, abr_jahr, abr_nr, beschreibung FROM fbde "
      "WHERE firma1 = ?1 AND firma2 = ?2 AND belegdatum >= ?3 AND belegdatum < ?4 "
      "AND (?5 = 0 OR beleg_rnr = ?5) AND (?6 = 0 OR filiale = ?6) AND ";
  sql += auswahl.Primanota ? "fibu_gvorfall = ?7" : "belegart = ?7";
  sql += " ORDER BY belegdatum, rechner, transaktions_nr, lfd_nr";
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare(sql);
  // Whole days: a booking at noon of the last day belongs to it.
  stmt->With(auswahl.Firma.Nr1, auswahl.Firma.Nr2, std::floor(auswahl.Von),
             std::floor(auswahl.Bis) + 1, auswahl.Rechner, auswahl.Filiale,
             auswahl.Primanota ? std::string(BGV_PRIMANOTA) : std::string("KB"));
  while (stmt->Step()) {
    TAbstimmungsBuchung buchung;
    buchung.Filiale = static_cast<std::int32_t>(stmt->Int(0));
    buchung.Rechner = static_cast<std::int32_t>(stmt->Int(1));
    buchung.Belegdatum = stmt->Real(2);
    buchung.Soll = stmt->Real(3);
    buchung.Haben = stmt->Real(4);
    buchung.KtoName = stmt->Text(5);
    buchung.KtoZusatz = stmt->Text(6);
    buchung.GegenKtoName = stmt->Text(7);
    buchung.GegenKtoZusatz = stmt->Text(8);
    buchung.AbrJahr = static_cast<std::int32_t>(stmt->Int(9));
    buchung.AbrNr = static_cast<std::int32_t>(stmt->Int(10));
    buchung.Beschreibung = TSaldixDataModule::TextOhneZeilenumbruch(stmt->Text(11));
    proBuchung(buchung);
  }
}

std::string TAbstimmungDaten::GetMandKonto_Bezeichnung(const std::string& name,
                                                       const std::string& zusatz) {
  return dm_.GetMandKonto_Bezeichnung(name, zusatz);
}

bool TAbstimmungDaten::IstKassenkonto(const TIntPair& firma, const std::string& name) {
  return TKontoServer().KontoHatCode(firma, name, "", {CKontoCodeKasse});
}

TIntPair TAbstimmungDaten::KVZuDatumUndRechner(std::int32_t rechner, TDateTime datum,
                                               bool istVonDatum) {
  return dm_.KVZuDatumUndRechner(rechner, datum, istVonDatum);
}

long double TAbstimmungDaten::KVZMBetrag(const TIntPair& ident) { return dm_.KVZMBetrag(ident); }

std::string TAbstimmungDaten::Programmwaehrung() { return QTXProgramm().GetWaehrung(); }

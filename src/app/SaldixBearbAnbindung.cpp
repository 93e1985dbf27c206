#include "app/SaldixBearbAnbindung.h"

#include <cmath>

#include "suite/Guarded.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

TBearbDatenmodulAnbindung::TBearbDatenmodulAnbindung(TSaldixDataModule& dm)
    : dm_(dm),
      db_(SuiteDatabase::Get()),
      quellen_(db_),
      belege_(quellen_),
      vorgaenge_(db_,
                 [this](long double betrag, const std::string& waehrung) {
                   return Umrechnen(betrag, waehrung);
                 }),
      abrechnungen_(db_) {}

bool TBearbDatenmodulAnbindung::BuchungenLesen(
    const TBuchungsFilter& filter, const std::function<bool(const TBuchungsRohsatz&)>& proSatz) {
  // Every lookup made for the bookings reads one snapshot under one lock, no older than the
  // bookings' own; within it documents cannot change, so they may be kept in blocks.
  suitedb::ReadTransaction snapshot(SuiteDatabase::Get());
  TBelegLookups::TVorlesen vorlesen(belege_);
  letzterBeleg_ = {-1, -1, -1};
  letztesLieferBeleg_ = {-1, -1};
  TBuchungsAuswahl auswahl;
  auswahl.Firma = filter.Firma;
  if (filter.Offen) {
    auswahl.Art = TBuchungsAuswahl::TArt::Offen;
    auswahl.DatumVon = filter.DatumVon;
    auswahl.DatumBis = filter.DatumBis;
    auswahl.Export = filter.ExportKennzeichen;
    auswahl.BelegRechner = filter.Rechner;
    auswahl.Filiale = filter.Filiale;
    auswahl.FilialenAusgeschlossen.assign(filter.OhneFilialen.begin(), filter.OhneFilialen.end());
  } else {
    auswahl.Art = TBuchungsAuswahl::TArt::Abrechnung;
    auswahl.AbrJahr = filter.AbrJahr;
    auswahl.AbrNr = filter.AbrNr;
  }
  // The thread reading the bookings reads their documents' blocks too, on its connection.
  std::optional<TBelegServer> belegLeser;
  return dm_.Buchungen_Lesen(
      auswahl, [&](TfbdetempSatz& satz) { return proSatz(satz); },
      [&](suitedb::Connection& leser, const TfbdetempSatz& satz) {
        if (!belegLeser) belegLeser.emplace(leser);
        belege_.VorausLesen(*belegLeser, satz.BelegRNr, satz.BelegLNr);
      });
}

bool TBearbDatenmodulAnbindung::FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents,
                                                         bool exportieren) {
  return dm_.FBDEMani_Buchen_ExportKZ(idents, exportieren);
}
bool TBearbDatenmodulAnbindung::FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) {
  return dm_.FBDEMani_Buchen_Umkehrung(idents);
}
bool TBearbDatenmodulAnbindung::FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) {
  return dm_.FBDEMani_Loeschen(idents);
}
bool TBearbDatenmodulAnbindung::Vollstaendigkeiten_pruefen(TDateTime von, TDateTime bis) {
  return dm_.Vollstaendigkeiten_pruefen({von, bis});
}
bool TBearbDatenmodulAnbindung::ExportErlaubt() { return dm_.ExportErlaubt(); }

std::vector<std::int32_t> TBearbDatenmodulAnbindung::GetGruppenliste(TIntPair firma) {
  return Guarded("TBearbDatenmodulAnbindung.GetGruppenliste",
                 [&] { return quellen_.GFRHelper().GetGruppenliste(firma); });
}
std::vector<std::int32_t> TBearbDatenmodulAnbindung::GetFilialliste(TIntPair firma) {
  return Guarded("TBearbDatenmodulAnbindung.GetFilialliste",
                 [&] { return quellen_.GFRHelper().GetFilialliste(firma); });
}
std::vector<std::int32_t> TBearbDatenmodulAnbindung::GetNegFiliallisteByGruppe(std::int32_t gruppe,
                                                                               TIntPair firma) {
  return quellen_.GFRHelper().GetNegFiliallisteByGruppe(gruppe, firma);
}
std::vector<std::int32_t> TBearbDatenmodulAnbindung::GetNegExporterListe(
    const std::vector<std::string>& filialen) {
  return quellen_.GFRHelper().GetNegExporterListe(filialen);
}

std::vector<std::int32_t> TBearbDatenmodulAnbindung::Rechnerliste() {
  return Guarded("TBearbDatenmodulAnbindung.Rechnerliste", [&] {
    std::vector<std::int32_t> rechner;
    auto& abfrage = db_.Cached("SELECT number FROM computers ORDER BY number");
    while (abfrage.Step()) rechner.push_back(static_cast<std::int32_t>(abfrage.Int(0)));
    return rechner;
  });
}

std::int32_t TBearbDatenmodulAnbindung::Kostenstelle(std::int32_t rechner, std::int32_t filiale) {
  auto [it, neu] = kostenstellen_.try_emplace({rechner, filiale}, 0);
  if (!neu) return it->second;
  return it->second = Guarded("TBearbDatenmodulAnbindung.Kostenstelle", [&] {
    auto& abfrage = db_.Cached(
        "SELECT nummer FROM kostenstellen WHERE rechner IN (?1, 0) AND filiale IN (?2, 0) "
        "ORDER BY rechner = 0, filiale = 0 LIMIT 1");
    abfrage.With(rechner, filiale);
    const std::int32_t nummer = abfrage.Step() ? static_cast<std::int32_t>(abfrage.Int(0)) : 0;
    abfrage.Reset();
    return nummer;
  });
}

std::int32_t TBearbDatenmodulAnbindung::Get_Konto_Nummer(const std::string& name,
                                                         const std::string& zusatz,
                                                         TDateTime datum, TIntPair gepNr,
                                                         std::int32_t rechner,
                                                         std::int16_t filiale) {
  return dm_.KontenEinstellungen().Get_Konto_Nummer(name, zusatz, datum, gepNr, rechner, filiale);
}
std::string TBearbDatenmodulAnbindung::Get_Konto_Bezeichnung(const std::string& name,
                                                             const std::string& zusatz,
                                                             TDateTime datum) {
  return dm_.KontenEinstellungen().Get_Konto_Bezeichnung(name, zusatz, datum);
}
void TBearbDatenmodulAnbindung::Konten_Zuruecksetzen() {
  arten_.clear();
  dm_.KontenEinstellungen().Konten_Zuruecksetzen();
}

bool TBearbDatenmodulAnbindung::KontoHatArt(const std::string& konto, int art) {
  auto& antworten = arten_[konto];
  for (const auto& [gefragt, hat] : antworten) {
    if (gefragt == art) return hat;
  }
  const bool hat = Guarded("TBearbDatenmodulAnbindung.KontoHatArt", [&] {
    return kontoServer_.KontoHatCode(dm_.AktMandant(), konto, "", {art});
  });
  antworten.emplace_back(art, hat);
  return hat;
}

bool TBearbDatenmodulAnbindung::KontenSpezVorhanden() {
  return dm_.KontenEinstellungen().SpezKonten().KontenSpezVorhanden();
}
bool TBearbDatenmodulAnbindung::Konto_Gefunden(const std::string& altesKonto,
                                               const std::string& alterStSchl,
                                               std::int32_t filiale, std::int32_t rechner,
                                               TDateTime datum, bool soll,
                                               std::string& neueKontoNr,
                                               std::string& neuerStSchl) {
  return dm_.KontenEinstellungen().Konto_Gefunden(altesKonto, alterStSchl, filiale, rechner, datum,
                                                  soll, neueKontoNr, neuerStSchl);
}
bool TBearbDatenmodulAnbindung::IstNormOderReduSteuer(const std::string& konto) {
  return dm_.KontenEinstellungen().Steuer().IstNormOderReduSteuer(konto);
}
bool TBearbDatenmodulAnbindung::KontoIstSteuerEG(const std::string& konto) {
  return dm_.KontenEinstellungen().Steuer().KontoIstSteuerEG(konto);
}
long double TBearbDatenmodulAnbindung::GetProzentSatzAusKonto(const std::string& konto) {
  return dm_.KontenEinstellungen().Steuer().GetProzentSatzAusKonto(konto);
}
std::string TBearbDatenmodulAnbindung::AKPrefixZuKonto(const std::string& konto, TDateTime datum) {
  return dm_.KontenEinstellungen().Steuer().AKPrefixZuKonto(konto, datum);
}

std::string TBearbDatenmodulAnbindung::SteuerschluesselVstOhne() {
  return Guarded("TBearbDatenmodulAnbindung.SteuerschluesselVstOhne", [&] {
    TFibuExporter* exporter = dm_.KontenEinstellungen().AktExporter();
    return exporter == nullptr ? std::string()
                               : exporter->Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne);
  });
}

bool TBearbDatenmodulAnbindung::SteuerschluesselNormOderReduziert(const std::string& steuerSchl) {
  if (Trim(steuerSchl).empty()) return false;
  double prozent = 0;
  const std::string konto = dm_.KontenEinstellungen().Steuer().SteuerSchlNachKonto(steuerSchl, prozent);
  return !konto.empty() && IstNormOderReduSteuer(konto);
}

std::string TBearbDatenmodulAnbindung::HoleExportKuerzel(const std::string& konto, bool soll) {
  return dm_.KontenEinstellungen().HoleExportKuerzel(konto, soll);
}

bool TBearbDatenmodulAnbindung::IstKassenabstimmungsKonto(const std::string& konto) {
  return KontoHatArt(konto, 134);
}

long double TBearbDatenmodulAnbindung::Umrechnen(long double betrag, const std::string& waehrung) {
  return rechner_.Umrechnen(betrag, waehrung, "");
}

std::string TBearbDatenmodulAnbindung::Programmwaehrung() { return QTXProgramm().GetWaehrung(); }

std::string TBearbDatenmodulAnbindung::PartnerLandISO(TIntPair) { return {}; }

namespace {
TListenBelegDaten AlsListenBelegDaten(const TBelegDaten& d) {
  TListenBelegDaten l;
  l.BelegNr = d.BelegNr;
  l.BelegNrSort = d.BelegNrSort;
  l.BelegNrExt = d.BelegNrExt;
  l.DokumentenNr = d.DokumentenNr;
  l.Valutadatum = d.Valutadatum;
  l.Nettotage = d.Nettotage;
  l.SkontoProz1 = d.SkontoProz1;
  l.SkontoTage1 = d.SkontoTage1;
  l.SkontoProz2 = d.SkontoProz2;
  l.SkontoTage2 = d.SkontoTage2;
  return l;
}
}  // namespace

std::string TBearbDatenmodulAnbindung::GetLieferLand(std::int32_t rnr, std::int32_t lnr,
                                                     long double& euSteuern) {
  const TIntPair beleg{rnr, lnr};
  if (!(beleg == letztesLieferBeleg_)) {
    // The row asks for the document's data right after; one read answers both.
    double eu = 0;
    letzteBelegDaten_ =
        AlsListenBelegDaten(belege_.GetBelegDatenUndLieferLand(rnr, lnr, letztesLieferLand_, eu));
    letzterBeleg_ = {rnr, lnr, 0};
    letzteEUSteuer_ = eu;
    letztesLieferBeleg_ = beleg;
  }
  euSteuern = letzteEUSteuer_;
  return letztesLieferLand_;
}

TListenBelegDaten TBearbDatenmodulAnbindung::GetBelegDaten(std::int32_t rnr, std::int32_t lnr,
                                                           std::int32_t snr) {
  const TIntTrio beleg{rnr, lnr, static_cast<std::int16_t>(snr)};
  if (beleg == letzterBeleg_) return letzteBelegDaten_;
  letzteBelegDaten_ = AlsListenBelegDaten(belege_.GetBelegDaten(rnr, lnr, snr));
  letzterBeleg_ = beleg;
  return letzteBelegDaten_;
}

TListenEinstellungen TBearbDatenmodulAnbindung::Einstellungen_Nach_Herkunft_Restore(
    const std::string& herkunft) {
  auto& konten = dm_.KontenEinstellungen();
  konten.Einstellungen_Nach_Herkunft_Restore(herkunft, konten.Einstellungen().Profil, true);
  return Einstellungen();
}

TListenEinstellungen TBearbDatenmodulAnbindung::Einstellungen() {
  auto& konten = dm_.KontenEinstellungen();
  const TEinstellungen& e = konten.Einstellungen();
  TListenEinstellungen l;
  l.MaxZeilen = e.MaxZeilen;
  l.DirektEinlesen = e.DirektEinlesen;
  l.SpaltenConfig = e.SpaltenConfig;
  l.SortierungConfig = e.SortierungConfig;
  l.AutoKont = e.AutoKont;
  l.KontoKombination = e.KontoKombination;
  l.Kriterien = e.Kriterien;
  l.NachNummer = e.NachNummer;
  l.Beschreibung = e.Beschreibung;
  l.InhaltBeleg1 = e.InhaltBeleg1;
  l.InhaltBeleg2 = e.InhaltBeleg2;
  l.InhaltText = e.InhaltText;
  l.InhaltTextAnhaengen = e.InhaltTextAnhaengen;
  l.ZusaKontoListe = konten.EinstellungenSpeicher().ZusaKontoListe();
  l.ZusaGGKtoListe = konten.EinstellungenSpeicher().ZusaGGKtoListe();
  return l;
}

TListenExporter TBearbDatenmodulAnbindung::Exporter() {
  auto& konten = dm_.KontenEinstellungen();
  TListenExporter l;
  l.Name = konten.AktExporterName();
  const TFibuExporter* exporter = konten.AktExporter();
  if (exporter == nullptr) return l;
  l.Profil = exporter->CfgUsername();
  l.Automatikkonten = exporter->Automatikkonten();
  l.Zahlungsreferenz = exporter->Zahlungsreferenz();
  l.LieferLand = exporter->Faehigkeiten().Hat(TExportFaehigkeit::LieferLand);
  l.FrageBuchMonat = exporter->FrageBuchMonat();
  l.FilialenSelektiert = exporter->FilialenWahl() == epfwSelektierteFilialen;
  l.Filialen = exporter->Filialen();
  return l;
}

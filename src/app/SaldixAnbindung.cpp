#include "app/SaldixAnbindung.h"

#include <algorithm>

#include "data/EinstellungenHerkunft.h"
#include "export/FibuExportKatalog.h"
#include "export/fibuexportclass.h"
#include "suite/QTXBuchung.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

std::vector<std::int32_t> Zahlen(const std::vector<int>& werte) {
  return std::vector<std::int32_t>(werte.begin(), werte.end());
}

}  // namespace

TSaldixDaten::TSaldixDaten(TSaldixDataModule& modul)
    : modul_(modul),
      auskunft_(SuiteDatabase::Get()),
      nummern_(SuiteDatabase::Get()),
      jahre_(SuiteDatabase::Get()) {}

// --- TBearbAnbindung: bookings -------------------------------------------------------

bool TBearbAnbindung::BuchungenLesen(const TBuchungsFilter& filter,
                                     const std::function<bool(const TBuchungsRohsatz&)>& proSatz) {
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
  TBuchungsRohsatz roh;
  // The bookings and every lookup made for them read one snapshot under one lock.
  suitedb::ReadTransaction snapshot(SuiteDatabase::Get());
  return d_.Modul().Buchungen_Lesen(auswahl, [&](TfbdetempSatz& s) {
    roh.Ident = s.Ident();
    roh.Firma = s.Firma;
    roh.GepNr = s.GepNr;
    roh.Belegdatum = s.Belegdatum;
    roh.Buchungsdatum = s.Buchungsdatum;
    roh.FiBuGVorfall = s.FiBuGVorfall;
    roh.BetragSoll = s.BetragSoll;
    roh.BetragHaben = s.BetragHaben;
    roh.Waehrung = s.Waehrung;
    roh.Menge = s.Menge;
    roh.KtoName = s.KtoName;
    roh.KtoZusatz = s.KtoZusatz;
    roh.GegenKtoName = s.GegenKtoName;
    roh.GegenKtoZusatz = s.GegenKtoZusatz;
    roh.Beleg1 = s.Beleg1;
    roh.Beleg2 = s.Beleg2;
    roh.Beschreibung = s.Beschreibung;
    roh.UStID = s.UStID;
    roh.AbrJahr = s.AbrJahr;
    roh.AbrNr = s.AbrNr;
    roh.Belegart = s.Belegart;
    roh.BelegRNr = s.BelegRNr;
    roh.BelegLNr = s.BelegLNr;
    roh.BelegSNr = s.BelegSNr;
    roh.Verw1Art = s.Verw1Art;
    roh.Verw1RNr = s.Verw1RNr;
    roh.Verw1LNr = s.Verw1LNr;
    roh.Verw1SNr = s.Verw1SNr;
    roh.ZMZusatz = s.ZMZusatz;
    roh.Filiale = s.Filiale;
    roh.Kost1 = s.Kost1;
    roh.Kost2 = s.Kost2;
    return proSatz(roh);
  });
}

bool TBearbAnbindung::FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents,
                                               bool exportieren) {
  return d_.Modul().FBDEMani_Buchen_ExportKZ(idents, exportieren);
}
bool TBearbAnbindung::FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) {
  return d_.Modul().FBDEMani_Buchen_Umkehrung(idents);
}
bool TBearbAnbindung::FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) {
  return d_.Modul().FBDEMani_Loeschen(idents);
}
bool TBearbAnbindung::Vollstaendigkeiten_pruefen(TDateTime von, TDateTime bis) {
  return d_.Modul().Vollstaendigkeiten_pruefen({von, bis});
}
bool TBearbAnbindung::ExportErlaubt() { return d_.Modul().ExportErlaubt(); }

bool TBearbAnbindung::GetLastAbr(TIntPair firma, std::int32_t& abrJahr, TDateTime& datumBis,
                                 std::int32_t& abrNr) {
  int jahr = 0, nummer = 0;
  const bool gefunden = d_.Nummern().GetLastAbr(firma, jahr, datumBis, nummer);
  abrJahr = jahr;
  abrNr = nummer;
  return gefunden;
}
bool TBearbAnbindung::AbrNrFrei(TIntPair firma, std::int32_t abrJahr, std::int32_t abrNr) {
  return d_.Nummern().AbrNrFrei(firma, abrJahr, abrNr);
}
std::int32_t TBearbAnbindung::GetNextAbrNr(TIntPair firma, std::int32_t abrJahr) {
  return d_.Nummern().GetNextAbrNr(firma, abrJahr);
}
std::int32_t TBearbAnbindung::GetAbrJahr(TIntPair firma, TDateTime datum) {
  return d_.Jahre().GetAbrJahr(firma, datum);
}
std::vector<std::int32_t> TBearbAnbindung::GetGruppenliste(TIntPair firma) {
  return Zahlen(d_.Auskunft().GFRHelper().GetGruppenliste(firma));
}
std::vector<std::int32_t> TBearbAnbindung::GetFilialliste(TIntPair firma) {
  return Zahlen(d_.Auskunft().GFRHelper().GetFilialliste(firma));
}
std::vector<std::int32_t> TBearbAnbindung::GetNegFiliallisteByGruppe(std::int32_t gruppe,
                                                                     TIntPair firma) {
  return Zahlen(d_.Auskunft().GFRHelper().GetNegFiliallisteByGruppe(gruppe, firma));
}
std::vector<std::int32_t> TBearbAnbindung::GetNegExporterListe(
    const std::vector<std::string>& filialen) {
  return Zahlen(d_.Auskunft().GFRHelper().GetNegExporterListe(filialen));
}
std::vector<std::int32_t> TBearbAnbindung::Rechnerliste() {
  auto& stmt = SuiteDatabase::Get().Cached("SELECT number FROM computers ORDER BY number");
  std::vector<std::int32_t> rechner;
  while (stmt.Step()) rechner.push_back(static_cast<std::int32_t>(stmt.Int(0)));
  return rechner;
}
std::int32_t TBearbAnbindung::Kostenstelle(std::int32_t rechner, std::int32_t filiale) {
  // The most specific assignment wins: computer and branch, then either, then none.
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT nummer FROM kostenstellen WHERE rechner IN (?, 0) AND filiale IN (?, 0) "
      "ORDER BY rechner DESC, filiale DESC LIMIT 1");
  stmt.With(rechner, filiale);
  const std::int32_t nummer = stmt.Step() ? static_cast<std::int32_t>(stmt.Int(0)) : 0;
  stmt.Reset();
  return nummer;
}

// --- TBearbAnbindung: accounts -------------------------------------------------------

std::int32_t TBearbAnbindung::Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                               TDateTime datum, TIntPair gepNr,
                                               std::int32_t rechner, std::int16_t filiale) {
  return d_.Konten().Get_Konto_Nummer(name, zusatz, datum, gepNr, rechner, filiale);
}
std::string TBearbAnbindung::Get_Konto_Bezeichnung(const std::string& name,
                                                   const std::string& zusatz, TDateTime datum) {
  return d_.Konten().Get_Konto_Bezeichnung(name, zusatz, datum);
}
void TBearbAnbindung::Konten_Zuruecksetzen() { d_.Konten().Konten_Zuruecksetzen(); }
bool TBearbAnbindung::KontoHatArt(const std::string& konto, int art) {
  return d_.KontoServer().KontoHatCode(d_.Konten().AktMandant(), konto, "", {art});
}
bool TBearbAnbindung::KontenSpezVorhanden() {
  return d_.Konten().SpezKonten().KontenSpezVorhanden();
}
bool TBearbAnbindung::Konto_Gefunden(const std::string& altesKonto, const std::string& alterStSchl,
                                     std::int32_t filiale, std::int32_t rechner, TDateTime datum,
                                     bool soll, std::string& neueKontoNr,
                                     std::string& neuerStSchl) {
  return d_.Konten().Konto_Gefunden(altesKonto, alterStSchl, filiale, rechner, datum, soll,
                                    neueKontoNr, neuerStSchl);
}
std::string TBearbAnbindung::CreateIdent() { return TSaldixDataModule::CreateIdent(); }
bool TBearbAnbindung::IstNormOderReduSteuer(const std::string& konto) {
  return d_.Konten().Steuer().IstNormOderReduSteuer(konto);
}
bool TBearbAnbindung::KontoIstSteuerEG(const std::string& konto) {
  return d_.Konten().Steuer().KontoIstSteuerEG(konto);
}
long double TBearbAnbindung::GetProzentSatzAusKonto(const std::string& konto) {
  return d_.Konten().Steuer().GetProzentSatzAusKonto(konto);
}
std::string TBearbAnbindung::AKPrefixZuKonto(const std::string& konto, TDateTime datum) {
  return d_.Konten().Steuer().AKPrefixZuKonto(konto, datum);
}
std::string TBearbAnbindung::SteuerschluesselVstOhne() {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter ? exporter->Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne) : std::string();
}
bool TBearbAnbindung::SteuerschluesselNormOderReduziert(const std::string& steuerSchl) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  if (!exporter || Trim(steuerSchl).empty()) return false;
  for (const auto art : {CQTX_FibuExport_Ust_Normal, CQTX_FibuExport_Ust_Reduz,
                         CQTX_FibuExport_Vst_Normal, CQTX_FibuExport_Vst_Reduz}) {
    if (qtx_strmatch(exporter->Get_Steuerschluessel(art), Trim(steuerSchl))) return true;
  }
  return false;
}
std::string TBearbAnbindung::HoleExportKuerzel(const std::string& konto, bool soll) {
  return d_.Konten().HoleExportKuerzel(konto, soll);
}
bool TBearbAnbindung::IstKassenabstimmungsKonto(const std::string& konto) {
  return KontoHatArt(konto, 134);
}
std::string TBearbAnbindung::GetKurzBeschreibung(const std::string& text) {
  return TSaldixDataModule::GetKurzBeschreibung(text);
}
std::string TBearbAnbindung::TextOhneZeilenumbruch(const std::string& text) {
  return TSaldixDataModule::TextOhneZeilenumbruch(text);
}
long double TBearbAnbindung::Umrechnen(long double betrag, const std::string& waehrung) {
  return d_.Waehrungsrechner().Umrechnen(betrag, waehrung, "");
}
std::string TBearbAnbindung::Programmwaehrung() { return QTXProgramm().GetWaehrung(); }

// --- TBearbAnbindung: documents ------------------------------------------------------

std::string TBearbAnbindung::GEPGet_Name(TIntPair gepNr) {
  return d_.Auskunft().Belege().GEPGet_Name(gepNr);
}
std::string TBearbAnbindung::PartnerLandISO(TIntPair gepNr) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT land FROM partner WHERE gep_nr1 = ? AND gep_nr2 = ?");
  stmt.With(gepNr.Nr1, gepNr.Nr2);
  std::string land = stmt.Step() ? stmt.Text(0) : std::string();
  stmt.Reset();
  return land;
}
std::string TBearbAnbindung::Zahlungsreferenz(TIntTrio ident) {
  return d_.Auskunft().Belege().Zahlungsreferenz(ident);
}
std::string TBearbAnbindung::GetLieferLand(std::int32_t belegRNr, std::int32_t belegLNr,
                                           long double& euSteuern) {
  double steuer = 0;
  std::string land = d_.Auskunft().Belege().GetLieferLand(belegRNr, belegLNr, steuer);
  euSteuern = steuer;
  return land;
}
TListenBelegDaten TBearbAnbindung::GetBelegDaten(std::int32_t rnr, std::int32_t lnr,
                                                 std::int32_t snr) {
  const TBelegDaten beleg = d_.Auskunft().Belege().GetBelegDaten(rnr, lnr, snr);
  TListenBelegDaten daten;
  daten.BelegNr = beleg.BelegNr;
  daten.BelegNrSort = beleg.BelegNrSort;
  daten.BelegNrExt = beleg.BelegNrExt;
  daten.DokumentenNr = beleg.DokumentenNr;
  daten.Valutadatum = beleg.Valutadatum;
  daten.Nettotage = beleg.Nettotage;
  daten.SkontoProz1 = beleg.SkontoProz1;
  daten.SkontoTage1 = beleg.SkontoTage1;
  daten.SkontoProz2 = beleg.SkontoProz2;
  daten.SkontoTage2 = beleg.SkontoTage2;
  return daten;
}
std::string TBearbAnbindung::GetVorgaengerBelegNr(std::int32_t rnr, std::int32_t lnr,
                                                  std::int32_t snr, std::string& sort) {
  return d_.Auskunft().Belege().GetVorgaengerBelegNr(rnr, lnr, snr, sort);
}
std::string TBearbAnbindung::GetOrderID(std::int32_t rnr, std::int32_t lnr) {
  return d_.Auskunft().Belege().GetOrderID(rnr, lnr);
}
std::string TBearbAnbindung::GetZMBeiGutschein(TIntPair firma, TIntPair ident) {
  return d_.Auskunft().Vorgaenge().GetZMBeiGutschein(firma, ident);
}
std::string TBearbAnbindung::GetFremdGutscheinNr(const std::string& konto, TIntTrio ident) {
  return d_.Auskunft().Vorgaenge().GetFremdGutscheinNr(konto, {ident.RNr, ident.LNr});
}
std::string TBearbAnbindung::GetKBNummer(TIntTrio ident, std::string& sort) {
  return d_.Auskunft().Vorgaenge().GetKBNummer({ident.RNr, ident.LNr}, sort);
}

// --- TBearbAnbindung: settings -------------------------------------------------------

namespace {

TListenEinstellungen Listenwerte(TKontenEinstellungen& konten) {
  const TEinstellungen& e = konten.Einstellungen();
  TListenEinstellungen l;
  l.MaxZeilen = e.MaxZeilen;
  l.DirektEinlesen = e.DirektEinlesen;
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

}  // namespace

TListenEinstellungen TBearbAnbindung::Einstellungen_Nach_Herkunft_Restore(
    const std::string& herkunft) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  const std::string profil = exporter ? exporter->CfgUsername() : std::string();
  d_.Konten().Einstellungen_Nach_Herkunft_Restore(herkunft.empty() ? "ALLE" : herkunft, profil,
                                                  true);
  return Listenwerte(d_.Konten());
}
TListenEinstellungen TBearbAnbindung::Einstellungen() { return Listenwerte(d_.Konten()); }
TListenExporter TBearbAnbindung::Exporter() {
  TListenExporter l;
  TFibuExporter* exporter = d_.Konten().AktExporter();
  if (!exporter) return l;
  l.Name = d_.Konten().AktExporterName();
  l.Automatikkonten = exporter->Automatikkonten();
  l.Zahlungsreferenz = exporter->Zahlungsreferenz();
  l.DatevZusatz = exporter->DatevZusatz();
  l.FrageBuchMonat = exporter->FrageBuchMonat();
  l.FilialenSelektiert = exporter->FilialenWahl() == epfwSelektierteFilialen;
  l.Filialen = exporter->Filialen();
  return l;
}
TIntPair TBearbAnbindung::AktMandant() { return d_.Konten().AktMandant(); }
bool TBearbAnbindung::BGVInHerkunft(const std::string& vorfall, const std::string& herkunft) {
  return TKontenEinstellungen::BGVInHerkunft(vorfall, herkunft);
}

// --- TExportAnbindung ----------------------------------------------------------------

bool TExportAnbindung::AbrNrFrei(TIntPair firma, int abrJahr, int abrNr) {
  return d_.Nummern().AbrNrFrei(firma, abrJahr, abrNr);
}
int TExportAnbindung::GetAbrJahr(TIntPair firma, TDateTime datum) {
  return d_.Jahre().GetAbrJahr(firma, datum);
}
int TExportAnbindung::GetNextAbrNr(TIntPair firma, int abrJahr) {
  return d_.Nummern().GetNextAbrNr(firma, abrJahr);
}
int TExportAnbindung::GetMaxBelegNrFBEX(TIntPair firma, int abrJahr, int abrNr) {
  return d_.Nummern().GetMaxBelegNrFBEX(firma, abrJahr, abrNr);
}
bool TExportAnbindung::FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int abrNr,
                                             int abrJahr) {
  return d_.Modul().FBDEMani_Buchen_AbrNr(idents, abrNr, abrJahr);
}
bool TExportAnbindung::AbrNrNachFBEX(TIntPair firma, int abrJahr, int abrNr, TDateTime datumVon,
                                     TDateTime datumBis, const TSelektTab& markiert,
                                     int maxBelegNr) {
  return d_.Nummern().AbrNrNachFBEX(firma, abrJahr, abrNr, datumVon, datumBis, markiert,
                                    maxBelegNr);
}
char TExportAnbindung::Get_Aufwand_Erloes_Bestand(const std::string& kontoName,
                                                  const std::string& kontoZusatz,
                                                  TDateTime datum) {
  return d_.Konten().Get_Aufwand_Erloes_Bestand(kontoName, kontoZusatz, datum);
}
bool TExportAnbindung::IstSteuerkonto(const std::string& kontoName, const std::string&,
                                      TDateTime, std::string& steuerName) {
  // The suite's VAT accounts are named after their tax and rate (MWST1900, VORST0700).
  const std::string name = Utf8Upper(Trim(kontoName));
  if (name.rfind("MWST", 0) != 0 && name.rfind("VORST", 0) != 0) return false;
  steuerName = name;
  return true;
}
bool TExportAnbindung::HatKontoArt(const std::string& kontoName, const std::string& kontoZusatz,
                                   TDateTime, int art) {
  return d_.KontoServer().KontoHatCode(d_.Konten().AktMandant(), kontoName, kontoZusatz, {art});
}
std::string TExportAnbindung::SteuerSchlNachKonto(const std::string& steuerSchl,
                                                  long double& prozent) {
  double wert = 0;
  std::string konto = d_.Konten().Steuer().SteuerSchlNachKonto(steuerSchl, wert);
  prozent = wert;
  return konto;
}

namespace {

class TBuchungsKlammer final : public IExportDienste::Klammer {
 public:
  explicit TBuchungsKlammer(int art) { buchung_.Start(art); }
  ~TBuchungsKlammer() override {
    if (buchung_.Active()) buchung_.Rollback();
  }
  void Abschliessen() override { buchung_.Commit(); }

 private:
  QTXBuchung buchung_{SuiteDatabase::Get()};
};

class TTransaktion final : public IExportDienste::Klammer {
 public:
  TTransaktion() : transaktion_(SuiteDatabase::Get()) {}
  void Abschliessen() override { transaktion_.Commit(); }

 private:
  suitedb::Transaction transaktion_;
};

}  // namespace

std::unique_ptr<IExportDienste::Klammer> TExportAnbindung::BuchungsklammerOeffnen(int art) {
  return std::make_unique<TBuchungsKlammer>(art);
}
std::unique_ptr<IExportDienste::Klammer> TExportAnbindung::TransaktionOeffnen() {
  return std::make_unique<TTransaktion>();
}

// --- TBatchAnbindung -----------------------------------------------------------------

TBatchAnbindung::TBatchAnbindung(TSaldixDaten& daten)
    : d_(daten), mandanten_(SuiteDatabase::Get()) {}

int TBatchAnbindung::MandantenAnzahl() { return static_cast<int>(mandanten_.Liste().size()); }

bool TBatchAnbindung::MandantZuKurzNr(int kurzNr, TIntPair& mandant, std::string& name) {
  for (const auto& eintrag : mandanten_.Liste()) {
    if (eintrag.KurzNr != kurzNr) continue;
    mandant = eintrag.GepNr;
    name = eintrag.Name;
    return true;
  }
  return false;
}
void TBatchAnbindung::SetAktMandant(const TIntPair& mandant, int, const std::string& name) {
  d_.Modul().SetAktMandant(mandant);
  d_.Modul().SetAktMandKurzNr();
  d_.Modul().AktTextMandant = name;
}
TIntPair TBatchAnbindung::AktMandant() const { return d_.Modul().AktMandant(); }
bool TBatchAnbindung::ExporterBekannt(const std::string& kennung) {
  return TFibuExportKatalog::Global().FindExakt(kennung) >= 0;
}
std::string TBatchAnbindung::AktExporterKennung() { return d_.Konten().AktExporterKennung(); }
std::string TBatchAnbindung::AktExporterName() { return d_.Konten().AktExporterName(); }
void TBatchAnbindung::SetAktExporterKennung(const std::string& kennung) {
  d_.Konten().SetAktExporterKennung(kennung);
}
int TBatchAnbindung::ExporterProfilAnzahl() {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter ? exporter->Get_Anzahl_Profile() : 0;
}
bool TBatchAnbindung::ExporterLadeConfig(const std::string& profil) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->Lade_Config(profil);
}
bool TBatchAnbindung::ExporterProfilGeeignet(const TIntPair& mandant) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->Profil_Geeignet(mandant);
}
void TBatchAnbindung::KontenIni_einlesen() { d_.Konten().KontenIni_einlesen(); }
int TBatchAnbindung::GetAbrJahr(const TIntPair& mandant, TDateTime datum) {
  return d_.Jahre().GetAbrJahr(mandant, datum);
}
TDateTime TBatchAnbindung::GetAnfangAbrJahr(const TIntPair& mandant, int abrJahr) {
  return d_.Jahre().GetAnfangAbrJahr(mandant, abrJahr);
}
TDateTime TBatchAnbindung::GetEndeAbrJahr(const TIntPair& mandant, int abrJahr) {
  return d_.Jahre().GetEndeAbrJahr(mandant, abrJahr);
}
int TBatchAnbindung::GetNextAbrNr(const TIntPair& mandant, int abrJahr) {
  return d_.Nummern().GetNextAbrNr(mandant, abrJahr);
}


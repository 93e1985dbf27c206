#include "app/SaldixExportLauf.h"

#include "app/ExportBuchInfo.h"
#include <algorithm>
#include <cmath>
#include <exception>

#include "export/Herkunft.h"
#include "export/fibuexportclass.h"
#include "suite/Benutzer.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"
#include "suite/db/Storage.h"

namespace {

constexpr char kKontext[] = "TSaldixBearbeiten.vrtDetailsExport";

// Where a run starts a file: at its first booking, and with a format that writes per month
// or per day at each new month or day, in the order of the bookings.
class TDateiFolge {
 public:
  TDateiFolge(bool monatlich, bool tageweise) : monatlich_(monatlich), tageweise_(tageweise) {}

  // True when the booking of this date begins a file; Jahr, Monat and Tag then name it
  // (Tag 0: a whole month or period).
  bool NeueDatei(TDateTime belegdatum) {
    const int jahr = YearOf(belegdatum);
    const int monat = MonthOf(belegdatum);
    const int tag = DayOf(belegdatum);
    if (!Begonnen()) return Beginnen(jahr, monat, tageweise_ ? tag : 0);
    if (monatlich_ && (monat != monat_ || jahr != jahr_)) return Beginnen(jahr, monat, 0);
    if (tageweise_ && (tag != tag_ || jahr != jahr_)) return Beginnen(jahr, monat, tag);
    return false;
  }
  bool Begonnen() const { return monat_ != 0; }
  int Jahr() const { return jahr_; }
  int Monat() const { return monat_; }
  int Tag() const { return tag_; }

 private:
  bool Beginnen(int jahr, int monat, int tag) {
    jahr_ = jahr;
    monat_ = monat;
    tag_ = tag;
    return true;
  }

  bool monatlich_;
  bool tageweise_;
  int jahr_ = 0;
  int monat_ = 0;
  int tag_ = 0;
};

std::int32_t Int32(const std::string& text) { return StrToIntDef(text, 0); }

}  // namespace

TExportErgebnis TExportLauf::Ausfuehren(TFibuExporter* exporter, bool real,
                                        TExportAbrechnung& abrechnung,
                                        std::unique_ptr<TExportBuchhaltung> begonnen) {
  if (!exporter) {
    TExportErgebnis nichts;
    nichts.ok = true;
    return nichts;
  }
  TExportErgebnis ergebnis;
  gesperrt_ = false;
  real_ = real;
  registriertVorher_ = QTXInfo().Registrations().size();
  try {
    ergebnis = Lauf(*exporter, real, abrechnung, std::move(begonnen));
  } catch (const suitedb::LockTimeout&) {
    QTXInfo().RegisterCurrentException(kKontext, true);
    gesperrt_ = true;
    ergebnis.ok = false;
  } catch (...) {
    QTXInfo().RegisterCurrentException(kKontext, true);
    ergebnis.ok = false;
  }
  ergebnis.vergeben = vergeben_;
  Abschlussmeldung(ergebnis, abrechnung);
  return ergebnis;
}

void TExportLauf::FreieNummer(TExportAbrechnung& abrechnung) {
  IAbrechnungsDienst& nummern = dienste_.Abrechnungen();
  if (!nummern.AbrNrFrei(abrechnung.Firma, abrechnung.AbrJahr, abrechnung.AbrNr)) {
    abrechnung.AbrJahr = nummern.GetAbrJahr(abrechnung.Firma, abrechnung.DatumVon);
    abrechnung.AbrNr = nummern.GetNextAbrNr(abrechnung.Firma, abrechnung.AbrJahr);
  }
}

std::vector<TIntTrio> TExportLauf::MarkierteIdents() const {
  std::vector<TIntTrio> idents;
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    if (liste_.Zeile(i).Markiert()) IdentsSammeln(liste_.Zeile(i), idents);
  }
  std::sort(idents.begin(), idents.end());
  return idents;
}

std::unique_ptr<TExportBuchhaltung> TExportLauf::Beginnen(TExportAbrechnung& abrechnung,
                                                          std::vector<TIntTrio> idents) {
  auto buchhaltung = std::make_unique<TExportBuchhaltung>();
  if (!abrechnung.Wiederholung) FreieNummer(abrechnung);
  buchhaltung->Klammer = dienste_.BuchungsklammerOeffnen(51);
  // Another workstation may have filed this number before we held the lock; from here on
  // nobody else can, so the files carry the number the journal will get.
  IAbrechnungsDienst& unterSperre = dienste_.Abrechnungen();
  if (!abrechnung.Wiederholung &&
      !unterSperre.AbrNrFrei(abrechnung.Firma, abrechnung.AbrJahr, abrechnung.AbrNr)) {
    abrechnung.AbrNr = unterSperre.GetNextAbrNr(abrechnung.Firma, abrechnung.AbrJahr);
  }
  buchhaltung->AbrNr = abrechnung.AbrNr;
  buchhaltung->AbrJahr = abrechnung.AbrJahr;
  buchhaltung->MaxBelegNr =
      dienste_.GetMaxBelegNrFBEX(abrechnung.Firma, abrechnung.AbrJahr, abrechnung.AbrNr - 1);
  // In file order the marking also fills its table of identities front to back.
  std::sort(idents.begin(), idents.end());
  buchhaltung->Idents = std::move(idents);
  // Marking and journal are one transaction, committed only once the file is complete;
  // the marking runs meanwhile.
  buchhaltung->Transaktion = dienste_.TransaktionOeffnen();
  // Only bookings that are still open (or, re-issued, still in their settlement) are
  // marked: one exported meanwhile by another run stops this one.
  buchhaltung->Markierung = dienste_.MarkierungBeginnen(
      buchhaltung->Idents, abrechnung.AbrNr, abrechnung.AbrJahr,
      TFbdeBereich{abrechnung.Firma, abrechnung.DatumVon, abrechnung.DatumBis},
      abrechnung.Erwartet());
  return buchhaltung;
}

std::unique_ptr<TExportBuchhaltung> TExportLauf::BuchhaltungBeginnen(
    TExportAbrechnung& abrechnung, std::vector<TIntTrio> idents) {
  try {
    return Beginnen(abrechnung, std::move(idents));
  } catch (...) {
    auto gescheitert = std::make_unique<TExportBuchhaltung>();
    gescheitert->Fehler = std::current_exception();
    return gescheitert;
  }
}

TExportErgebnis TExportLauf::Lauf(TFibuExporter& exporter, bool real,
                                  TExportAbrechnung& abrechnung,
                                  std::unique_ptr<TExportBuchhaltung> begonnen) {
  TExportErgebnis ergebnis;
  ergebnis.ok = true;
  verbuchenFehler_.clear();
  vergeben_ = false;

  std::unique_ptr<TExportBuchhaltung> buchhaltung;
  if (real) {
    if (begonnen && begonnen->Fehler) std::rethrow_exception(begonnen->Fehler);
    std::vector<TIntTrio> idents = MarkierteIdents();
    if (begonnen && begonnen->Idents == idents) buchhaltung = std::move(begonnen);
    // Begun for other rows, it is undone before the lock is taken again.
    begonnen.reset();
    if (!buchhaltung) buchhaltung = Beginnen(abrechnung, std::move(idents));
    abrechnung.AbrNr = buchhaltung->AbrNr;
    abrechnung.AbrJahr = buchhaltung->AbrJahr;
  } else if (!abrechnung.Wiederholung) {
    FreieNummer(abrechnung);
  }
  // A real export's files wait for the marking of their bookings.
  struct TZurueckhalten {
    TFibuExporter& exporter;
    ~TZurueckhalten() {
      exporter.SetDateienZurueckhalten(false);
      exporter.SetTestexport(false);
    }
  } zurueckhalten{exporter};
  exporter.SetDateienZurueckhalten(real);
  exporter.SetTestexport(!real);

  TDateTime buchungsmonat = 0;
  if (exporter.FrageBuchMonat() && abrechnung.Buchungsmonat > 0) {
    buchungsmonat = StartOfMonth(abrechnung.Buchungsmonat);
  }

  faehigkeiten_ = exporter.Faehigkeiten();
  Sortieren(exporter);
  exporter.SetMaxLfdNr(buchhaltung ? buchhaltung->MaxBelegNr
                                   : dienste_.GetMaxBelegNrFBEX(abrechnung.Firma,
                                                                abrechnung.AbrJahr,
                                                                abrechnung.AbrNr - 1));
  const bool buchungsZusatz = faehigkeiten_.Hat(TExportFaehigkeit::BuchungsZusatz);
  const bool anreichern = buchungsZusatz && anreicherung_ != nullptr;
  if (anreichern) anreicherung_->Init(exporter.GetMaxLfdNr());

  const bool monatlich = exporter.ExportMonatlich();
  const bool tageweise = exporter.ExportTageweise();
  TFibuExportFileInfo dateiInfo;
  TFibuExportBuchInfo buchInfo;
  TFibuExportBuchInfoZusatz zusatz;
  bool kopf = true;
  TDateiFolge folge(monatlich, tageweise);

  auto dateiBeenden = [&] {
    if (kopf && ergebnis.ok) ergebnis.ok = exporter.Export_Fibu_Ende();
  };

  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    const IExportZeile& zeile = liste_.Zeile(i);
    ++ergebnis.zeilen;
    if (!zeile.Markiert()) continue;
    const bool ersteDatei = !folge.Begonnen();
    if (folge.NeueDatei(zeile.Datum(TSpalte::Belegdatum))) {
      if (!ersteDatei) dateiBeenden();
      DateiInfoFuellen(dateiInfo, abrechnung, folge.Jahr(), folge.Monat(), folge.Tag(), monatlich,
                       tageweise);
      kopf = exporter.Export_Fibu_Kopf(dateiInfo);
      if (!kopf) ergebnis.ok = false;
    }
    if (kopf) {
      BuchInfoFuellen(buchInfo, zeile, buchungsmonat);
      if (buchungsZusatz) {
        zusatz.Clear();
        if (anreichern) {
          const TIntTrio beleg{Int32(zeile.Text(TSpalte::BelegRNr)),
                               Int32(zeile.Text(TSpalte::BelegLNr)),
                               static_cast<std::int16_t>(Int32(zeile.Text(TSpalte::BelegSNr)))};
          anreicherung_->Fuellen(buchInfo, beleg, Trim(zeile.Text(TSpalte::Vorfall)), zusatz);
        }
        exporter.Export_Fibu_Daten(buchInfo, zusatz);
      } else {
        exporter.Export_Fibu_Daten(buchInfo);
      }
    }
  }
  dateiBeenden();
  if (real && ergebnis.ok) ergebnis.ok = Abliefern(exporter, abrechnung, *buchhaltung);

  ergebnis.uebersicht = ExportUebersicht(liste_);
  ergebnis.meldung = exporter.GetMeldung();
  if (real && abrechnung.Wiederholung) {
    ergebnis.meldung += "\r\rDie Abrechnung " + std::to_string(abrechnung.AbrNr) + "/" +
                        std::to_string(abrechnung.AbrJahr) +
                        " wurde erneut ausgegeben; Buchungen und Exportjournal bleiben "
                        "unverändert.";
  }
  ergebnis.dateiName = exporter.GetDateiName();
  ergebnis.dateiName2 = exporter.GetDateiName2();
  ergebnis.dateiListe = exporter.GetDateiListe();

  // Dropped unpublished unless the settlement is committed.
  TFertigeDateien dateien = exporter.ZurueckgehalteneDateien();
  if (real && ergebnis.ok) {
    ergebnis.ok = Verbuchen(exporter, abrechnung, *buchhaltung, dateien, ergebnis);
  }
  if (buchhaltung) {
    auto klammer = std::move(buchhaltung->Klammer);
    buchhaltung.reset();  // an unfinished marking and transaction end here
    // A re-issue changes nothing: its confirmation of the bookings is let go.
    if (ergebnis.ok && !abrechnung.Wiederholung) klammer->Abschliessen();
    klammer.reset();  // the lock ends before the files are moved
    if (ergebnis.ok) ergebnis.nichtAbgelegt = dienste_.DateienVeroeffentlichen(dateien);
    if (ergebnis.ok && ergebnis.nichtAbgelegt.empty()) exporter.DateienAbgelegt();
    // The settlement stays as it was; its history notes that its file was written again.
    if (ergebnis.ok && abrechnung.Wiederholung &&
        !dienste_.AbrechnungProtokollieren(
            Ereignis(ergebnis, abrechnung, abrechnungszustand::ErneutAusgegeben))) {
      QTXInfo().RegisterException(kKontext,
                                  std::string("Die erneute Ausgabe fehlt im Verlauf der "
                                              "Abrechnung."),
                                  false);
    }
  }
  return ergebnis;
}

bool TExportLauf::Abliefern(TFibuExporter& exporter, const TExportAbrechnung& abrechnung,
                            TExportBuchhaltung& buchhaltung) {
  // Either the settlement exists with all its bookings, or every booking stays open.
  if (!buchhaltung.Markierung->Ergebnis()) {
    const std::string vergeben =
        dienste_.InzwischenVergeben(buchhaltung.Idents, abrechnung.Erwartet());
    verbuchenFehler_ =
        vergeben.empty() ? "Die Buchungen konnten nicht als exportiert gekennzeichnet werden."
                         : vergeben + ".";
    vergeben_ = !vergeben.empty();
    return false;
  }
  // Uploads leave only now: the bookings are this run's, and a refused upload still undoes
  // the whole settlement.
  std::string abgelehnt;
  if (!exporter.Abliefern(abgelehnt)) {
    verbuchenFehler_ = abgelehnt.empty() ? "Die Exportdatei konnte nicht übertragen werden."
                                         : abgelehnt;
    return false;
  }
  return true;
}

bool TExportLauf::Verbuchen(TFibuExporter& exporter, TExportAbrechnung& abrechnung,
                            TExportBuchhaltung& buchhaltung, const TFertigeDateien& dateien,
                            TExportErgebnis& ergebnis) {
  // The bookings still carry their settlement; its journal stays as it is.
  if (abrechnung.Wiederholung) return true;
  TSelektTab markiert;
  for (const auto& ident : buchhaltung.Idents) SelektTabEintragen(markiert, ident);
  if (anreicherung_ && faehigkeiten_.Hat(TExportFaehigkeit::BuchungsZusatz)) {
    exporter.SetMaxLfdNr(anreicherung_->LfdNr());
  }
  if (!dienste_.AbrNrNachFBEX(abrechnung.Firma, abrechnung.AbrJahr, abrechnung.AbrNr,
                              abrechnung.DatumVon, abrechnung.DatumBis, markiert,
                              exporter.GetMaxLfdNr())) {
    verbuchenFehler_ = "Das Exportjournal konnte nicht geschrieben werden.";
    return false;
  }
  if (!dienste_.AbrechnungProtokollieren(
          Ereignis(ergebnis, abrechnung, abrechnungszustand::Exportiert))) {
    verbuchenFehler_ = "Das Exportjournal konnte nicht geschrieben werden.";
    return false;
  }
  dienste_.DateienVormerken(dateien, "Abrechnung " + std::to_string(abrechnung.AbrNr) + "/" +
                                         std::to_string(abrechnung.AbrJahr));
  buchhaltung.Transaktion->Abschliessen();
  ergebnis.markiert = std::move(markiert);
  return true;
}

void TExportLauf::Sortieren(const TFibuExporter& exporter) {
  if (exporter.NachDatumSort() || exporter.ExportMonatlich() || exporter.ExportTageweise()) {
    liste_.StabilSortieren([](const IExportZeile& a, const IExportZeile& b) {
      return a.Datum(TSpalte::Belegdatum) < b.Datum(TSpalte::Belegdatum);
    });
  }
  if (exporter.NachFilialeSort()) {
    liste_.StabilSortieren([](const IExportZeile& a, const IExportZeile& b) {
      return Int32(a.Text(TSpalte::Filiale)) < Int32(b.Text(TSpalte::Filiale));
    });
  }
}

std::vector<std::string> TExportLauf::Zieldateien(TFibuExporter& exporter,
                                                  const TExportAbrechnung& abrechnung) const {
  const bool monatlich = exporter.ExportMonatlich();
  const bool tageweise = exporter.ExportTageweise();
  TDateiFolge folge(monatlich, tageweise);
  TFibuExportFileInfo info;
  std::vector<std::string> dateien;
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    const IExportZeile& zeile = liste_.Zeile(i);
    if (!zeile.Markiert() || !folge.NeueDatei(zeile.Datum(TSpalte::Belegdatum))) continue;
    DateiInfoFuellen(info, abrechnung, folge.Jahr(), folge.Monat(), folge.Tag(), monatlich,
                     tageweise);
    for (std::string& datei : exporter.Zieldateien(info)) {
      // The list is not sorted yet: a month may come back after another.
      if (std::find(dateien.begin(), dateien.end(), datei) == dateien.end()) {
        dateien.push_back(std::move(datei));
      }
    }
  }
  return dateien;
}

void TExportLauf::DateiInfoFuellen(TFibuExportFileInfo& info, const TExportAbrechnung& abrechnung,
                                   int jahr, int monat, int tag, bool monatlich,
                                   bool tageweise) const {
  info = abrechnung;  // the settlement; a monthly or daily file narrows the period
  if (monatlich) {
    // The booking's own calendar year: the settlement year names a fiscal year, and in one
    // that starts in July a January booking belongs to the following calendar year
    // (29 February exists only there). The file name keeps the settlement year.
    info.DatumVon = EncodeDate(jahr, monat, 1);
    info.DatumBis = EndOfMonth(info.DatumVon);
  } else if (tageweise) {
    info.DatumVon = info.DatumBis = EncodeDate(jahr, monat, tag);
  }
}

void TExportLauf::BuchInfoFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile,
                                  TDateTime buchungsmonat) {
  auto text = [&zeile](TSpalte tag) { return Trim(zeile.Text(tag)); };
  BuchInfoGrunddatenFuellen(info, zeile);
  if (faehigkeiten_.Hat(TExportFaehigkeit::SteuerUndHerkunft)) {
    info.StSchlGgKtoSt = text(TSpalte::BU);
    info.SteuerProzent = SteuerProzent(zeile, info.StSchlGgKtoSt);
    info.Herkunft = HerkunftZuVorfall(text(TSpalte::Vorfall));
  }
  if (faehigkeiten_.Hat(TExportFaehigkeit::Zahlungsbedingungen)) {
    info.Buchungsmonat = buchungsmonat;
    info.DokumentenNr = text(TSpalte::DokumentenNr);
    info.ValutaDatum = zeile.Datum(TSpalte::Valutadatum);
    info.NettoTage = text(TSpalte::Nettotage);
    info.SkontoProz1 = text(TSpalte::SkontoProz1);
    info.SkontoTage1 = text(TSpalte::SkontoTage1);
    info.SkontoProz2 = text(TSpalte::SkontoProz2);
    info.SkontoTage2 = text(TSpalte::SkontoTage2);
  }
  if (faehigkeiten_.Hat(TExportFaehigkeit::BelegIdent)) {
    info.Vorfall = text(TSpalte::Vorfall);
    info.Belegart = text(TSpalte::Belegart);
    info.Ident = {Int32(zeile.Text(TSpalte::BelegRNr)), Int32(zeile.Text(TSpalte::BelegLNr)),
                  static_cast<std::int16_t>(Int32(zeile.Text(TSpalte::BelegSNr)))};
  }
}

long double TExportLauf::SteuerProzent(const IExportZeile& zeile, const std::string& schluessel) {
  // No key, no tax: an empty key would match the first slot a format leaves empty.
  if (schluessel.empty()) return 0;
  // A key may stand for two rates (one key for two slots; current and former rates
  // exchanged before the change date): the tax account booked knows the rate.
  std::string steuerName;
  if (Steuerkonto(zeile, steuerName)) return dienste_.SteuerProzentAusKonto(steuerName);
  long double prozent = 0;
  dienste_.SteuerSchlNachKonto(schluessel, prozent);
  return prozent;
}

bool TExportLauf::Steuerkonto(const IExportZeile& zeile, std::string& steuerName) {
  if (!zeile.IstGruppe()) {
    return dienste_.IstSteuerkonto(Trim(zeile.Text(TSpalte::GegenkontoName)),
                                   Trim(zeile.Text(TSpalte::GegenkontoZusatz)),
                                   zeile.Datum(TSpalte::Belegdatum), steuerName);
  }
  for (std::size_t i = 0; i < zeile.KinderAnzahl(); ++i) {
    if (Steuerkonto(zeile.Kind(i), steuerName)) return true;
  }
  return false;
}

void TExportLauf::IdentsSammeln(const IExportZeile& zeile, std::vector<TIntTrio>& idents) const {
  if (!zeile.IstGruppe()) {
    idents.push_back(zeile.Ident());
    return;
  }
  if (zeile.KinderAnzahl() == 0) {
    QTXInfo().RegisterException(kKontext,
                                std::string("Zu markierender Ident konnte nicht ermittelt werden."),
                                true);
    return;
  }
  for (std::size_t i = 0; i < zeile.KinderAnzahl(); ++i) {
    const IExportZeile& kind = zeile.Kind(i);
    if (kind.Markiert()) IdentsSammeln(kind, idents);
  }
}

void TExportLauf::Abschlussmeldung(const TExportErgebnis& ergebnis,
                                   const TExportAbrechnung& abrechnung) const {
  const std::string nummer = std::to_string(abrechnung.AbrNr) + "/" +
                             std::to_string(abrechnung.AbrJahr);
  if (ergebnis.ok) {
    if (meldung_.Batchmode()) {
      meldung_.Protokoll(std::to_string(ergebnis.zeilen) + "-" +
                         "Fibu-Sätze wurden erfolgreich exportiert");
      // The line above says how many; this one says what and where.
      const std::string dateien = DateienText(ErgebnisDateien(ergebnis));
      const std::string mandant = !abrechnung.MandantText.empty()
                                      ? abrechnung.MandantText
                                      : std::to_string(abrechnung.Firma.Nr1) + "/" +
                                            std::to_string(abrechnung.Firma.Nr2);
      meldung_.Protokoll("Mandant " + mandant + ", Abrechnung " + nummer +
                         ", Zeitraum " + DateToStr(abrechnung.DatumVon) + " - " +
                         DateToStr(abrechnung.DatumBis) + ", " +
                         std::to_string(ergebnis.uebersicht.Buchungen) + " Buchungen" +
                         (dateien.empty() ? "" : ", " + dateien));
    } else if (!erfolgZeigen_) {
      // The caller's summary says it all.
    } else if (!real_) {
      // First, before the exporter's own words invite an import.
      QTXInfo().QTXHinweisBox("Testexport – nicht importieren\r\r" + ergebnis.meldung);
    } else {
      QTXInfo().QTXHinweisBox(ergebnis.meldung);
    }
    for (const auto& fehler : ergebnis.nichtAbgelegt) {
      meldung_.Melden("Warnung: " + fehler + " Die Abrechnung " + nummer +
                          " ist gespeichert; die Datei wird beim nächsten Start abgelegt.",
                      fehler + "\rDie Abrechnung " + nummer +
                          " ist gespeichert; die Datei wird beim nächsten Start abgelegt.");
    }
    return;
  }
  if (vergeben_) {
    // Another run was faster: nothing of this one stays, and its number is still free.
    meldung_.Melden("Abbruch: " + verbuchenFehler_ + " Es wurde keine Datei geschrieben und "
                        "nichts gekennzeichnet. Bitte laden Sie die Liste neu.",
                    verbuchenFehler_ + "\rEs wurde keine Datei geschrieben und nichts "
                        "gekennzeichnet.\rBitte laden Sie die Liste neu.");
    return;
  }
  if (gesperrt_) {
    // Nothing is wrong with the settings: the bookings are busy elsewhere.
    meldung_.Melden("Abbruch: Die Exportdatei konnte nicht erstellt werden. Die Buchungen sind "
                    "an einem anderen Arbeitsplatz gesperrt. Bitte später erneut exportieren.",
                    "Die Exportdatei konnte nicht erstellt werden.\rDie Buchungen sind an einem "
                    "anderen Arbeitsplatz gesperrt.\rBitte später erneut exportieren.");
    return;
  }
  std::string zusatz;
  if (!verbuchenFehler_.empty()) {
    zusatz = verbuchenFehler_ + " Keine Buchung wurde als exportiert gekennzeichnet und keine "
                                "Exportdatei abgelegt.";
  }
  if (const std::string grund = Fehlergrund(); !grund.empty()) {
    zusatz += (zusatz.empty() ? "" : " ") + grund;
  }
  meldung_.Melden(
      "Abbruch: Die Exportdatei konnte nicht erstellt werden. Bitte überprüfen Sie die "
      "Grundeinstellungen." + (zusatz.empty() ? "" : " " + zusatz),
      std::string("Die Exportdatei konnte nicht erstellt werden.\rBitte überprüfen Sie die "
                  "Grundeinstellungen.") + (zusatz.empty() ? "" : "\r" + zusatz));
}

std::string TExportLauf::Fehlergrund() const {
  const auto& registriert = QTXInfo().Registrations();
  for (std::size_t i = registriertVorher_; i < registriert.size(); ++i) {
    if (registriert[i].flag && !registriert[i].text.empty()) return registriert[i].text;
  }
  return {};
}

TAbrechnungsEreignis TExportLauf::Ereignis(const TExportErgebnis& ergebnis,
                                           const TExportAbrechnung& abrechnung,
                                           const char* zustand) const {
  TAbrechnungsEreignis e;
  static_cast<TAbrechnung&>(e) = abrechnung;
  e.Zustand = zustand;
  e.Zeit = qtx_Now();
  e.Rechner = QTXProgramm().GetRId();
  e.Benutzer = AngemeldeterBenutzer();
  e.Dateien = ErgebnisDateien(ergebnis);
  e.Buchungen = ergebnis.uebersicht.Buchungen;
  e.Zeilen = ergebnis.uebersicht.Zeilen;
  e.Soll = ergebnis.uebersicht.Soll;
  e.Haben = ergebnis.uebersicht.Haben;
  return e;
}

std::vector<std::string> ErgebnisDateien(const TExportErgebnis& ergebnis) {
  if (!ergebnis.dateiListe.empty()) return ergebnis.dateiListe;
  std::vector<std::string> dateien;
  for (const auto* name : {&ergebnis.dateiName, &ergebnis.dateiName2}) {
    if (!name->empty()) dateien.push_back(*name);
  }
  return dateien;
}

#include "app/SaldixExportPruefung.h"

#include <cmath>

#include "app/ExportBuchInfo.h"

#include "data/AbrechnungsJahr.h"
#include "export/fibuexportclass.h"
#include "suite/SuiteDatabase.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

constexpr char CR = '\r';

// A column text that converts to a whole number other than 0.
bool HatNummer(const std::string& text) { return StrToInt64Def(text, 0) != 0; }

std::string DatumText(TDateTime datum) { return DateToStr(datum); }

// The booking as the run hands it to the exporter, as far as import rules look at it.
TFibuExportBuchInfo BuchInfo(const IExportZeile& zeile) {
  TFibuExportBuchInfo info;
  BuchInfoGrunddatenFuellen(info, zeile);
  return info;
}

}  // namespace

long long OffeneBuchungenVor(const TIntPair& firma, int abrJahr, TDateTime vor) {
  try {
    suitedb::Connection* db = SuiteDatabase::TryGet();
    if (!db || abrJahr <= 0) return 0;
    const TDateTime anfang = TAbrechnungsJahr(*db).GetAnfangAbrJahr(firma, abrJahr);
    if (anfang <= 0 || anfang >= std::floor(vor)) return 0;
    auto& abfrage = db->Cached(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = ? AND firma2 = ? AND abr_nr = 0 "
        "AND export_kz = 'J' AND belegdatum >= ? AND belegdatum < ?");
    abfrage.With(firma.Nr1, firma.Nr2, static_cast<double>(std::floor(anfang)),
                 static_cast<double>(std::floor(vor)));
    const long long anzahl = abfrage.Step() ? abfrage.Int(0) : 0;
    abfrage.Reset();
    return anzahl;
  } catch (...) {
    // A warning only: the check goes on without it.
    QTXInfo().RegisterCurrentException("TExportPruefung.OffeneBuchungenVor", true);
    return 0;
  }
}

void TExportPruefung::Befund(std::size_t index, const IExportZeile& zeile, std::string feld,
                             std::string wert, std::string regel, std::string batch,
                             std::string dialog, bool sperrt, bool frage) {
  TBefund befund;
  befund.Problem.Zeile = index;
  befund.Problem.Belegnummer = Trim(zeile.Text(TSpalte::ExportBeleg1));
  befund.Problem.Datum = zeile.Datum(TSpalte::Belegdatum);
  befund.Problem.Konto = zeile.Text(TSpalte::Konto);
  befund.Problem.Feld = std::move(feld);
  befund.Problem.Wert = std::move(wert);
  befund.Problem.Regel = std::move(regel);
  befund.Problem.Sperrt = sperrt;
  befund.Batch = std::move(batch);
  befund.Dialog = std::move(dialog);
  befund.Frage = frage;
  befunde_.push_back(std::move(befund));
}

bool TExportPruefung::TestenOk(const TFibuExporter* exporter, const std::string& exporterName,
                               TDateTime buchungsmonat, const TExportUmfang* umfang) {
  if (!exporter || exporterName.empty()) {
    meldung_.Melden("Bitte wählen Sie in den Einstellungen zunächst ein Exportformat.",
                    "Bitte wählen Sie in den Einstellungen zunächst ein Exportformat.");
    return false;
  }
  if (exporter->FrageBuchMonat() && buchungsmonat == 0) {
    meldung_.Melden("Abbruch: Bitte geben Sie den Buchungsmonat ein",
                    "Bitte geben Sie den Buchungsmonat ein.");
    return false;
  }
  gefunden_.clear();
  const std::vector<TBefund> befunde = Sammeln(*exporter, umfang);
  if (befunde.empty()) return true;
  TExportProblemListe probleme;
  for (const auto& befund : befunde) probleme.push_back(befund.Problem);
  gefunden_ = probleme;
  const bool sperrt = SperrtExport(probleme);

  if (meldung_.Batchmode()) {
    // Every problem is one line; the run then stops on the first that blocks.
    for (const auto& problem : probleme) meldung_.Protokoll(ProblemText(problem));
    for (const auto& befund : befunde) {
      if (!befund.Problem.Sperrt) continue;
      Melden(befund);
      return false;
    }
    return true;
  }
  if (anzeige_) {
    const bool weiter = anzeige_->Zeigen(probleme, liste_) && !sperrt;
    // The menu log keeps what was exported despite a warning, as after the question.
    if (weiter) {
      for (const auto& befund : befunde) {
        if (befund.Frage) meldung_.Protokoll(befund.Batch);
      }
    }
    return weiter;
  }
  return Einzeln(befunde);
}

void TExportPruefung::Melden(const TBefund& befund) {
  meldung_.Melden(befund.Batch, befund.Dialog);
  const std::size_t zeile = befund.Problem.Zeile;
  if (zeile != TExportProblem::kGanzerExport && zeile < liste_.Anzahl()) {
    liste_.ZeileAuswaehlen(liste_.Zeile(zeile));
  }
}

bool TExportPruefung::Einzeln(const std::vector<TBefund>& befunde) {
  for (const auto& befund : befunde) {
    const TExportProblem& p = befund.Problem;
    const bool mitZeile = p.Zeile != TExportProblem::kGanzerExport && p.Zeile < liste_.Anzahl();
    if (befund.Frage) {
      if (mitZeile) liste_.ZeileAuswaehlen(liste_.Zeile(p.Zeile));
      if (QTXInfo().QTXJaNeinBox(befund.Dialog) != mrYes) return false;
      meldung_.Protokoll(befund.Batch);
    } else if (p.Sperrt) {
      Melden(befund);
      return false;
    }
  }
  return true;
}

TExportProblemListe TExportPruefung::Probleme(const TFibuExporter& exporter,
                                              const TExportUmfang* umfang) {
  TExportProblemListe probleme;
  for (const auto& befund : Sammeln(exporter, umfang)) probleme.push_back(befund.Problem);
  return probleme;
}

std::vector<TExportPruefung::TBefund> TExportPruefung::Sammeln(const TFibuExporter& exporter,
                                                               const TExportUmfang* umfang) {
  befunde_.clear();
  nichtsGefunden_ = false;
  std::unique_ptr<IExportRegeln> regeln = exporter.Importregeln(umfang ? umfang->Firma
                                                                       : TIntPair{});
  bool einerMarkiert = false;
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    const IExportZeile& zeile = liste_.Zeile(i);
    if (!zeile.Markiert()) continue;
    einerMarkiert = true;
    KontenNummern(i, zeile);
    if (zeile.IstGruppe()) {
      Gruppe(i, zeile);
    } else {
      Avis(i, zeile, zeile);
      Steuer(i, zeile);
      Inlandserloese(i, zeile);
    }
    if (regeln) Regeln(*regeln, i, zeile);
  }
  nichtsGefunden_ = !einerMarkiert;
  if (!einerMarkiert) {
    TBefund befund;
    befund.Problem.Regel = "Keine Sätze im angegebenen Zeitraum gefunden";
    befund.Batch = "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden";
    befund.Dialog = "Bitte wählen Sie zunächst die Sätze für den Export.";
    befunde_.push_back(std::move(befund));
    return std::move(befunde_);
  }
  if (regeln) {
    TExportProblemListe gesamt;
    regeln->Ende(umfang ? *umfang : TExportUmfang{}, gesamt);
    for (auto& problem : gesamt) {
      TBefund befund;
      befund.Batch = "Abbruch: " + problem.Regel;
      befund.Dialog = problem.Regel;
      befund.Problem = std::move(problem);
      befunde_.push_back(std::move(befund));
    }
  }
  return std::move(befunde_);
}

void TExportPruefung::Regeln(IExportRegeln& regeln, std::size_t index, const IExportZeile& zeile) {
  TExportProblemListe probleme;
  regeln.Buchung(index, BuchInfo(zeile), probleme);
  for (auto& problem : probleme) {
    // The list names the row as the booking list shows it.
    problem.Belegnummer = Trim(zeile.Text(TSpalte::ExportBeleg1));
    problem.Konto = zeile.Text(TSpalte::Konto);
    TBefund befund;
    befund.Batch = "Abbruch: " + ProblemText(problem) + " Bitte erst korrigieren";
    befund.Dialog = ProblemText(problem) + CR + "Bitte erst korrigieren.";
    befund.Problem = std::move(problem);
    befunde_.push_back(std::move(befund));
  }
}

void TExportPruefung::KontenNummern(std::size_t index, const IExportZeile& zeile) {
  for (const TSpalte tag : {TSpalte::Konto, TSpalte::Gegenkonto}) {
    const std::string text = zeile.Text(tag);
    if (HatNummer(text)) continue;
    Befund(index, zeile, tag == TSpalte::Konto ? "Konto" : "Gegenkonto", text,
           "Keine Nummer zugeordnet",
           "Abbruch: Keine Nummer zugeordnet bei Konto " + text + " Bitte erst korrigieren",
           std::string("Keine Nummer zugeordnet bei Konto") + CR + text + CR +
               "Bitte erst korrigieren.");
  }
}

void TExportPruefung::Gruppe(std::size_t index, const IExportZeile& gruppe) {
  bool aufwand = false, bestand = false, erloes = false, inland = false;
  bool mwst = false, vorsteuer = false;
  for (std::size_t i = 0; i < gruppe.KinderAnzahl(); ++i) {
    const IExportZeile& kind = gruppe.Kind(i);
    if (!kind.Markiert()) continue;
    Avis(index, kind, gruppe);
    const std::string name = kind.Text(TSpalte::GegenkontoName);
    const std::string zusatz = kind.Text(TSpalte::GegenkontoZusatz);
    const TDateTime datum = kind.Datum(TSpalte::Belegdatum);
    std::string steuerName;
    if (dienste_.IstSteuerkonto(name, zusatz, datum, steuerName)) {
      (steuerName.find("MWST") != std::string::npos ? mwst : vorsteuer) = true;
    } else if (HatKontoArt(name, zusatz, datum, 133)) {
      erloes = true;
    } else {
      switch (dienste_.Get_Aufwand_Erloes_Bestand(name, zusatz, datum)) {
        case 'A': aufwand = true; break;
        case 'B': bestand = true; break;
        case 'E': erloes = true; break;
        case 'I': inland = true; break;
        default: break;
      }
    }
  }
  std::string grund;
  if (aufwand && mwst) grund = "Mwst bei Aufwandskonto ";
  if ((erloes || inland) && vorsteuer) grund = "Vorsteuer bei Erlöskonto ";
  if (bestand && mwst) grund = "Mwst bei Bestandskonto ";
  if (grund.empty()) return;

  const std::string r = grund + gruppe.Text(TSpalte::Gegenkonto);
  const std::string n = gruppe.Text(TSpalte::GegenkontoBez);
  const std::string k = "Konto " + gruppe.Text(TSpalte::Konto) + " - " +
                        gruppe.Text(TSpalte::ExportBeschreibung) + " vom " +
                        DatumText(gruppe.Datum(TSpalte::Belegdatum));
  const std::string b = "Beleg 1: " + gruppe.Text(TSpalte::ExportBeleg1) +
                        " / Beleg 2: " + gruppe.Text(TSpalte::ExportBeleg2);
  std::string f;
  if (StrToIntDef(gruppe.Text(TSpalte::Filiale), 0) > 0) {
    f = "Filiale: " + gruppe.Text(TSpalte::Filiale) + " ";
  }
  if (StrToIntDef(gruppe.Text(TSpalte::BelegRNr), 0) > 0) {
    f += "Rechner: " + gruppe.Text(TSpalte::BelegRNr);
  }
  Befund(index, gruppe, "Gegenkonto", gruppe.Text(TSpalte::Gegenkonto), Trim(grund),
         r + " " + n + " " + k + " " + b + " " + f + " Abbruch: Bitte erst korrigieren",
         r + CR + n + CR + k + CR + b + CR + f + CR + "Bitte erst korrigieren.");
}

bool TExportPruefung::HatKontoArt(const std::string& name, const std::string& zusatz,
                                  TDateTime datum, int art) {
  std::string schluessel = name;
  schluessel += '\x1f';
  schluessel += zusatz;
  schluessel += '\x1f';
  schluessel += std::to_string(art);
  auto gefunden = kontoArten_.find(schluessel);
  if (gefunden != kontoArten_.end()) return gefunden->second;
  const bool hat = dienste_.HatKontoArt(name, zusatz, datum, art);
  kontoArten_.emplace(std::move(schluessel), hat);
  return hat;
}

void TExportPruefung::Avis(std::size_t index, const IExportZeile& zeile, const IExportZeile& ort) {
  const TDateTime datum = zeile.Datum(TSpalte::Belegdatum);
  const bool konto =
      HatKontoArt(zeile.Text(TSpalte::KontoName), zeile.Text(TSpalte::KontoZusatz), datum, 2);
  const bool avis = konto || HatKontoArt(zeile.Text(TSpalte::GegenkontoName),
                                         zeile.Text(TSpalte::GegenkontoZusatz), datum, 2);
  if (!avis) return;
  Befund(index, ort, konto ? "Konto" : "Gegenkonto",
         zeile.Text(konto ? TSpalte::Konto : TSpalte::Gegenkonto),
         "Avis-Sätze können nicht exportiert werden. Bitte erst Bankauszug buchen",
         "Abbruch: Avis-Sätze können nicht exportiert werden. Bitte erst Bankauszug buchen",
         std::string("Avis-Sätze können nicht exportiert werden.") + CR +
             "Bitte erst Bankauszug buchen.");
}

bool TExportPruefung::IstMwstKonto(const std::string& name, const std::string& zusatz,
                                   TDateTime datum) {
  std::string steuerName;
  return dienste_.IstSteuerkonto(name, zusatz, datum, steuerName) &&
         steuerName.find("MWST") != std::string::npos;
}

void TExportPruefung::Steuer(std::size_t index, const IExportZeile& zeile) {
  const TDateTime datum = zeile.Datum(TSpalte::Belegdatum);
  if (!IstMwstKonto(zeile.Text(TSpalte::KontoName), zeile.Text(TSpalte::KontoZusatz), datum) &&
      !IstMwstKonto(zeile.Text(TSpalte::GegenkontoName), zeile.Text(TSpalte::GegenkontoZusatz),
                    datum)) {
    return;
  }
  const std::string info = zeile.Text(TSpalte::ExportBeschreibung) +
                           " Beleg 1: " + zeile.Text(TSpalte::ExportBeleg1) +
                           " Beleg 2: " + zeile.Text(TSpalte::ExportBeleg2);
  // Unattended the export goes on (as it always did); the line says so.
  Befund(index, zeile, "Konto", zeile.Text(TSpalte::Konto),
         "Umsatzsteuer darf nur in Verbindung mit Erlösen exportiert werden.",
         "Umsatzsteuer darf nur in Verbindung mit Erlösen exportiert werden. " + info +
             " Es wurde trotzdem exportiert",
         std::string("Umsatzsteuer darf nur in Verbindung ") + CR +
             "mit Erlösen exportiert werden." + CR + info + CR + "Trotzdem exportieren (J/N)?",
         false, true);
}

void TExportPruefung::Inlandserloese(std::size_t index, const IExportZeile& zeile) {
  const TDateTime datum = zeile.Datum(TSpalte::Belegdatum);
  const bool inland =
      dienste_.Get_Aufwand_Erloes_Bestand(zeile.Text(TSpalte::KontoName),
                                          zeile.Text(TSpalte::KontoZusatz), datum) == 'I' ||
      dienste_.Get_Aufwand_Erloes_Bestand(zeile.Text(TSpalte::GegenkontoName),
                                          zeile.Text(TSpalte::GegenkontoZusatz), datum) == 'I';
  if (!inland) return;
  const std::string k =
      "Konto " + zeile.Text(TSpalte::Konto) + " - " + zeile.Text(TSpalte::ExportBeschreibung);
  const std::string b = "Beleg 1: " + zeile.Text(TSpalte::ExportBeleg1) +
                        " Beleg 2: " + zeile.Text(TSpalte::ExportBeleg2);
  const std::string d = "Datum: " + DatumText(datum);
  Befund(index, zeile, "Konto", zeile.Text(TSpalte::Konto), "Inlandserlöse ohne Mwst.",
         "Abbruch: Inlandserlöse ohne Mwst. " + k + " " + b + " " + d + " Bitte erst korrigieren",
         std::string("Inlandserlöse ohne Mwst.") + CR + k + CR + b + CR + d + CR +
             "Bitte erst korrigieren.");
}

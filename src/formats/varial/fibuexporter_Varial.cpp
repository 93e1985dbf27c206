#include "formats/varial/fibuexporter_Varial.h"

#include <cmath>
#include <stdexcept>

#include "export/ExportRegeln.h"
#include "formats/varial/VarialSatz.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace varial {

namespace {

// Varial takes an account of at most eight digits and amounts of at most eleven places
// before the decimal point.
constexpr long long kGroessteKonto = 99999999;
constexpr long double kGroessterBetrag = 99999999999.99L;

std::string Datum(const char* muster, TDateTime datum) {
  return datum == 0 ? std::string() : FormatDateTime(muster, datum);
}

std::string Buchungstext(const TFibuExportBuchInfo& b) {
  std::string text = b.Filiale > 0 ? std::to_string(b.Filiale) : std::string();
  if (!b.Belegnr.empty()) text += " - " + b.Belegnr;
  if (!b.Text.empty()) text += " - " + b.Text;
  // A line break would tear the record apart; the field cuts to 50 characters.
  return OhneSteuerzeichen(text);
}

class TVarialRegeln final : public IExportRegeln {
 public:
  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& b, TExportProblemListe& probleme) override {
    const auto problem = [&](const char* feld, const std::string& wert, const char* regel) {
      TExportProblem p;
      p.Zeile = zeile;
      p.Belegnummer = b.Beleg1;
      p.Datum = b.BelegDatum;
      p.Konto = std::to_string(b.Konto);
      p.Feld = feld;
      p.Wert = wert;
      p.Regel = regel;
      probleme.push_back(std::move(p));
    };
    for (const long long konto : {static_cast<long long>(b.Konto), static_cast<long long>(b.GegenKonto)}) {
      if (konto < 0 || konto > kGroessteKonto) {
        problem("Kontonummer", std::to_string(konto), "Varial nimmt Konten mit höchstens 8 Stellen.");
      }
    }
    if (std::fabs(b.BetragSoll - b.BetragHaben) > kGroessterBetrag) {
      problem("Buchungsbetrag", FloatToStrF(b.BetragSoll - b.BetragHaben),
              "Varial nimmt Beträge mit höchstens 11 Stellen vor dem Komma.");
    }
  }
  void Ende(const TExportUmfang&, TExportProblemListe&) override {}
};

}  // namespace

const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl>& TFibuExporter_Varial::SteuerKeys() {
  static const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> keys = {
      "UMST_REDUZ", "UMST_SPEZ",     "UMST_NORMAL", "UMST_RED_ALT", "UMST_NORM_ALT", "VST_REDUZ",
      "VST_SPEZ",   "VST_NORMAL",    "VST_REDUZ_ALT", "VST_NORM_ALT", "UMST_EG",     "VST_OHNE"};
  return keys;
}

TFibuExporter_Varial::TFibuExporter_Varial()
    : TMandantenExporter({{"MANDANT", TMandantenFeld::TArt::Text, true, 3, "Varial-Mandant",
                           "Die Mandantennummer ist nicht gefüllt."}},
                         "VARIAL") {}

void TFibuExporter_Varial::SchalterSetzen() {
  FAutomatikkonten = true;
  FKBInBelegnummer = true;
  FBMDZusatz = true;
}

void TFibuExporter_Varial::Lade_Einstellungen_Alt() {
  TMandantenExporter::Lade_Einstellungen_Alt();
  FNachDatumSortieren = true;
}

void TFibuExporter_Varial::EigeneEinstellungenLesen(const TQTXStrings& config) {
  for (std::size_t i = 0; i < FSteuerSchl.size(); ++i) FSteuerSchl[i] = config.Value(SteuerKeys()[i]);
}

void TFibuExporter_Varial::EigeneEinstellungenSchreiben(TQTXStrings& config) const {
  for (std::size_t i = 0; i < FSteuerSchl.size(); ++i) config.SetValue(SteuerKeys()[i], FSteuerSchl[i]);
}

void TFibuExporter_Varial::EigeneEinstellungenAltLesen(const TSimpleMask& maske) {
  for (std::size_t i = 0; i < FSteuerSchl.size(); ++i) {
    FSteuerSchl[i] = maske.ReadGlobalDef(SteuerKeys()[i], std::string());
  }
}

std::string TFibuExporter_Varial::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] { return FSteuerSchl.at(static_cast<std::size_t>(ASteuer)); });
}

bool TFibuExporter_Varial::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] { return GrundeinstellungenVorhanden(); });
}

std::unique_ptr<IExportRegeln> TFibuExporter_Varial::Importregeln(TIntPair /*AMandant*/) const {
  return std::make_unique<TVarialRegeln>();
}

std::string TFibuExporter_Varial::GetMeldung() {
  return Guard("GetMeldung", [&] { return DateiMeldung(); });
}

std::string TFibuExporter_Varial::AbrechnungsOrdner(const std::string& mandant, int abrJahr, int abrNr) {
  return DateinamenTeil(Trim(mandant)) + "_" + std::to_string(abrJahr) + "_" + std::to_string(abrNr);
}

std::string TFibuExporter_Varial::Dateiname(const TMandantenEintrag& mandant,
                                            const TFibuExportFileInfo& AFileInfo) const {
  return ConcatPathNames(AbrechnungsOrdner(mandant.Text(CFeldMandant), AFileInfo.AbrJahr,
                                           AFileInfo.AbrNr),
                         CDateiName);
}

bool TFibuExporter_Varial::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    const TMandantenEintrag& mandant = MandantDesLaufs(AFileInfo.Firma);
    FMandantVarial = mandant.Text(CFeldMandant);
    // The directory below which the file lies is created by DateiOeffnen; its settlement
    // folder here.
    const std::string ordner = AbrechnungsOrdner(FMandantVarial, AFileInfo.AbrJahr, AFileInfo.AbrNr);
    const std::string basis = Ausgabeordner(FVerzExport);
    if (!FVerzExport.empty() && !ForceDirectories(ConcatPathNames(basis, ordner))) {
      throw std::runtime_error("Das Verzeichnis \"" + ConcatPathNames(basis, ordner) +
                               "\" konnte nicht angelegt werden.");
    }
    DateiOeffnen(Dateiname(mandant, AFileInfo));
    return true;
  });
}

namespace {

// The fields the records fill, looked up by name once.
struct TFelder {
  TVarialStelle Firma = VarialStelle("Firma");
  TVarialStelle Periode = VarialStelle("Buchungsperiode");
  TVarialStelle Buchungsdatum = VarialStelle("Buchungsdatum");
  TVarialStelle Buchungsart = VarialStelle("Buchungsart");
  TVarialStelle Kontenart = VarialStelle("Kontenart");
  TVarialStelle Kontonummer = VarialStelle("Kontonummer");
  TVarialStelle Gegenkontenart = VarialStelle("Gegenkontenart");
  TVarialStelle Gegenkonto = VarialStelle("Gegenkonto");
  TVarialStelle Belegnummer = VarialStelle("Belegnummer");
  TVarialStelle Belegdatum = VarialStelle("Belegdatum");
  TVarialStelle Symbol = VarialStelle("Buchungssymbol");
  TVarialStelle Betrag = VarialStelle("Buchungsbetrag EW");
  TVarialStelle Steuer = VarialStelle("Steuerbetrag EW");
  TVarialStelle Schluessel = VarialStelle("Steuerschlüssel");
  TVarialStelle Text = VarialStelle("Buchungstext");
  TVarialStelle Kondition = VarialStelle("Zahlungskondition");
};

const TFelder& Felder() {
  static const TFelder felder;
  return felder;
}

}  // namespace

void TFibuExporter_Varial::Buchung(const TFibuExportBuchInfo& b) {
  const TFelder& f = Felder();
  // One number per booking, shared by its records; a booking that fails keeps it used.
  ++FBelegNummer;
  const long double diff = b.BetragSoll - b.BetragHaben;
  const long double d = std::fabs(diff);
  // Every record of the booking sets the same fields; the rest stay blank.
  FSatz.Feld(f.Firma, FMandantVarial)
      .Feld(f.Periode, Datum("yyyymm", b.BuchungsDatum))
      .Feld(f.Buchungsdatum, Datum("yymmdd", b.BuchungsDatum))
      .Feld(f.Kontenart, "0")
      .Nummer(f.Belegnummer, FBelegNummer)
      .Feld(f.Belegdatum, Datum("yymmdd", b.BelegDatum))
      .Feld(f.Kondition, "000")
      .Feld(f.Text, Buchungstext(b));
  if (!b.StSchlGgKtoSt.empty()) {
    const long double netto = qtx_Round(d * 100 / (b.SteuerProzent + 100), 2);
    const long double steuer = d - netto;
    FSatz.Feld(f.Buchungsart, "DIV")
        .Nummer(f.Kontonummer, b.GegenKonto)
        .Feld(f.Gegenkontenart, "")
        .Feld(f.Gegenkonto, "")
        .Feld(f.Symbol, diff >= 0 ? "HA " : "SO ")
        .Betrag(f.Betrag, -netto)
        .Betrag(f.Steuer, -steuer)
        .Feld(f.Schluessel, b.StSchlGgKtoSt);
    const std::string gegen = FSatz.Satz();
    FSatz.Nummer(f.Kontonummer, b.Konto)
        .Feld(f.Symbol, diff > 0 ? "SO " : "HA ")
        .Betrag(f.Betrag, d)
        .Betrag(f.Steuer, 0)
        .Feld(f.Schluessel, "0");
    // Both records or neither: they are built before either is written.
    const std::string konto = FSatz.Satz();
    Datei().WriteLine(gegen);
    Datei().WriteLine(konto);
    return;
  }
  FSatz.Feld(f.Buchungsart, "BUC")
      .Nummer(f.Kontonummer, b.Konto)
      .Feld(f.Gegenkontenart, "0")
      .Nummer(f.Gegenkonto, b.GegenKonto)
      .Feld(f.Symbol, diff > 0 ? "SO " : "HA ")
      .Betrag(f.Betrag, -d)
      .Betrag(f.Steuer, 0)
      .Feld(f.Schluessel, "00");
  Datei().WriteLine(FSatz.Satz());
}

}  // namespace varial

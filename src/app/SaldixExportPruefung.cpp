#include "app/SaldixExportPruefung.h"

#include "export/fibuexportclass.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/QTXInfo.h"

namespace {

constexpr char CR = '\r';

// A column text that converts to a whole number other than 0.
bool HatNummer(const std::string& text) { return StrToInt64Def(text, 0) != 0; }

std::string DatumText(TDateTime datum) { return DateToStr(datum); }

}  // namespace

void TExportPruefung::Melden(const IExportZeile& zeile, const std::string& batch,
                             const std::string& dialog) {
  meldung_.Melden(batch, dialog);
  liste_.ZeileAuswaehlen(zeile);
}

bool TExportPruefung::TestenOk(const TFibuExporter* exporter, const std::string& exporterName,
                               TDateTime buchungsmonat) {
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
  bool einerMarkiert = false;
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    const IExportZeile& zeile = liste_.Zeile(i);
    if (!zeile.Markiert()) continue;
    einerMarkiert = true;
    if (!KontenNummernOk(zeile)) return false;
    if (zeile.IstGruppe()) {
      if (!GruppeOk(zeile)) return false;
    } else if (!AvisOk(zeile) || !SteuerOk(zeile) || !InlandserloeseOk(zeile)) {
      return false;
    }
  }
  if (!einerMarkiert) {
    meldung_.Melden("Abbruch: Keine Sätze im angegebenen Zeitraum gefunden",
                    "Bitte wählen Sie zunächst die Sätze für den Export.");
    return false;
  }
  return true;
}

bool TExportPruefung::KontenNummernOk(const IExportZeile& zeile) {
  for (const int tag : {spalte::Konto, spalte::Gegenkonto}) {
    const std::string text = zeile.Text(tag);
    if (HatNummer(text)) continue;
    Melden(zeile, "Abbruch: Keine Nummer zugeordnet bei Konto " + text + " Bitte erst korrigieren",
           std::string("Keine Nummer zugeordnet bei Konto") + CR + text + CR +
               "Bitte erst korrigieren.");
    return false;
  }
  return true;
}

bool TExportPruefung::GruppeOk(const IExportZeile& gruppe) {
  bool aufwand = false, bestand = false, erloes = false, inland = false;
  bool mwst = false, vorsteuer = false;
  for (std::size_t i = 0; i < gruppe.KinderAnzahl(); ++i) {
    const IExportZeile& kind = gruppe.Kind(i);
    if (!kind.Markiert()) continue;
    if (!AvisOk(kind)) return false;
    const std::string name = kind.Text(spalte::GegenkontoKuerzel);
    const std::string zusatz = kind.Text(spalte::ZusatzGegenkonto);
    const TDateTime datum = kind.Datum(spalte::Belegdatum);
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
  if (grund.empty()) return true;

  const std::string r = grund + gruppe.Text(spalte::Gegenkonto);
  const std::string n = gruppe.Text(spalte::GegenkontoBezeichnung);
  const std::string k = "Konto " + gruppe.Text(spalte::Konto) + " - " +
                        gruppe.Text(spalte::BeschreibungExport) + " vom " +
                        DatumText(gruppe.Datum(spalte::Belegdatum));
  const std::string b = "Beleg 1: " + gruppe.Text(spalte::Beleg1Export) +
                        " / Beleg 2: " + gruppe.Text(spalte::Beleg2Export);
  std::string f;
  if (StrToIntDef(gruppe.Text(spalte::Filiale), 0) > 0) {
    f = "Filiale: " + gruppe.Text(spalte::Filiale) + " ";
  }
  if (StrToIntDef(gruppe.Text(spalte::BelegRNr), 0) > 0) {
    f += "Rechner: " + gruppe.Text(spalte::BelegRNr);
  }
  Melden(gruppe, r + " " + n + " " + k + " " + b + " " + f + " Abbruch: Bitte erst korrigieren",
         r + CR + n + CR + k + CR + b + CR + f + CR + "Bitte erst korrigieren.");
  return false;
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

bool TExportPruefung::AvisOk(const IExportZeile& zeile) {
  const TDateTime datum = zeile.Datum(spalte::Belegdatum);
  const bool avis =
      HatKontoArt(zeile.Text(spalte::KontoKuerzel), zeile.Text(spalte::ZusatzKonto), datum, 2) ||
      HatKontoArt(zeile.Text(spalte::GegenkontoKuerzel), zeile.Text(spalte::ZusatzGegenkonto),
                  datum, 2);
  if (!avis) return true;
  Melden(zeile,
         "Abbruch: Avis-Sätze können nicht exportiert werden. Bitte erst Bankauszug buchen",
         std::string("Avis-Sätze können nicht exportiert werden.") + CR +
             "Bitte erst Bankauszug buchen.");
  return false;
}

bool TExportPruefung::IstMwstKonto(const std::string& name, const std::string& zusatz,
                                   TDateTime datum) {
  std::string steuerName;
  return dienste_.IstSteuerkonto(name, zusatz, datum, steuerName) &&
         steuerName.find("MWST") != std::string::npos;
}

bool TExportPruefung::SteuerOk(const IExportZeile& zeile) {
  const TDateTime datum = zeile.Datum(spalte::Belegdatum);
  if (!IstMwstKonto(zeile.Text(spalte::KontoKuerzel), zeile.Text(spalte::ZusatzKonto), datum) &&
      !IstMwstKonto(zeile.Text(spalte::GegenkontoKuerzel), zeile.Text(spalte::ZusatzGegenkonto),
                    datum)) {
    return true;
  }
  if (meldung_.Batchmode()) return true;
  const std::string info = zeile.Text(spalte::BeschreibungExport) +
                           " Beleg 1: " + zeile.Text(spalte::Beleg1Export) +
                           " Beleg 2: " + zeile.Text(spalte::Beleg2Export);
  liste_.ZeileAuswaehlen(zeile);
  const int antwort = QTXInfo().QTXJaNeinBox(std::string("Umsatzsteuer darf nur in Verbindung ") +
                                             CR + "mit Erlösen exportiert werden." + CR + info +
                                             CR + "Trotzdem exportieren (J/N)?");
  if (antwort != mrYes) return false;
  meldung_.Protokoll("Umsatzsteuer darf nur in Verbindung mit Erlösen exportiert werden. " + info +
                     " Es wurde trotzdem exportiert");
  return true;
}

bool TExportPruefung::InlandserloeseOk(const IExportZeile& zeile) {
  const TDateTime datum = zeile.Datum(spalte::Belegdatum);
  const bool inland =
      dienste_.Get_Aufwand_Erloes_Bestand(zeile.Text(spalte::KontoKuerzel),
                                          zeile.Text(spalte::ZusatzKonto), datum) == 'I' ||
      dienste_.Get_Aufwand_Erloes_Bestand(zeile.Text(spalte::GegenkontoKuerzel),
                                          zeile.Text(spalte::ZusatzGegenkonto), datum) == 'I';
  if (!inland) return true;
  const std::string k =
      "Konto " + zeile.Text(spalte::Konto) + " - " + zeile.Text(spalte::BeschreibungExport);
  const std::string b = "Beleg 1: " + zeile.Text(spalte::Beleg1Export) +
                        " Beleg 2: " + zeile.Text(spalte::Beleg2Export);
  const std::string d = "Datum: " + DatumText(datum);
  Melden(zeile, "Abbruch: Inlandserlöse ohne Mwst. " + k + " " + b + " " + d +
                    " Bitte erst korrigieren",
         std::string("Inlandserlöse ohne Mwst.") + CR + k + CR + b + CR + d + CR +
             "Bitte erst korrigieren.");
  return false;
}

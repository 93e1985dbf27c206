#include "formats/datev/DatevZeile.h"

#include <cmath>

#include "formats/datev/DatevTabellen.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace datev {

const TDatevVersion CDatev510{510, 7, 12, 10, false, false, &DatevSpaltenzeile510,
                              &DatevSteuerschluessel510};
const TDatevVersion CDatev700{700, 12, 36, 240, true, true, &DatevSpaltenzeile700,
                              &DatevSteuerschluessel700};

bool BrauchtBereinigung(std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    // Control characters, quotes, a possible C1 control (0xC2) or combining accent.
    if (b < 0x20 || b == '"' || b == 0x7F || b == 0xC2 || b == 0xCC || b == 0xCD) return true;
  }
  return false;
}

std::string OhneAnfuehrung(std::string_view text) {
  if (!BrauchtBereinigung(text)) return std::string(text);
  const std::string lesbar = OhneSteuerzeichen(Utf8ComposeLatin(text));
  std::string ergebnis;
  ergebnis.reserve(lesbar.size());
  for (char c : lesbar) {
    if (c != '"') ergebnis += c;
  }
  return ergebnis;
}

std::string BelegNrBereinigt(std::string_view text, std::size_t laenge) {
  const std::string lesbar = OhneAnfuehrung(text);
  std::string ergebnis;
  ergebnis.reserve(lesbar.size());
  for (char c : lesbar) {
    if (c == ' ' || c == '"') continue;
    ergebnis += c == '_' ? '-' : c;
  }
  return Utf8Left(ergebnis, laenge);
}

std::string InfoBereinigt(std::string_view text, std::size_t laenge) {
  return Trim(Utf8Left(OhneAnfuehrung(text), laenge));
}

const char* Betrag_2_SollHaben_Char(long double D) { return D < 0 ? "S" : "H"; }

bool IstNullbetrag(long double D) { return std::fabs(D) < 0.005L; }

void BaueKopfzeile(TDatevZeile& zeile, const TDatevVersion& version, const TDatevKopfDaten& kopf) {
  zeile.Neu();
  zeile.Text("EXTF");
  zeile.Roh(std::to_string(version.Version));
  zeile.Roh("21");
  zeile.Text("Buchungsstapel");
  zeile.Roh(std::to_string(version.FormatVersion));
  zeile.Roh(FormatDateTime("yyyymmddhhnnsszzz", kopf.Erstellt));
  zeile.Leer();
  zeile.LeerText(3);
  zeile.Roh(std::to_string(kopf.Berater));
  zeile.Roh(std::to_string(kopf.Mandant));
  zeile.Roh(FormatDateTime("yyyymmdd", kopf.BeginnWJ));
  zeile.Roh(std::to_string(kopf.SachKtoLng));
  zeile.Roh(FormatDateTime("yyyymmdd", kopf.DatumVon));
  zeile.Roh(FormatDateTime("yyyymmdd", kopf.DatumBis));
  zeile.LeerText();
  zeile.Text(OhneAnfuehrung(kopf.Benutzer));
  zeile.Roh("1");
  zeile.Roh("0");
  zeile.Roh(kopf.Festschreiben);
  zeile.Text(OhneAnfuehrung(kopf.Waehrung));
  zeile.Leer();
  zeile.LeerText();
  zeile.Leer(2);
  zeile.LeerText();
  zeile.Leer(2);
  zeile.LeerText(2);
}

namespace {

constexpr std::size_t kArtLaenge = 20;
constexpr std::size_t kInhaltLaenge = 210;

void InfoFeld(TDatevZeile& zeile, const std::string& text, std::size_t laenge) {
  if (text.empty()) {
    zeile.LeerText();
  } else if (!BrauchtBereinigung(text)) {
    // Nothing to remove: the cut and trimmed text is a part of it.
    zeile.Text(TrimView(Utf8LeftView(text, laenge)));
  } else {
    zeile.Text(InfoBereinigt(text, laenge));
  }
}

template <typename Items>
void InfoFelder(TDatevZeile& zeile, const Items& items) {
  for (const auto& item : items) {
    InfoFeld(zeile, item.Art, kArtLaenge);
    InfoFeld(zeile, item.Inhalt, kInhaltLaenge);
  }
}

}  // namespace

void BaueBuchungszeile(TDatevZeile& zeile, const TDatevVersion& version,
                       const TFibuExportBuchInfo& buchung,
                       const TFibuExportBuchInfoZusatz& zusatz, long double D,
                       const std::string& festschreiben) {
  const bool eu = buchung.StSchlGgKto == version.EUSteuerschluessel;
  zeile.Neu();
  zeile.Roh(Format("%f", std::fabs(D)));
  zeile.Text(Betrag_2_SollHaben_Char(D));
  zeile.Text(OhneAnfuehrung(buchung.Waehrung));
  zeile.Leer(2);
  zeile.LeerText();
  zeile.Ziffern({{buchung.Konto, 4}});
  zeile.Ziffern({{buchung.GegenKonto, 4}});
  zeile.Text(std::to_string(buchung.StSchlGgKto));
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(buchung.BelegDatum, jahr, monat, tag);
  zeile.Ziffern({{tag, 2}, {monat, 2}});  // ddmm
  zeile.Text(BelegNrBereinigt(buchung.Beleg1, version.Beleg1Laenge));
  zeile.Text(BelegNrBereinigt(buchung.Beleg2, 12));
  zeile.Leer();
  zeile.Text(Utf8Left(OhneAnfuehrung(buchung.Text), 60));  // 14
  zeile.Leer();
  zeile.LeerText();
  zeile.Leer(3);
  zeile.LeerText();                                        // 20
  InfoFelder(zeile, zusatz.Beleg);                         // 21-36
  zeile.Text(OhneAnfuehrung(buchung.KOST1));
  zeile.Text(OhneAnfuehrung(buchung.KOST2));
  zeile.Leer();                                            // 39
  if (eu) {
    zeile.Text(OhneAnfuehrung(buchung.EULand));
    zeile.Roh(Format("%2.2f", buchung.EUSteuer));
  } else {
    zeile.Text(OhneAnfuehrung(buchung.UStID));
    zeile.Leer();
  }
  zeile.LeerText();                                        // 42
  zeile.Leer(5);                                           // 43-47
  InfoFelder(zeile, zusatz.Zusatz);                        // 48-87
  zeile.Leer(3);
  zeile.LeerText();                                        // 91
  zeile.Leer(3);                                           // 92-94
  const std::string& auftrag =
      version.AuftragsNrAusZusatz ? zusatz.AuftragsNr : buchung.ZahlungsRef;
  zeile.Text(Utf8Left(OhneAnfuehrung(auftrag), 30));       // 95
  zeile.LeerText();
  zeile.Leer();
  zeile.LeerText();                                        // 98
  zeile.Leer(2);
  zeile.LeerText(3);                                       // 101-103
  zeile.Leer();
  zeile.LeerText();                                        // 105
  zeile.Leer();
  zeile.LeerText();                                        // 107
  zeile.Leer();
  zeile.LeerText(2);                                       // 109-110
  zeile.Leer();
  zeile.LeerText();                                        // 112
  zeile.Leer();
  zeile.Roh(festschreiben);                                // 114
  if (!version.MitAbrechnungsreferenz) {
    zeile.Leer(2);                                         // 115-116
    return;
  }
  zeile.Leer(3);                                           // 115-117
  zeile.Text("0");                                         // 118
  zeile.Leer();
  zeile.LeerText();                                        // 120
  zeile.Text(Utf8Left(OhneAnfuehrung(buchung.ZahlungsRef), 50));
  zeile.Leer();
  zeile.LeerText();                                        // 123
  zeile.Leer();                                            // 124
}

}  // namespace datev

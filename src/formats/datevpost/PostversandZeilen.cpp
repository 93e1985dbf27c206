#include "formats/datevpost/PostversandZeilen.h"

#include <cmath>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace datevpost {

namespace {

constexpr int kBelegLaenge = 12;
constexpr int kTextLaenge = 30;
constexpr int kLeereFelderAmEnde = 4;

// A document field: no blanks, "_" as "-", at most twelve characters.
std::string BelegFeld(std::string_view beleg) {
  std::string ohne;
  for (const char c : FeldText(beleg)) {
    if (c == ' ') continue;
    ohne += c == '_' ? '-' : c;
  }
  return Utf8Left(ohne, kBelegLaenge);
}

void ZahlWennPositiv(TTrennZeile& zeile, long long wert) {
  if (wert > 0) {
    zeile.Roh(std::to_string(wert));
  } else {
    zeile.Leer();
  }
}

void KontoWennPositiv(TTrennZeile& zeile, int konto) {
  if (konto > 0) {
    zeile.Roh(Format("%.4d", konto));
  } else {
    zeile.Leer();
  }
}

// Every field ends with ";", the last one too.
void Abschliessen(TTrennZeile& zeile) { zeile.Leer(); }

}  // namespace

std::string FeldText(std::string_view text) {
  std::string sauber = OhneSteuerzeichen(text);
  for (char& c : sauber) {
    if (c == ';') c = ' ';
  }
  return sauber;
}

std::string AbrechnungsKennung(int abrNr, int abrJahr) {
  if (abrNr <= 0) return {};
  const int rest = abrNr % 69;
  return std::to_string(rest == 0 ? 69 : rest) + Utf8Mid(std::to_string(abrJahr), 2, 2);
}

void BaueKopfzeile(TTrennZeile& zeile, const TVorlauf& vorlauf, const TFibuExportFileInfo& datei) {
  zeile.Neu();
  zeile.Roh(Trim(vorlauf.Benutzer).empty() ? std::string() : Utf8Left(FeldText(vorlauf.Benutzer), 2));
  ZahlWennPositiv(zeile, vorlauf.Berater);
  ZahlWennPositiv(zeile, vorlauf.Mandant);
  zeile.Roh(AbrechnungsKennung(datei.AbrNr, datei.AbrJahr));
  zeile.Roh(FormatDateTime("ddmmyy", datei.DatumVon));
  zeile.Roh(FormatDateTime("ddmmyy", datei.DatumBis));
  zeile.Roh("1");
  Abschliessen(zeile);
}

void BaueBuchungszeile(TTrennZeile& zeile, const TFibuExportBuchInfo& buchung) {
  zeile.Neu();
  // Cents of the rounded difference: binary noise must not turn 12.345 into 1234.
  const long long cent =
      std::llround(qtx_Round(buchung.BetragSoll - buchung.BetragHaben, 2) * 100.0L);
  if (cent != 0) {
    zeile.Roh(std::to_string(cent));
  } else {
    zeile.Leer();
  }
  ZahlWennPositiv(zeile, buchung.StSchlGgKto);
  KontoWennPositiv(zeile, buchung.GegenKonto);
  zeile.Roh(BelegFeld(buchung.Beleg1));
  zeile.Roh(BelegFeld(buchung.Beleg2));
  zeile.Roh(buchung.BelegDatum != 0 ? FormatDateTime("ddmm", buchung.BelegDatum) : std::string());
  KontoWennPositiv(zeile, buchung.Konto);
  zeile.Roh(FeldText(buchung.KOST1));
  zeile.Roh(FeldText(buchung.KOST2));
  zeile.Leer(2);
  zeile.Roh(Utf8Left(FeldText(buchung.Text), kTextLaenge));
  zeile.Roh(Trim(FeldText(buchung.UStID)));
  zeile.Leer(kLeereFelderAmEnde);
  Abschliessen(zeile);
}

}  // namespace datevpost

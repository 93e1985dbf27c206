#include "formats/his/HisZeile.h"

#include <cfenv>
#include <cmath>

#include "export/TrennZeile.h"
#include "suite/DateTime.h"
#include "suite/Format.h"

namespace his {

TKontenFolge KontenFolge(const TSonderregeln& regeln, int konto, int gegenkonto,
                         long double betrag) {
  if (regeln.Gutscheine && regeln.GutscheinKonten.Enthaelt(gegenkonto)) {
    // A redeemed voucher books the other way round; every voucher changes its sign.
    if (betrag >= 0) return {konto, gegenkonto, -betrag};
    return {gegenkonto, konto, -betrag};
  }
  if (regeln.Kassendifferenz && regeln.KassendifferenzKonten.Enthaelt(gegenkonto)) {
    const long double negiert = -betrag;
    if (negiert < 0 && regeln.KassendifferenzDrehen) {
      return {gegenkonto, konto, std::fabs(negiert)};
    }
    return {konto, gegenkonto, negiert};
  }
  if (betrag < 0 && regeln.KontenDrehen && !regeln.NichtDrehen.Enthaelt(gegenkonto)) {
    return {gegenkonto, konto, std::fabs(betrag)};
  }
  return {konto, gegenkonto, betrag};
}

std::string SteuerText(long double prozent) {
  if (!(prozent > 1)) return {};
  // llrint rounds in the current mode; to the nearest, an exact half goes to the even one.
  const int previous = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long long gerundet = std::llrint(prozent);
  std::fesetround(previous);
  return Format(" / %d%%", gerundet);
}

THisZeile::THisZeile(int sachKtoLng, TDateTime heute)
    : FFormatString("%." + std::to_string(sachKtoLng) + "d"), FHeute(DateToStr(heute)) {
  FZeile.reserve(512);
}

void THisZeile::Feld(std::string_view wert) {
  FZeile += wert;
  FZeile += ';';
}

void THisZeile::Text(std::string_view wert) { Feld(FeldBereinigt(wert, ';', ',')); }

const std::string& THisZeile::Bauen(const TFibuExportBuchInfo& b, const TSonderregeln& regeln) {
  const TKontenFolge folge = KontenFolge(regeln, b.Konto, b.GegenKonto, b.BetragSoll - b.BetragHaben);
  FZeile.clear();
  Feld("BUCH");
  Text(b.Beleg1);
  Feld(DateToStr(b.BelegDatum));
  Text(b.Text);
  Feld(Format(FFormatString, folge.Erstes));
  Feld(Format(FFormatString, folge.Zweites));
  Feld(FHeute);
  Feld(Format("%f", folge.Betrag));
  Feld(Format("%f", 0.0));
  Text(b.Beleg2 + SteuerText(b.SteuerProzent));
  Text(b.KOST1);
  Text(b.Waehrung);
  Feld("");
  Feld("");
  Feld(b.Menge != 0 ? std::to_string(b.Menge) : std::string());
  Feld(Format("%.3d", b.Filiale));
  return FZeile;
}

}  // namespace his

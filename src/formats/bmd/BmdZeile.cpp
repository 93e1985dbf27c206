#include "formats/bmd/BmdZeile.h"

#include <cmath>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace bmd {

namespace {

// A field never tears the line apart: no ";" and no line break inside it.
std::string Feldtext(std::string_view text) {
  std::string ergebnis = OhneSteuerzeichen(text);
  for (char& c : ergebnis) {
    if (c == ';') c = ' ';
  }
  return ergebnis;
}

bool Enthaelt(const std::string& text, std::string_view teil) {
  return text.find(teil) != std::string::npos;
}

}  // namespace

std::string BmdBetrag(long double wert) {
  const long double gerundet = qtx_Round(wert, 2);
  std::string ziffern = FloatToStrF(std::fabs(gerundet), 2);
  if (ziffern.size() < 15) ziffern.insert(0, 15 - ziffern.size(), '0');
  return (gerundet < 0 ? "-" : " ") + ziffern;
}

std::string BmdBelegnr(const TFibuExportBuchInfo& buchung) {
  return Utf8Left(BmdBelegnrUngekuerzt(buchung), CBelegnrLaenge);
}

std::string BmdBelegnrUngekuerzt(const TFibuExportBuchInfo& buchung) {
  std::string belegnr;
  if (!buchung.Belegnr.empty()) {
    belegnr = Feldtext(buchung.Belegnr);
  } else {
    belegnr = Feldtext(buchung.Beleg1);
    if (buchung.Herkunft == "KASBER") belegnr.insert(0, "KA ");
    if (!buchung.Beleg2.empty()) belegnr += "/" + Feldtext(buchung.Beleg2);
  }
  return belegnr;
}

void BaueBuchungszeile(TTrennZeile& zeile, const TFibuExportBuchInfo& buchung, TDateTime buchdatum) {
  const long double diff = buchung.BetragSoll - buchung.BetragHaben;
  const bool order = buchung.Herkunft == "ORDER";
  const bool mwst = Enthaelt(buchung.StSchlGgKtoSt, "Mwst");
  const bool vst = Enthaelt(buchung.StSchlGgKtoSt, "Vst");

  zeile.Neu();
  zeile.Roh("0");
  zeile.Roh(std::to_string(buchung.Konto));
  zeile.Roh(std::to_string(buchung.GegenKonto));
  zeile.Roh(BmdBelegnr(buchung));
  zeile.Roh(DateToStr(buchdatum));
  zeile.Roh(DateToStr(buchung.BelegDatum));
  if (qtx_strmatch(buchung.Herkunft, "KASBER")) {
    zeile.Roh("KA");
  } else if (qtx_strmatch(buchung.Herkunft, "ORDER")) {
    zeile.Roh(Enthaelt(buchung.Belegnr, "ARE") ? "AR" : "GU");
  } else {
    zeile.Leer();
  }
  zeile.Roh(order || diff > 0.005L ? "1" : "2");
  if (mwst || vst) {
    zeile.Roh(FloatToStr(buchung.SteuerProzent));
  } else {
    zeile.Leer();
  }
  if (mwst) {
    zeile.Roh("1");
  } else if (vst) {
    zeile.Roh("2");
  } else {
    zeile.Leer();
  }
  zeile.Roh(BmdBetrag(diff));
  const long double prozent = buchung.SteuerProzent;
  const long double steuer =
      prozent + 100 == 0 ? 0 : -qtx_Round(diff * prozent / (prozent + 100), 2);
  zeile.Roh(BmdBetrag(steuer));
  zeile.Roh(Utf8Left(Feldtext(buchung.Text), CTextLaenge));
  zeile.Roh(Feldtext(buchung.KOST1));
}

}  // namespace bmd

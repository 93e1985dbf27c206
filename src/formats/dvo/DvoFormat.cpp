#include "formats/dvo/DvoFormat.h"

#include <stdexcept>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace dvo {

namespace {

constexpr long long kAchtStellen = 100000000;

// The last eight digits of the digits of a field of any length; other characters are
// passed over, a field without digits counts as 0.
long long AchtStellen(std::string_view feld) {
  long long wert = 0;
  for (const char c : feld) {
    if (c >= '0' && c <= '9') wert = (wert * 10 + (c - '0')) % kAchtStellen;
  }
  return wert;
}

std::string_view Ziffern(std::string_view feld, std::string& puffer) {
  puffer.clear();
  for (const char c : feld) {
    if (c >= '0' && c <= '9') puffer += c;
  }
  std::string_view text = puffer;
  while (!text.empty() && text.front() == '0') text.remove_prefix(1);
  return text;
}

}  // namespace

const std::vector<std::string>& Platzhalter() {
  static const std::vector<std::string> namen{
      "KLIENT",  "GESCHAEFTSJAHR", "BEGINNGJ",     "SACHKONTOLNG", "PERSKONTOLNG", "WAEHRUNG",
      "FIBBUCHUNG", "BELEGKREIS",  "ART",          "EINGABEDATUM", "PERIODE",      "BUCHUNGEN",
      "SUMME",   "KONTO",          "GEGENKONTO",   "DATUM",        "BELEG",        "RECHNUNG",
      "BETRAG",  "STEUERCODE",     "LAND",         "STEUERBETRAG", "USTID",        "KOSTENSTELLE",
      "FREMDWAEHRUNG", "FREMDBETRAG", "TEXT"};
  return namen;
}

std::string_view MitgelieferteVorlage(std::string_view name) {
  if (name == CVorlage) {
    return "1,#KLIENT,\"#GESCHAEFTSJAHR\",#BEGINNGJ,#SACHKONTOLNG,#PERSKONTOLNG,\"#WAEHRUNG\"\r\n"
           "#FIBBUCHUNG\r\n";
  }
  if (name == CFibBuchung) {
    return "100,\"#BELEGKREIS\",#ART,\"#EINGABEDATUM\",#PERIODE,0\r\n"
           "#BUCHUNGEN111,#SUMME\r\n";
  }
  if (name == CBuchung) {
    return "110,#KONTO,#GEGENKONTO,#DATUM,\"#BELEG\",\"#RECHNUNG\",#BETRAG,\"#STEUERCODE\","
           "\"#LAND\",#STEUERBETRAG,\"#USTID\",#KOSTENSTELLE,\"#FREMDWAEHRUNG\",#FREMDBETRAG,"
           "\"#TEXT\"\r\n";
  }
  return {};
}

std::string FormatiereBetrag(long double betrag) {
  long double gerundet = qtx_Round(betrag, 2);
  if (gerundet == 0) gerundet = 0;  // no "-0.00"
  std::string text = FloatToStrF(gerundet, 2);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

std::string FormatiereDatum(TDateTime datum) { return FormatDateTime("ddmmyyyy", datum); }

std::string FormatiereSachkonto(int konto) {
  std::string text = std::to_string(konto);
  if (text.size() < 6) text.append(6 - text.size(), '0');
  return text;
}

long long Belegnummer(const std::string& beleg1, const std::string& beleg2) {
  return ((AchtStellen(beleg1) % 100) * 1000000 + AchtStellen(beleg2)) % kAchtStellen;
}

bool NurZiffern(const std::string& feld) {
  return feld.find_first_not_of("0123456789") == std::string::npos;
}

bool BelegnummerGekuerzt(const std::string& beleg1, const std::string& beleg2) {
  std::string puffer1, puffer2;
  const std::string_view teil1 = Ziffern(beleg1, puffer1), teil2 = Ziffern(beleg2, puffer2);
  if (teil1.size() > 2 || teil2.size() > 8) return true;
  return StrToInt64Def(teil1, 0) * 1000000 + StrToInt64Def(teil2, 0) >= kAchtStellen;
}

std::string Anfuehrungstext(const std::string& text) {
  std::string ergebnis;
  for (const char c : OhneSteuerzeichen(text)) {
    if (c == '"') ergebnis += '"';
    ergebnis += c;
  }
  return ergebnis;
}

std::string Freitext(const std::string& text) {
  std::string ergebnis = OhneSteuerzeichen(text);
  for (char& c : ergebnis) {
    if (c == ',' || c == '"') c = ' ';
  }
  return ergebnis;
}

TDateTime BeginnGeschaeftsjahr(TDateTime datum, int beginnWJ) {
  if (beginnWJ < 1 || beginnWJ > 12) {
    throw std::invalid_argument(Format("Der Beginn des Geschäftsjahres (Monat %d) ist ungültig.", beginnWJ));
  }
  const int jahr = YearOf(datum);
  const TDateTime beginn = EncodeDate(jahr, beginnWJ, 1);
  return beginn > datum ? EncodeDate(jahr - 1, beginnWJ, 1) : beginn;
}

}  // namespace dvo

#include "formats/rza/RzaBeleg.h"

#include <cmath>

#include "export/TrennZeile.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace rza {

const std::string_view CKopfzeile =
    "RZAZeilenart\tBelNr\tDatum\tBuchungstext\tKonto\tSoll\tHaben\tSteuer\tSteuersatz\tCode\t"
    "ReNr\tBezahlt\tSkonto\tAdrNr";

namespace {

// The document line and, repeated per booking, the booking lines.
constexpr std::string_view kBelegVorlage =
    "1\t{{BELEGNUMMER}}\t{{DATUM}}\t{{TEXT}}\t{{KONTO}}\t{{GESSOLL}}\t{{GESHABEN}}\t"
    "{{STEUERBETRAG}}\t{{STEUERSATZ}}\t{{CODE}}\t{{RENR}}\t{{BEZAHLT}}\t{{SKONTO}}\t{{ADRNR}}\r\n"
    "{{#BUCHUNGEN}}2\t\t\t\t{{KONTO}}\t{{SOLL}}\t{{HABEN}}\t{{STEUERBETRAG}}\t{{STEUERSATZ}}"
    "\t\t\t\t\t\r\n{{/BUCHUNGEN}}";

constexpr long double kCent = 0.005L;

// A TAB would shift every later field, a line break split the line.
std::string Feldtext(std::string_view text) { return FeldBereinigt(text, '\t', ' '); }

}  // namespace

std::string FormatiereBetrag(long double betrag) {
  // Rounded first, so that the cents are whole and 1.15 stays 115.
  const long long cent = std::llround(qtx_Round(betrag, 2) * 100);
  return cent == 0 ? std::string() : std::to_string(cent);
}

std::string FormatiereDatum(TDateTime datum) {
  return Format("%.2d%.2d", DayOf(datum), MonthOf(datum));
}

std::string FormatiereSachkonto(int konto) {
  if (konto <= 0) return {};
  std::string text = std::to_string(konto);
  if (text.size() < 4) text.append(4 - text.size(), '0');
  return text;
}

bool TRzaBeleg::Passt(const TFibuExportBuchInfo& b) const {
  return offen_ && std::floor(b.BelegDatum) == std::floor(datum_) && qtx_strmatch(b.Text, text_) &&
         b.Konto == konto_ && b.GegenKonto == gegenkonto_;
}

void TRzaBeleg::Beginnen(int belegNummer, const TFibuExportBuchInfo& b) {
  offen_ = true;
  datum_ = b.BelegDatum;
  text_ = b.Text;
  konto_ = b.Konto;
  gegenkonto_ = b.GegenKonto;
  summeSoll_ = 0;
  summeHaben_ = 0;
  daten_ = {};
  daten_.Werte = {{"BELEGNUMMER", std::to_string(belegNummer)},
                  {"DATUM", FormatiereDatum(b.BelegDatum)},
                  {"TEXT", Feldtext(b.Text)},
                  {"KONTO", FormatiereSachkonto(b.Konto)},
                  {"STEUERBETRAG", ""},
                  {"STEUERSATZ", ""},
                  {"CODE", ""},
                  {"RENR", ""},
                  {"BEZAHLT", ""},
                  {"SKONTO", ""},
                  {"ADRNR", ""}};
}

void TRzaBeleg::Hinzufuegen(const TFibuExportBuchInfo& b) {
  const long double soll = b.BetragSoll;
  const long double haben = b.BetragHaben;
  const long double p = b.SteuerProzent;
  summeSoll_ += soll;
  summeHaben_ += haben;
  const long double nettoHaben = qtx_Round(haben / (p / 100 + 1), 2);
  const long double nettoSoll = qtx_Round(soll / (p / 100 + 1), 2);
  const long double steuer = std::fabs(soll - nettoSoll - haben + nettoHaben);
  // The counter-account carries the net amount on the side opposite to the account.
  const bool sollSeite = nettoHaben - nettoSoll > kCent;
  TVorlagenDaten zeile;
  zeile.Werte = {{"KONTO", FormatiereSachkonto(b.GegenKonto)},
                 {"SOLL", sollSeite ? FormatiereBetrag(nettoHaben - nettoSoll) : std::string()},
                 {"HABEN", sollSeite ? std::string() : FormatiereBetrag(nettoSoll - nettoHaben)},
                 {"STEUERBETRAG", FormatiereBetrag(steuer)},
                 {"STEUERSATZ", FormatiereBetrag(p)}};
  daten_.Listen["BUCHUNGEN"].push_back(std::move(zeile));
}

std::string TRzaBeleg::Schliessen() {
  if (!offen_) return {};
  offen_ = false;
  const long double saldo = summeSoll_ - summeHaben_;
  daten_.Werte["GESSOLL"] = saldo > kCent ? FormatiereBetrag(saldo) : std::string();
  daten_.Werte["GESHABEN"] = saldo > kCent ? std::string() : FormatiereBetrag(-saldo);
  return VorlageFuellen(kBelegVorlage, daten_);
}

}  // namespace rza

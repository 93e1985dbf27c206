// The DVO record file's templates, placeholders and value formats.
#pragma once

#include <string>
#include <vector>

#include "export/ExportRecords.h"
#include "suite/Types.h"

namespace dvo {

// The placeholders of the three templates, in the order of their values.
enum TPlatzhalter : std::size_t {
  phKlient, phGeschaeftsjahr, phBeginnGJ, phSachkontoLng, phPerskontoLng, phWaehrung,
  phFibBuchung, phBelegkreis, phArt, phEingabedatum, phPeriode, phBuchungen, phSumme,
  phKonto, phGegenkonto, phDatum, phBeleg, phRechnung, phBetrag, phSteuercode, phLand,
  phSteuerbetrag, phUStID, phKostenstelle, phFremdwaehrung, phFremdbetrag, phText,
  phAnzahl
};
const std::vector<std::string>& Platzhalter();

inline constexpr const char* CVorlage = "ExportDVOVorlage";
inline constexpr const char* CFibBuchung = "ExportDVOFibBuchung";
inline constexpr const char* CBuchung = "ExportDVOBuchung";
// The program's own text of a template name above.
std::string_view MitgelieferteVorlage(std::string_view name);

// "%f" with a point: 1234.5 gives 1234.50.
std::string FormatiereBetrag(long double betrag);
// DDMMYYYY.
std::string FormatiereDatum(TDateTime datum);
// The account in decimal, filled with "0" on the right to six characters.
std::string FormatiereSachkonto(int konto);
// Beleg1 × 1000000 + Beleg2, kept to its last eight digits, computed without overflow
// for fields of any length. Each field counts with its digits only ("RE-123" as 123, an
// empty one as 0): DVO's document number is a number, and no booking is dropped for it.
long long Belegnummer(const std::string& beleg1, const std::string& beleg2);
// True when the field holds something besides digits (the number takes its digits only).
bool NurZiffern(const std::string& feld);
// True when that number had more than eight digits before it was kept to them.
bool BelegnummerGekuerzt(const std::string& beleg1, const std::string& beleg2);
// A text between the record's quotes: a quote inside written twice, no line break.
std::string Anfuehrungstext(const std::string& text);
// A field without quotes: no comma, quote or line break inside.
std::string Freitext(const std::string& text);
// The first day of the fiscal year that contains datum, for a year starting in month
// beginnWJ (1-12); std::invalid_argument for another month.
TDateTime BeginnGeschaeftsjahr(TDateTime datum, int beginnWJ);

}  // namespace dvo

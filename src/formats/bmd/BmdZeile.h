// The lines of the BMD booking file: the fixed header and one line per booking, fields
// separated by ";" without quoting (a ";" inside a text becomes a blank).
#pragma once

#include <string>

#include "export/ExportRecords.h"
#include "export/TrennZeile.h"
#include "suite/Types.h"

namespace bmd {

inline constexpr const char* CKopfzeile =
    "satzart;konto;gkonto;belegnr;buchdatum;belegdatum;buchsymbol;buchode;prozent;steuercode;"
    "betrag;steuer;text;kost";
inline constexpr std::size_t CBelegnrLaenge = 20;
inline constexpr std::size_t CTextLaenge = 255;

// An amount as BMD reads it: sign (blank or "-") and 15 characters "%15.2f" with zeros
// for the blanks, 16 in all.
std::string BmdBetrag(long double wert);
// The document number: Belegnr, else Beleg1 ("KA " before it for cash reports) and
// "/" Beleg2; the file takes its first 20 characters.
std::string BmdBelegnrUngekuerzt(const TFibuExportBuchInfo& buchung);
std::string BmdBelegnr(const TFibuExportBuchInfo& buchung);
// Builds the line of one booking; buchdatum is the date of the export run.
void BaueBuchungszeile(TTrennZeile& zeile, const TFibuExportBuchInfo& buchung, TDateTime buchdatum);

}  // namespace bmd

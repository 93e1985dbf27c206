// The lines of DATEV's postal-dispatch input file: one header line per file and one line
// per booking, fields separated by ";" with a ";" after the last one too.
#pragma once

#include <string>

#include "export/ExportRecords.h"
#include "export/TrennZeile.h"

namespace datevpost {

// What the header takes from the client's DATEV settings.
struct TVorlauf {
  int Berater = 0;
  int Mandant = 0;
  std::string Benutzer;
};

// A text for one field: a ";" or a line break inside would tear the line apart.
std::string FeldText(std::string_view text);

// Field 4 of the header: the settlement counted in DATEV's 69 numbers and the year's
// last two digits; empty without a settlement number.
std::string AbrechnungsKennung(int abrNr, int abrJahr);

void BaueKopfzeile(TTrennZeile& zeile, const TVorlauf& vorlauf, const TFibuExportFileInfo& datei);
void BaueBuchungszeile(TTrennZeile& zeile, const TFibuExportBuchInfo& buchung);

}  // namespace datevpost

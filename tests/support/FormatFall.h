// One case of the data-driven format tests: a folder tests/data/<format>/<case>/ with
// the client list, the profile, the bookings and the expected files of one export.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "export/ExportRecords.h"

struct TFallBuchung {
  TFibuExportBuchInfo buch;
  TFibuExportBuchInfoZusatz zusatz;
};

struct TFormatFall {
  std::filesystem::path ordner;
  std::string name;  // "<format>/<case>"
  std::map<std::string, std::string> werte;  // fall.ini
  std::vector<std::string> profil;           // profil.txt, ${EXPORT} not yet replaced
  std::vector<TFallBuchung> buchungen;

  std::string Wert(const std::string& key, const std::string& vorgabe = {}) const;
};

// Every case below the data folder, in the order of their names.
std::vector<std::filesystem::path> FormatFallOrdner(const std::filesystem::path& daten);

// Reads one case; std::runtime_error naming file and line for anything malformed.
TFormatFall FormatFallLesen(const std::filesystem::path& ordner);

// dd.mm.yyyy, optionally followed by hh:mm:ss and .zzz; std::runtime_error otherwise.
TDateTime FallDatum(const std::string& text);

// Splits one line of ";"-separated fields; a quoted field may hold ";" and "" for a quote.
std::vector<std::string> FallFelder(const std::string& zeile);

// Sets the named field of a booking from its text in the case ("BetragSoll", "BelegDatum",
// "ZusatzItem3.Inhalt", ...); false for a name no booking field has.
bool FallBuchungsfeldSetzen(TFallBuchung& buchung, const std::string& feld,
                            const std::string& text);

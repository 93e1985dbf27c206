// The three templates of the SBS metafile as the program ships them, and their
// placeholders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sbs {

enum TPlatzhalter : std::size_t {
  phHerkunft, phVersion, phWorkstation, phKommentar, phErstellung, phMandant, phFibBuchung,
  phMonat, phBuchdatum, phBuchungen, phHaben, phBetrag, phBelegdatum, phKontoHaben,
  phKontoSoll, phBeleg1, phBeleg2, phSonstige, phAnzahl
};
const std::vector<std::string>& Platzhalter();

inline constexpr const char* CVorlage = "ExportSBSVorlage";
inline constexpr const char* CFibBuchung = "ExportSBSFibBuchung";
inline constexpr const char* CBuchung = "ExportSBSBuchung";
// The program's own text of a template name above.
std::string_view MitgelieferteVorlage(std::string_view name);

}  // namespace sbs

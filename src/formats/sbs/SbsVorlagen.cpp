#include "formats/sbs/SbsVorlagen.h"

namespace sbs {

const std::vector<std::string>& Platzhalter() {
  static const std::vector<std::string> namen{
      "HERKUNFT", "VERSION", "WORKSTATION", "KOMMENTAR", "ERSTELLUNG", "MANDANT",
      "FIBBUCHUNG", "MONAT", "BUCHDATUM", "BUCHUNGEN", "HABEN", "BETRAG", "BELEGDATUM",
      "KONTOHABEN", "KONTOSOLL", "BELEG1", "BELEG2", "SONSTIGE"};
  return namen;
}

std::string_view MitgelieferteVorlage(std::string_view name) {
  if (name == CVorlage) {
    return "ExportedSystem=\"#HERKUNFT\"\r\n"
           "LangVer=\"#VERSION\"\r\n"
           "WorkstationID=\"#WORKSTATION\"\r\n"
           "Comment=\"#KOMMENTAR\"\r\n"
           "<Block, #ERSTELLUNG>\r\n"
           "  [Mandant]\r\n"
           "    plManNr=#MANDANT\r\n"
           "    pbyDefaultWaehrung=1\r\n"
           "#FIBBUCHUNG\r\n"
           "  [END]\r\n"
           "<END>\r\n"
           "END_OF_FILE";
  }
  if (name == CFibBuchung) {
    return "    [FibBuchung]  \r\n"
           "      pbyMonat=#MONAT\r\n"
           "      pdtBuchzeitraum=#BUCHDATUM\r\n"
           "      plStrukturform=0\r\n"
           "#BUCHUNGEN\r\n"
           "    [END]\r\n";
  }
  if (name == CBuchung) {
    return "      [Buchungssatz]\r\n"
           "        [Grundangaben]\r\n"
           "          pbyTyp=1\r\n"
           "          pbyOpos=0\r\n"
           "          pbyHerkunft=3\r\n"
           "          pbyTransfer=1\r\n"
           "          pbyErfassung=1\r\n"
           "          pbHaben=#HABEN\r\n"
           "          pcBetrag=#BETRAG\r\n"
           "          pdtDatum_Beleg=#BELEGDATUM\r\n"
           "          plSkNr_Haben=#KONTOHABEN\r\n"
           "          plSkNr_Soll=#KONTOSOLL\r\n"
           "          psBeleg1=#BELEG1\r\n"
           "          plBeleg2=#BELEG2\r\n"
           "          #SONSTIGE\r\n"
           "        [END]\r\n"
           "      [END]\r\n";
  }
  return {};
}

}  // namespace sbs

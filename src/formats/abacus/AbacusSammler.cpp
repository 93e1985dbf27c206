#include "formats/abacus/AbacusSammler.h"

#include <stdexcept>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace abacus {
namespace {

std::string IdentText(const TIntTrio& ident) {
  return Format("%d/%d/%d", ident.RNr, ident.LNr, static_cast<int>(ident.SNr));
}

}  // namespace

std::string TSammelListe::Text(const TFibuExportBuchInfo& buchung, std::string& belegart) const {
  if (FMitKassenbericht && buchung.Herkunft == "KASBER" && buchung.Vorfall != "KAUFRECHNUNG" &&
      buchung.Vorfall != "KAUFKREDIT") {
    belegart = "KB";
    const std::string nummer = FKBNummer ? FKBNummer(buchung.Ident) : std::string();
    return Format("Kassenbericht %s vom %s", nummer, DateToStr(buchung.BelegDatum));
  }
  if (!Trim(buchung.Belegnr).empty()) return Format("Sammler %s", buchung.Belegnr);
  return Format("Sammler %s %s", buchung.Belegart, IdentText(buchung.Ident));
}

void TSammelListe::Merken(const TFibuExportBuchInfo& buchung) {
  const auto schluessel = std::make_pair(buchung.Ident, buchung.Konto);
  auto it = FSammler.find(schluessel);
  if (it == FSammler.end()) {
    TKWX_SammelInfo neu;
    neu.ProtId = buchung.Ident;
    neu.Konto = buchung.Konto;
    neu.Belegart = buchung.Belegart;
    neu.Text = Text(buchung, neu.Belegart);
    it = FSammler.emplace(schluessel, std::move(neu)).first;
  }
  TKWX_SammelInfo& sammler = it->second;
  if (sammler.Anzahl >= kMaxAnzahl) {
    throw std::runtime_error(Format(
        "Die Sammelbuchung \"%s\" (Konto %d) kann höchstens %d Buchungen aufnehmen.",
        sammler.Text, sammler.Konto, kMaxAnzahl));
  }
  sammler.Anzahl += 1;
  sammler.Soll += buchung.BetragSoll;
  sammler.Haben += buchung.BetragHaben;
  FBuchInfoDict.emplace(
      TKWX_SammlerID{buchung.Ident, buchung.Konto, static_cast<std::int16_t>(sammler.Anzahl)},
      buchung);
}

void TSammelListe::FuerAlle(
    const std::function<void(const TKWX_SammelInfo&, const std::vector<const TFibuExportBuchInfo*>&)>&
        tun) const {
  std::vector<const TFibuExportBuchInfo*> buchungen;
  for (const auto& [schluessel, sammler] : FSammler) {
    buchungen.clear();
    for (int lfd = 1; lfd <= sammler.Anzahl; ++lfd) {
      const auto it = FBuchInfoDict.find(
          TKWX_SammlerID{sammler.ProtId, sammler.Konto, static_cast<std::int16_t>(lfd)});
      if (it != FBuchInfoDict.end()) buchungen.push_back(&it->second);
    }
    tun(sammler, buchungen);
  }
}

}  // namespace abacus

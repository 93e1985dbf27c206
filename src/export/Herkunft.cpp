#include "export/Herkunft.h"

#include <algorithm>

#include "suite/Text.h"

const std::vector<THerkunft>& Herkuenfte() {
  static const std::vector<THerkunft> herkuenfte = {
      {"ALLE", "Alle", {}},
      {"KASBER", "Kassenbericht",
       {"KASSENBERICHT", "KASSENDIFF", "GUTSAUSGA", "GUTSRUECK", "ENTNBESTKTO", "AUFWBUCH",
        "KAUFRECHNUNG", "KAUFKREDIT"}},
      {"ORDER", "Ordercockpit", {"ARE", "ERT", "AGU", "ASG", "ELA", "GEWINNANTEIL"}},
      {"REKO", "Rechnungskontrolle", {"EINGRE", "EGU", "ABA", "ZRABRECH"}},
      {"BANK", "Bankvewegungen", {"ZAHLUNG", "AWPAUSGL", "KASSE", "AUSGLOZ_FBDE"}},
      {"GEHALT", "Gehaltsbuchungen", {"GEHALTH", "GEHALTS"}},
      {"DARLEHEN", "Darlehen", {"DARLAUS", "DARLRUECKRATE", "DARLRUECKVAR"}},
      {"STEUER", "Steuerbescheide", {"STEUERBE", "STEUERBEERST"}},
      {"GEWINN", "Gewinnausschüttung", {"GEWINNAUS"}},
      {"SPENDEN", "Spenden", {"SPENDENZUSAGE", "AUSGSPENDZUSA", "AUSGSPZUSA_R"}},
      {"BILANZ", "Bilanzbuchungen",
       {"BILEROEFF_AKT", "BILEROEFF_PASS", "BOGV", "AUSGSONSTVERB"}},
      {"WERTP", "Wertpapiere", {"WPKAUF", "WPVERKAUF", "WPDIVIDENDE", "WPBERICHT"}},
      {"GBG", "Gebrauchsgüter", {"VERSCHROTTUNG", "GGVERKAUF"}},
      {"PRIMAN", "Primanota", {"PRIMANOTA"}},
  };
  return herkuenfte;
}

const std::vector<std::string_view>& Geschaeftsvorfaelle() {
  static const std::vector<std::string_view> vorfaelle = [] {
    std::vector<std::string_view> list{""};
    for (const auto& herkunft : Herkuenfte()) {
      list.insert(list.end(), herkunft.Vorfaelle.begin(), herkunft.Vorfaelle.end());
    }
    return list;
  }();
  return vorfaelle;
}

const THerkunft* FindHerkunft(std::string_view code) {
  const auto& herkuenfte = Herkuenfte();
  const auto found = std::find_if(herkuenfte.begin(), herkuenfte.end(),
                                  [&](const THerkunft& h) { return qtx_strmatch(h.Code, code); });
  return found == herkuenfte.end() ? nullptr : &*found;
}

std::string HerkunftZuVorfall(std::string_view vorfall) {
  const auto& vorfaelle = Geschaeftsvorfaelle();
  const auto listed = std::find_if(vorfaelle.begin(), vorfaelle.end(),
                                   [&](std::string_view v) { return qtx_strmatch(v, vorfall); });
  if (listed == vorfaelle.end() || listed->empty()) return {};
  for (const auto& herkunft : Herkuenfte()) {
    const auto& events = herkunft.Vorfaelle;
    if (std::find(events.begin(), events.end(), *listed) != events.end()) {
      return std::string(herkunft.Code);
    }
  }
  return {};
}

// Settlements of one client kept in memory, under the rules the suite applies: the business
// year of the real rule (the calendar year unless a start month is set), the next number
// after the highest of its year, a number free while no settlement of its year holds it,
// and as the last settlement the one with the highest year and number.
#pragma once

#include <algorithm>
#include <vector>

#include "data/AbrechnungsDienst.h"

class TFakeAbrechnungen final : public IAbrechnungsDienst {
 public:
  struct TGehalten {
    int Jahr = 0;
    int Nr = 0;
    TDateTime Bis = 0;
  };

  TWirtschaftsjahrRegel Regel;
  std::vector<TGehalten> Gehalten;

  TFakeAbrechnungen& Halten(int jahr, int nr, TDateTime bis = 0) {
    Gehalten.push_back({jahr, nr, bis});
    return *this;
  }

  int GetAbrJahr(const TIntPair&, TDateTime datum) override { return datum <= 0 ? 0 : Regel.Jahr(datum); }
  TDateTime GetAnfangAbrJahr(const TIntPair&, int jahr) override { return jahr < 1 ? 0 : Regel.Anfang(jahr); }
  TDateTime GetEndeAbrJahr(const TIntPair&, int jahr) override { return jahr < 1 ? 0 : Regel.Ende(jahr); }
  int GetNextAbrNr(const TIntPair&, int jahr) override {
    int hoechste = 0;
    for (const auto& g : Gehalten) {
      if (g.Jahr == jahr && g.Nr <= TAbrechnungsNummern::MaxAbrNr) hoechste = std::max(hoechste, g.Nr);
    }
    return hoechste + 1;
  }
  bool AbrNrFrei(const TIntPair&, int jahr, int nr) override {
    return std::none_of(Gehalten.begin(), Gehalten.end(),
                        [&](const TGehalten& g) { return g.Jahr == jahr && g.Nr == nr; });
  }
  bool GetLastAbr(const TIntPair&, int& jahr, TDateTime& bis, int& nr) override {
    if (Gehalten.empty()) return false;
    const auto letzte = std::max_element(Gehalten.begin(), Gehalten.end(), [](const auto& a, const auto& b) {
      return a.Jahr != b.Jahr ? a.Jahr < b.Jahr : a.Nr < b.Nr;
    });
    jahr = letzte->Jahr;
    nr = letzte->Nr;
    bis = letzte->Bis;
    return true;
  }
};

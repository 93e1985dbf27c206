#include "data/BelegVorrat.h"

#include <algorithm>
#include <climits>

const TBeleg* TBelegVorrat::Beleg(int rnr, int lnr) {
  TFenster& fenster = fenster_[rnr];
  if (lnr < fenster.Von || lnr > fenster.Bis) NeuLesen(fenster, rnr, lnr);
  const auto it = std::lower_bound(
      fenster.Belege.begin(), fenster.Belege.end(), lnr,
      [](const TBeleg& beleg, int nummer) { return beleg.Kopf.Ident.LNr < nummer; });
  if (it == fenster.Belege.end() || it->Kopf.Ident.LNr != lnr) return nullptr;
  ++fenster.Treffer;
  return &*it;
}

void TBelegVorrat::NeuLesen(TFenster& fenster, int rnr, int lnr) {
  if (fenster.Bis >= fenster.Von) {
    // The last window paid off when at least a quarter of its documents were asked for.
    const bool genutzt = fenster.Treffer * 4 >= fenster.Belege.size();
    fenster.Groesse = genutzt ? std::min(2 * fenster.Groesse, kGroesstesFenster)
                              : std::max(fenster.Groesse / 2, 1);
  }
  fenster.Von = lnr;
  fenster.Bis = lnr > INT_MAX - fenster.Groesse ? INT_MAX : lnr + fenster.Groesse - 1;
  fenster.Treffer = 0;
  fenster.Belege = server_.BereichLesen(rnr, fenster.Von, fenster.Bis);
}

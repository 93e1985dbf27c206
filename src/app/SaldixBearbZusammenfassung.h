// Builds the display tree from the loaded bookings: automatic-account groups, special
// accounts per row, then the grouping that the view and the settings ask for. Every
// top-level row of the result is one line of an export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbKriterien.h"
#include "app/SaldixBearbListe.h"

class TBuchungsZusammenfassung {
 public:
  TBuchungsZusammenfassung(IBearbKonten& konten, const TListenEinstellungen& einstellungen,
                           bool automatikKonten, bool summenAnsicht)
      : konten_(konten),
        einstellungen_(einstellungen),
        automatik_(automatikKonten),
        summen_(summenAnsicht) {}

  void Aufbauen(const std::vector<TGeladeneBuchung>& geladen, TBuchungsListe& liste);

 private:
  // A booking, or an automatic-account group with its members, as one unit of grouping.
  struct TEinheit {
    TZeilenWerte Werte;
    std::vector<std::int32_t> Quellen;         // loaded bookings
    std::vector<TZeilenWerte> MitgliedWerte;   // automatic-account groups only
    bool IstAutomatikGruppe() const { return !MitgliedWerte.empty(); }
  };
  struct TGruppe {
    std::string Schluessel;
    std::vector<std::size_t> Einheiten;
  };

  std::vector<TEinheit> Einheiten(const std::vector<TGeladeneBuchung>& geladen) const;
  void SonderkontenAnwenden(std::vector<TEinheit>& einheiten);
  bool SonderkontoZeile(TZeilenWerte& w);
  std::string ZusammenfassungsSchluessel(const TZeilenWerte& w) const;
  bool ListenEintragJ(const std::vector<std::string>& liste, std::string_view name,
                      std::string_view zusatz) const;

  std::vector<TGruppe> Gruppieren(const std::vector<TEinheit>& einheiten,
                                  const std::vector<int>& spalten, bool leerAllein) const;
  TZeilenWerte GruppenWerte(const TKriterium& kriterium,
                            const std::vector<const TZeilenWerte*>& mitglieder);
  void EinheitEinfuegen(TEinheit& einheit, const std::vector<TGeladeneBuchung>& geladen,
                        TBuchungsListe& liste, std::int32_t eltern) const;
  void GruppenEinfuegen(const TKriterium& kriterium, std::vector<TEinheit>& einheiten,
                        const std::vector<TGruppe>& gruppen,
                        const std::vector<TGeladeneBuchung>& geladen, TBuchungsListe& liste,
                        std::int32_t eltern, bool einzelneOhneGruppe);

  IBearbKonten& konten_;
  const TListenEinstellungen& einstellungen_;
  bool automatik_;
  bool summen_;
};

// The last day of the month of a date (0 stays 0).
TDateTime Monatsende(TDateTime datum);

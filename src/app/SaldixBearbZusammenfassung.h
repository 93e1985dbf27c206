// Builds the display tree from the loaded bookings: automatic-account groups, special
// accounts per row, then the grouping that the view and the settings ask for. Every
// top-level row of the result is one line of an export.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbKriterien.h"
#include "app/SaldixBearbListe.h"
#include "app/SaldixBearbTakt.h"

class TBuchungsZusammenfassung {
 public:
  // periodeEnde: the last day of the list's period (0: none); a group row dated at its
  // month's end is never dated after it.
  TBuchungsZusammenfassung(IBearbKonten& konten, const TListenEinstellungen& einstellungen,
                           bool automatikKonten, bool summenAnsicht, TDateTime periodeEnde = 0)
      : konten_(konten),
        einstellungen_(einstellungen),
        automatik_(automatikKonten),
        summen_(summenAnsicht),
        periodeEnde_(periodeEnde) {}

  // The list's booking rows use the values of the loaded bookings; they must outlive it.
  void Aufbauen(std::vector<TGeladeneBuchung>& geladen, TBuchungsListe& liste);

 private:
  // A booking, or an automatic-account group with its members, as one unit of grouping.
  // A unit refers to its loaded booking and holds values of its own only where they
  // differ (group values, special accounts), so that a year of bookings is not copied.
  struct TEinheit {
    std::int32_t Quelle = -1;                  // the loaded booking; a group's first member
    std::unique_ptr<TZeilenWerte> Eigene;
    std::vector<std::int32_t> Quellen;         // automatic-account groups: all members
    // Members a special account changed, by member; empty while none is.
    std::vector<std::unique_ptr<TZeilenWerte>> MitgliedEigene;
    bool IstAutomatikGruppe() const { return Quellen.size() > 1; }
  };
  struct TGruppe {
    std::string Schluessel;
    std::vector<std::size_t> Einheiten;
  };

  // The values of a unit: its own, else those of its loaded booking.
  const TZeilenWerte& Werte(const TEinheit& einheit) const {
    return einheit.Eigene ? *einheit.Eigene : Geladen(einheit.Quelle).Werte;
  }
  // The same for the i-th member of an automatic-account group.
  const TZeilenWerte& MitgliedWerte(const TEinheit& einheit, std::size_t i) const {
    return i < einheit.MitgliedEigene.size() && einheit.MitgliedEigene[i]
               ? *einheit.MitgliedEigene[i]
               : Geladen(einheit.Quellen[i]).Werte;
  }
  TGeladeneBuchung& Geladen(std::int32_t quelle) const {
    return (*geladen_)[static_cast<std::size_t>(quelle)];
  }

  std::vector<TEinheit> Einheiten() const;
  void SonderkontenAnwenden(std::vector<TEinheit>& einheiten);
  bool SonderkontoZeile(TZeilenWerte& w);
  std::string ZusammenfassungsSchluessel(const TZeilenWerte& w) const;
  bool ListenEintragJ(const std::vector<std::string>& liste, std::string_view name,
                      std::string_view zusatz) const;

  std::vector<TGruppe> Gruppieren(const std::vector<TEinheit>& einheiten,
                                  const std::vector<TSpalte>& spalten, bool leerAllein) const;
  TZeilenWerte GruppenWerte(const TKriterium& kriterium,
                            const std::vector<const TZeilenWerte*>& mitglieder);
  void EinheitEinfuegen(TEinheit& einheit, TBuchungsListe& liste, std::int32_t eltern) const;
  void BuchungEinfuegen(std::int32_t quelle, std::unique_ptr<TZeilenWerte> eigene,
                        TBuchungsListe& liste, std::int32_t eltern) const;
  void GruppenEinfuegen(const TKriterium& kriterium, std::vector<TEinheit>& einheiten,
                        const std::vector<TGruppe>& gruppen, TBuchungsListe& liste,
                        std::int32_t eltern, bool einzelneOhneGruppe);

  std::vector<TGeladeneBuchung>* geladen_ = nullptr;  // during Aufbauen
  IBearbKonten& konten_;
  const TListenEinstellungen& einstellungen_;
  bool automatik_;
  bool summen_;
  TDateTime periodeEnde_;
  mutable TVerarbeitungsTakt takt_;  // a year of bookings must not freeze the window
};

// The last day of the month of a date (0 stays 0).
TDateTime Monatsende(TDateTime datum);

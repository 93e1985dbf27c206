// Shapes one booking read from the booking file into the values of a list row: amounts in
// the program's currency, resolved accounts, names, document data and composed contents.
#pragma once

#include <string>

#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbInhalt.h"
#include "app/SaldixBearbZeile.h"

class TZeilenAufbau {
 public:
  TZeilenAufbau(const TBearbDienste& dienste, const TListenEinstellungen& einstellungen,
                const TListenExporter& exporter, std::int32_t abrNr, std::int32_t abrJahr);

  TZeilenWerte Aufbauen(const TBuchungsRohsatz& satz);

 private:
  void Betraege(const TBuchungsRohsatz& satz, TZeilenEntwurf& w);
  void Konten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w);
  void Belegdaten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w, TInhaltQuelle& quelle);
  void Inhalte(const TBuchungsRohsatz& satz, TZeilenEntwurf& w, TInhaltQuelle& quelle);
  const std::string& PartnerName(TIntPair gepNr);

  TBearbDienste dienste_;
  const TListenEinstellungen& einstellungen_;
  const TListenExporter& exporter_;
  std::int32_t abrNr_, abrJahr_;
  bool aufgeloest_;
  std::string waehrung_;
  TIntPair letzterPartner_{-1, -1};
  std::string letzterPartnerName_;
  TZeilenEntwurf entwurf_;
};

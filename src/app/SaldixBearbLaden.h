// Reads the bookings of one settlement into list rows: the booking-file filters, the origin
// with "Mit Primanota", the maximum line count and the widening of an open date range.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "suite/Abrechnung.h"
#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbListe.h"

struct TLadeAuftrag : TAbrechnung {
  bool OffeneAbrechnung = true;
  std::int32_t Rechner = 0;   // 0: all
  std::int32_t Filiale = 0;   // 0: all
  std::int32_t Gruppe = 0;    // 0: all
  std::string Herkunft = "ALLE";
  bool MitPrimanota = false;
  bool SaetzeFuerExport = true;
  std::function<void(std::size_t)> Fortschritt;  // bookings read so far; may be empty
  // Told the identities of the bookings kept, once all are read and before they are paired
  // and combined; may be empty.
  std::function<void(std::vector<TIntTrio>)> Gelesen;
};

struct TLadeErgebnis {
  std::vector<TGeladeneBuchung> Buchungen;
  TDateTime DatumVon = 0, DatumBis = 0;  // widened in an open settlement
  bool MaxZeilenErreicht = false;
};

class TBuchungsLader {
 public:
  TBuchungsLader(const TBearbDienste& dienste, const TListenEinstellungen& einstellungen,
                 const TListenExporter& exporter)
      : dienste_(dienste), einstellungen_(einstellungen), exporter_(exporter) {}

  // Throws when the booking file cannot be read, so the caller keeps its old rows.
  TLadeErgebnis Laden(const TLadeAuftrag& auftrag);

  TBuchungsFilter Filter(const TLadeAuftrag& auftrag);

 private:
  bool Behalten(const TLadeAuftrag& auftrag, const TBuchungsRohsatz& satz);

  TBearbDienste dienste_;
  const TListenEinstellungen& einstellungen_;
  const TListenExporter& exporter_;
};

// The message after the maximum line count stopped the reading.
std::string MaxZeilenMeldung(std::int32_t maxZeilen);

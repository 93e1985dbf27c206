// What a format needs from the run beyond the booking items every format gets. The run,
// the booking list and the batch mode ask this set and never a format's name.
#pragma once

#include <cstdint>

enum class TExportFaehigkeit : std::uint32_t {
  // Additional items per booking, filled by the enrichment of the format's catalogue row
  // and written through the two-argument Export_Fibu_Daten.
  BuchungsZusatz = 1u << 0,
  // The booking list reads the delivery country and its EU tax for each booking.
  LieferLand = 1u << 1,
  // Tax key of the contra account with its percentage, and the origin of the event.
  SteuerUndHerkunft = 1u << 2,
  // Booking month, document number, value date and payment terms.
  Zahlungsbedingungen = 1u << 3,
  // Business event, document type and document ident.
  BelegIdent = 1u << 4,
};

class TExportFaehigkeiten {
 public:
  constexpr TExportFaehigkeiten() = default;
  constexpr TExportFaehigkeiten& Mit(TExportFaehigkeit f, bool an = true) {
    if (an) bits_ |= static_cast<std::uint32_t>(f);
    return *this;
  }
  constexpr bool Hat(TExportFaehigkeit f) const {
    return (bits_ & static_cast<std::uint32_t>(f)) != 0;
  }
  constexpr bool operator==(const TExportFaehigkeiten&) const = default;

 private:
  std::uint32_t bits_ = 0;
};

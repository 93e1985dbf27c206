// The program's in-memory booking: one per booking-file record the booking list reads.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "suite/records/FBDEDaten.h"

// The record as read, moved in whole, with what the list adds to it.
struct TfbdetempSatz : TFBDEDaten {
  TfbdetempSatz() = default;
  explicit TfbdetempSatz(TFBDEDaten&& gelesen) : TFBDEDaten(std::move(gelesen)) {}

  std::string SortString;
  std::string GepBez;
  std::string KtoBez;
  std::string GegenKtoBez;
  std::string KtoKurzBez;
  std::string GegenKtoKurzBez;
  std::int32_t Verw2RNr = 0;
  std::int32_t Verw2LNr = 0;
  std::int32_t Verw2SNr = 0;
};

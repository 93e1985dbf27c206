// Origins of bookings: each groups the business events that one part of the suite
// books, in a fixed order; a booking's origin is found through its business event.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct THerkunft {
  std::string_view Code;
  std::string_view Bezeichnung;
  std::vector<std::string_view> Vorfaelle;
};

// The 14 origins in their fixed order, "ALLE" (no events, all origins) first.
const std::vector<THerkunft>& Herkuenfte();

// The 45 business-event codes: the empty code first, then the events of the origins
// in table order.
const std::vector<std::string_view>& Geschaeftsvorfaelle();

// The origin with this code (text match), nullptr when there is none.
const THerkunft* FindHerkunft(std::string_view code);

// The code of the origin that groups the business event vorfall; empty for the empty
// code and for events that belong to no origin.
std::string HerkunftZuVorfall(std::string_view vorfall);

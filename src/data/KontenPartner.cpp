#include "data/KontenPartner.h"

#include <limits>

#include "suite/Format.h"
#include "suite/servers/Tgnumfile.h"
#include "suite/servers/Tmerfile.h"

TPartnerKonten::TPartnerKonten(const TEinstellungen& einstellungen, Tgnumfile& gnumfile,
                               Tmerfile& merfile)
    : einstellungen_(einstellungen), gnumfile_(gnumfile), merfile_(merfile) {}

void TPartnerKonten::CachesLeeren() {
  kreditoren_.clear();
  debitoren_.clear();
}

int TPartnerKonten::SchemaAnwenden(int wert, const std::string& schema) {
  if (schema.empty() || wert == 0) return wert;
  if (std::to_string(wert).size() >= schema.size()) return wert;
  const long long summe = static_cast<long long>(wert) + StrToIntDef(schema, 0);
  if (summe > std::numeric_limits<int>::max() || summe < std::numeric_limits<int>::min()) {
    return wert;
  }
  return static_cast<int>(summe);
}

int TPartnerKonten::Get_Kreditoren_Konto(const TIntPair& partner) {
  const TIntPair& art = einstellungen_.KreditorenZuordnung;
  if (art.IsEmpty()) return 0;
  if (const auto it = kreditoren_.find(partner); it != kreditoren_.end()) return it->second;
  const int konto = StrToIntDef(gnumfile_.Lesen(partner, art).value_or(""), 0);
  kreditoren_.emplace(partner, konto);
  return konto;
}

int TPartnerKonten::Get_Debitoren_Konto(const TIntPair& partner) {
  const auto& e = einstellungen_;
  if (!e.DebitorenZuordnung.IsEmpty() && !debitoren_.contains(partner)) {
    int wert = 0;
    if (e.DebitorenZuordnung == CDebitorenKundennummer) {
      wert = kundennummer_ ? kundennummer_(partner) : 0;
    } else {
      wert = StrToIntDef(gnumfile_.Lesen(partner, e.DebitorenZuordnung).value_or(""), 0);
    }
    debitoren_.emplace(partner, SchemaAnwenden(wert, e.DebitorenSchema));
  }
  if (e.DebitorenMerkmal != 0 && !debitoren_.contains(partner)) {
    const int wert = StrToIntDef(merfile_.Lesen(partner, e.DebitorenMerkmal).value_or(""), 0);
    debitoren_.emplace(partner, SchemaAnwenden(wert, e.DebitorenSchema));
  }
  const auto it = debitoren_.find(partner);
  return it != debitoren_.end() ? it->second : 0;
}

// The suite's branch table: branches with their client, organisation and group, and the
// branch groups with their owner, read once from the suite database.
#pragma once

#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"

struct TFilialeEintrag {
  int Nummer = 0;
  TIntPair Firma;
  int Orge = 0;
  int Gruppe = 0;
};

struct TFilialGruppe {
  int Nummer = 0;
  TIntPair Besitzer;
};

class TFilialTabelle {
 public:
  TFilialTabelle() = default;
  TFilialTabelle(std::vector<TFilialeEintrag> filialen, std::vector<TFilialGruppe> gruppen)
      : filialen_(std::move(filialen)), gruppen_(std::move(gruppen)) {}

  // Reads both tables in their stored order (by number).
  static TFilialTabelle Laden(suitedb::Connection& connection);

  const std::vector<TFilialeEintrag>& Filialen() const { return filialen_; }
  const std::vector<TFilialGruppe>& Gruppen() const { return gruppen_; }

 private:
  std::vector<TFilialeEintrag> filialen_;
  std::vector<TFilialGruppe> gruppen_;
};

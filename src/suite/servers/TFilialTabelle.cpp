#include "suite/servers/TFilialTabelle.h"

#include "suite/servers/Spalten.h"

TFilialTabelle TFilialTabelle::Laden(suitedb::Connection& connection) {
  std::vector<TFilialeEintrag> filialen;
  auto branches =
      connection.Prepare("SELECT nummer, firma1, firma2, orge, gruppe FROM filialen ORDER BY nummer");
  while (branches->Step()) {
    filialen.push_back({Int32Spalte(*branches, 0), PaarSpalte(*branches, 1),
                        Int32Spalte(*branches, 3), Int32Spalte(*branches, 4)});
  }
  std::vector<TFilialGruppe> gruppen;
  auto groups = connection.Prepare("SELECT nummer, firma1, firma2 FROM filialgruppen ORDER BY nummer");
  while (groups->Step()) {
    gruppen.push_back({Int32Spalte(*groups, 0), PaarSpalte(*groups, 1)});
  }
  return TFilialTabelle(std::move(filialen), std::move(gruppen));
}

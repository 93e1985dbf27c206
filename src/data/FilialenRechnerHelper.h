// Branch lookups over the suite's branch and computer tables: branch of a computer or an
// organisation, the branch groups of a client and the branch lists the filters need.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/servers/TFilialTabelle.h"
#include "suite/servers/TRVRTab.h"

class TGruppenFilialenRechnerHelper {
 public:
  // Reads the branch table once; it is kept for the object's life.
  explicit TGruppenFilialenRechnerHelper(suitedb::Connection& connection);
  TGruppenFilialenRechnerHelper(suitedb::Connection& connection, TFilialTabelle tabelle);

  int GetFilialeByRechner(int rechner);
  // First branch of the client with that organisation; 0 when none.
  int GetFilialeByOrge(const TIntPair& firma, int orge) const;
  std::vector<int> GetGruppenliste(const TIntPair& firma) const;
  std::vector<int> GetFilialliste(const TIntPair& firma) const;
  std::vector<int> GetFiliallisteByGruppe(int gruppe, const TIntPair& firma) const;
  // 0 first, then the client's branches outside the group.
  std::vector<int> GetNegFiliallisteByGruppe(int gruppe, const TIntPair& firma) const;
  // Every branch whose number is not among the texts.
  std::vector<int> GetNegExporterListe(const std::vector<std::string>& exporterFilListe) const;

 private:
  template <typename Predicate>
  std::vector<int> Filialnummern(Predicate wanted) const;

  TFilialTabelle tabelle_;
  TRVRTab rechner_;
};

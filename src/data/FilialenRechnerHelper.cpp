#include "data/FilialenRechnerHelper.h"

#include <algorithm>

#include "suite/Text.h"

TGruppenFilialenRechnerHelper::TGruppenFilialenRechnerHelper(suitedb::Connection& connection)
    : TGruppenFilialenRechnerHelper(connection, TFilialTabelle::Laden(connection)) {}

TGruppenFilialenRechnerHelper::TGruppenFilialenRechnerHelper(suitedb::Connection& connection,
                                                             TFilialTabelle tabelle)
    : tabelle_(std::move(tabelle)), rechner_(connection) {}

template <typename Predicate>
std::vector<int> TGruppenFilialenRechnerHelper::Filialnummern(Predicate wanted) const {
  std::vector<int> nummern;
  for (const auto& filiale : tabelle_.Filialen()) {
    if (wanted(filiale)) nummern.push_back(filiale.Nummer);
  }
  return nummern;
}

int TGruppenFilialenRechnerHelper::GetFilialeByRechner(int rechner) {
  return rechner_.GetRNrUmfang(rechner);
}

int TGruppenFilialenRechnerHelper::GetFilialeByOrge(const TIntPair& firma, int orge) const {
  for (const auto& filiale : tabelle_.Filialen()) {
    if (filiale.Firma == firma && filiale.Orge == orge) return filiale.Nummer;
  }
  return 0;
}

std::vector<int> TGruppenFilialenRechnerHelper::GetGruppenliste(const TIntPair& firma) const {
  std::vector<int> nummern;
  for (const auto& gruppe : tabelle_.Gruppen()) {
    if (gruppe.Besitzer == firma) nummern.push_back(gruppe.Nummer);
  }
  return nummern;
}

std::vector<int> TGruppenFilialenRechnerHelper::GetFilialliste(const TIntPair& firma) const {
  return Filialnummern([&](const TFilialeEintrag& f) { return f.Firma == firma; });
}

std::vector<int> TGruppenFilialenRechnerHelper::GetFiliallisteByGruppe(
    int gruppe, const TIntPair& firma) const {
  return Filialnummern(
      [&](const TFilialeEintrag& f) { return f.Gruppe == gruppe && f.Firma == firma; });
}

std::vector<int> TGruppenFilialenRechnerHelper::GetNegFiliallisteByGruppe(
    int gruppe, const TIntPair& firma) const {
  std::vector<int> nummern{0};
  for (int nummer : Filialnummern(
           [&](const TFilialeEintrag& f) { return f.Gruppe != gruppe && f.Firma == firma; })) {
    nummern.push_back(nummer);
  }
  return nummern;
}

std::vector<int> TGruppenFilialenRechnerHelper::GetNegExporterListe(
    const std::vector<std::string>& exporterFilListe) const {
  std::vector<std::string> liste;
  for (const auto& text : exporterFilListe) liste.push_back(Trim(text));
  return Filialnummern([&](const TFilialeEintrag& f) {
    return std::find(liste.begin(), liste.end(), std::to_string(f.Nummer)) == liste.end();
  });
}

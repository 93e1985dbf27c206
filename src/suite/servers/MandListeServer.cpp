#include "suite/servers/MandListeServer.h"

std::vector<TMandListeEintrag> TMandListeServer::Liste() const {
  std::vector<TMandListeEintrag> liste;
  auto& select = connection_.Cached(
      "SELECT kurz_nr, firma1, firma2, name, kurz_name, wj_beginn_monat FROM mandanten "
      "ORDER BY kurz_nr");
  while (select.Step()) {
    TMandListeEintrag eintrag;
    eintrag.KurzNr = static_cast<int>(select.Int(0));
    eintrag.GepNr = {static_cast<std::int32_t>(select.Int(1)),
                     static_cast<std::int32_t>(select.Int(2))};
    eintrag.Name = select.Text(3);
    eintrag.KurzName = select.Text(4);
    eintrag.BeginnWJ = static_cast<int>(select.Int(5));
    liste.push_back(std::move(eintrag));
  }
  return liste;
}

#include "export/FibuExportKatalog.h"

#include "suite/Text.h"

TFibuExportKatalog& TFibuExportKatalog::Global() {
  static TFibuExportKatalog katalog;
  return katalog;
}

void TFibuExportKatalog::Register(TFibuExporterclass typKlasse, std::string name,
                                  std::string kennung, TFibuExporterEditClass editKlasse,
                                  TBuchungsAnreicherungKlasse anreicherung) {
  Register(TFibuExpRegInfo{std::move(typKlasse), std::move(name), std::move(kennung),
                           std::move(editKlasse), std::move(anreicherung)});
}

int TFibuExportKatalog::Find(std::string_view kennung) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (qtx_strmatch(rows_[i].Kennung, kennung)) return static_cast<int>(i);
  }
  return -1;
}

int TFibuExportKatalog::FindExakt(std::string_view kennung) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].Kennung == kennung) return static_cast<int>(i);
  }
  return -1;
}

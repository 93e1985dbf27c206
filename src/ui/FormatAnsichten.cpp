#include "ui/FormatAnsichten.h"

#include "export/FibuExportFrm.h"

TFormatAnsichten& TFormatAnsichten::Global() {
  static TFormatAnsichten ansichten = [] {
    TFormatAnsichten a;
    FormatAnsichtenRegistrieren(a);
    return a;
  }();
  return ansichten;
}

void TFormatAnsichten::Register(const std::string& kennung, TFormatAnsichtFabrik fabrik) {
  fabriken_[kennung] = std::move(fabrik);
}

std::unique_ptr<TFibuExportFormatTeil> TFormatAnsichten::Erzeuge(TfrmFibuExport& form) const {
  const auto it = fabriken_.find(std::string(form.FormatKennung()));
  if (it != fabriken_.end()) {
    if (auto teil = it->second(form)) return teil;
  }
  return std::make_unique<TLeererFormatTeil>();
}

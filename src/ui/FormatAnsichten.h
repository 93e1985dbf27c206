// The format views by format identifier: the settings dialog asks here for the part a
// format adds to the common pages, and a format with no view gets an empty part.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/FibuExportFrmView.h"

class TfrmFibuExport;

using TFormatAnsichtFabrik =
    std::function<std::unique_ptr<TFibuExportFormatTeil>(TfrmFibuExport& form)>;

class TFormatAnsichten {
 public:
  // The program's registry, filled from the formats' view list on first use.
  static TFormatAnsichten& Global();

  void Register(const std::string& kennung, TFormatAnsichtFabrik fabrik);
  // The part for the form's exporter; the empty part when its format has no view.
  std::unique_ptr<TFibuExportFormatTeil> Erzeuge(TfrmFibuExport& form) const;

 private:
  std::map<std::string, TFormatAnsichtFabrik> fabriken_;
};

// Registers the views of every format this build knows (src/ui/formats).
void FormatAnsichtenRegistrieren(TFormatAnsichten& ansichten);

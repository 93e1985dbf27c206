// Opens a format's settings form for an exporter; one derived class per format.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "export/GuardedObject.h"

class TFibuExporter;

class TFibuExporterEdit : public TGuardedObject {
 public:
  std::string_view ClassName() const override { return "TFibuExporterEdit"; }
  // Shows the format's settings form for FibuExporter modally; true exactly when it
  // was closed with OK. Failures are registered and give false.
  virtual bool Execute(TFibuExporter& FibuExporter) = 0;
};

// Creates the edit class of a format (the catalogue's class reference).
using TFibuExporterEditClass = std::function<std::unique_ptr<TFibuExporterEdit>()>;

template <typename TEdit>
TFibuExporterEditClass EditClassOf() {
  return [] { return std::make_unique<TEdit>(); };
}

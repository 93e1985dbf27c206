// The current exporter: created from the catalogue row of the stored identifier,
// switched on request, the identifier kept in the settings store.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "export/FibuExportKatalog.h"
#include "export/fibuexportclass.h"
#include "suite/SimpleMask.h"

// Looks a format up in the exporter catalogue by its identifier (text match).
using TExporterKatalogSuche = std::function<std::optional<TFibuExpRegInfo>(const std::string& kennung)>;

// The program's catalogue (TFibuExportKatalog::Global).
std::optional<TFibuExpRegInfo> ExporterKatalogGlobal(const std::string& kennung);
// The name the data module's start options use for the program's catalogue.
inline std::optional<TFibuExpRegInfo> ExporterKatalogVorlaeufig(const std::string& kennung) {
  return ExporterKatalogGlobal(kennung);
}

class TAktExporterWahl {
 public:
  explicit TAktExporterWahl(TExporterKatalogSuche suche = ExporterKatalogGlobal);
  ~TAktExporterWahl();
  TAktExporterWahl(const TAktExporterWahl&) = delete;
  TAktExporterWahl& operator=(const TAktExporterWahl&) = delete;

  // Runs after every switch: re-read the special accounts, rebuild the tax-key list.
  void SetNachWechsel(std::function<void()> kontenIniEinlesen,
                      std::function<void()> steuerschlListeFreigeben);

  void ExporterInit();
  void SetAktExporterKennung(const std::string& Kennung);

  const std::string& AktExporterKennung() const { return kennung_; }
  const std::string& AktExporterName() const { return regInfo_ ? regInfo_->Name : kKeinName; }
  const TFibuExporterclass& AktExporterKlasse() const;
  // The catalogue row of the current exporter; null when there is none.
  const TFibuExpRegInfo* AktExporterRegInfo() const { return regInfo_ ? &*regInfo_ : nullptr; }
  TFibuExporter* AktExporter() const { return exporter_.get(); }
  bool AktExporterAuto() const { return auto_; }

 private:
  bool Erzeugen(const std::string& kennung);
  void Freigeben();

  TExporterKatalogSuche suche_;
  TSimpleMask fsmExporter_{"SALDIX", "FIBUEXPO"};
  static inline const std::string kKeinName;
  std::string kennung_;
  std::optional<TFibuExpRegInfo> regInfo_;
  std::unique_ptr<TFibuExporter> exporter_;
  bool auto_ = false;
  std::function<void()> kontenIniEinlesen_;
  std::function<void()> steuerschlListeFreigeben_;
};

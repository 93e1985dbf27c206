// The catalogue of export formats: one row per format, in registration order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/fibuexportclass.h"

class TFibuExportKatalog {
 public:
  // The program's catalogue; complete before the data module is created.
  static TFibuExportKatalog& Global();

  void Register(TFibuExporterclass typKlasse, std::string name, std::string kennung,
                TFibuExporterEditClass editKlasse, TBuchungsAnreicherungKlasse anreicherung = {});
  void Register(TFibuExpRegInfo row) { rows_.push_back(std::move(row)); }
  // Index of the first row whose identifier matches under the suite's text match; -1.
  int Find(std::string_view kennung) const;
  // Index of the row with exactly this identifier (command line); -1.
  int FindExakt(std::string_view kennung) const;

  int Count() const { return static_cast<int>(rows_.size()); }
  const TFibuExpRegInfo& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
  const std::vector<TFibuExpRegInfo>& Rows() const { return rows_; }
  void Clear() { rows_.clear(); }

 private:
  std::vector<TFibuExpRegInfo> rows_;
};

// Who holds the active format (the data module); the format and profile choices
// switch and load through it.
class IAktiverExporter {
 public:
  virtual ~IAktiverExporter() = default;
  virtual std::string AktExporterKennung() const = 0;
  virtual void SetAktExporterKennung(const std::string& kennung) = 0;
  // The active exporter and the row it was created from; null when none is active.
  virtual TFibuExporter* AktExporter() = 0;
  virtual const TFibuExpRegInfo* AktExporterRegInfo() const = 0;
  virtual TIntPair AktMandant() const = 0;
};

// The running suite's export context with a clock that stands still, for files whose
// header or name carries the time of the export.
#pragma once

#include "export/ExportKontext.h"

class TFesteUhrKontext : public TSuiteExportKontext {
 public:
  explicit TFesteUhrKontext(TDateTime jetzt) : jetzt_(jetzt) {}
  TDateTime Jetzt() const override { return jetzt_; }

 private:
  TDateTime jetzt_;
};

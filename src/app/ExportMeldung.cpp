#include "app/ExportMeldung.h"

#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"

void TExportMeldung::Protokoll(const std::string& text) const {
  const TDateTime now = qtx_Now();
  MenuLog_Append("Saldix Export", text, now, now);
}

void TExportMeldung::Melden(const std::string& batchText, const std::string& dialogText) const {
  if (batchmode_) {
    Protokoll(batchText);
  } else {
    QTXInfo().QTXWarnungBox(dialogText);
  }
}

void TExportMeldung::Hinweis(const std::string& text) const {
  if (batchmode_) {
    Protokoll(text);
  } else {
    QTXInfo().QTXHinweisBox(text);
  }
}

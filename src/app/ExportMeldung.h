// How the export run reports: a menu-log line in batch mode, a box interactively.
#pragma once

#include <string>

class TExportMeldung {
 public:
  explicit TExportMeldung(bool batchmode) : batchmode_(batchmode) {}

  bool Batchmode() const { return batchmode_; }
  // One menu-log line with the title "Saldix Export" (start and end now).
  void Protokoll(const std::string& text) const;
  // batchText to the menu log, or dialogText (CR line breaks) as a warning box.
  void Melden(const std::string& batchText, const std::string& dialogText) const;
  void Hinweis(const std::string& text) const;

 private:
  bool batchmode_;
};

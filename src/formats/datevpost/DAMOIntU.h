// DATEV's conversion program "DAMO32.EXE": its start from the preset directory under the
// suite's progress window, and the window that shows its protocol afterwards.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/GuardedObject.h"

class TQTXInfo;

namespace datevpost {

// The protocol window (logic only): loads the protocol file when shown.
class TDAMOProt : public TGuardedObject {
 public:
  static constexpr const char* CCaption = "Protokoll zum DATEV-Import";

  explicit TDAMOProt(std::string protokollDatei) : FProtokollDatei(std::move(protokollDatei)) {}
  std::string_view ClassName() const override { return "TDAMOProt"; }

  const char* Caption() const { return CCaption; }
  const std::string& ProtokollDatei() const { return FProtokollDatei; }
  // Loads the protocol into the text view; a missing file is said in the view.
  void FormShow();
  // The content of the rich-text view rteDAMOProt.
  const std::string& rteDAMOProt() const { return FText; }
  // Releasing Escape closes the window with the cancel result.
  void EscapeLosgelassen();
  // mrCancel once closed, 0 while open.
  int ModalResult() const { return FModalResult; }

 private:
  std::string FProtokollDatei;
  std::string FText;
  int FModalResult = 0;
};

// Shows the window modally; the Qt layer installs it. Without one nothing is shown.
using TDAMOProtAnzeige = std::function<int(TDAMOProt&)>;
void SetDAMOProtAnzeige(TDAMOProtAnzeige anzeige);

// The protocol as text (a Windows program writes its code page), lines without CR.
std::vector<std::string> ProtokollZeilen(const std::string& datei);

// How the converter run ended.
struct TDamoErgebnis {
  bool Gestartet = false;
  int Exitcode = -1;
  bool Abgebrochen = false;
  std::string Fehler;  // why it did not start
  bool Ok() const { return Gestartet && !Abgebrochen && Exitcode == 0; }
};

// DAMO_Execute: starts directory/DAMO32.EXE in directory under the progress window
// "DATEV-Import ..." and waits for its end (at most hoechstSekunden, 0: no limit). A
// missing converter is message 993; one that cannot start is a warning. With
// protokollZeigen the protocol window follows.
TDamoErgebnis DAMO_Execute(TQTXInfo& meldungen, const std::string& verzeichnis,
                           bool protokollZeigen, int hoechstSekunden = 0);

// A file of the DATEV installation by its name in any case: a copied Windows folder keeps
// whichever case it was written in.
std::string DateiImVerzeichnis(const std::string& verzeichnis, const std::string& name);
std::string DamoProtokoll(const std::string& verzeichnis);
// The converter's name in a directory, and whether it would run through wine (a Windows
// program then reads Windows paths).
std::string DamoProgramm(const std::string& verzeichnis);
bool DamoUeberWine(const std::string& verzeichnis);

}  // namespace datevpost

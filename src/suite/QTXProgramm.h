// The suite's program object: process identity, this workstation, language and client.
#pragma once

#include <exception>
#include <string>

#include "suite/Types.h"

class TQTXProgramm {
 public:
  // Once at start ("Saldix", process type 3). Reads this workstation's number from
  // $SALDIX_RECHNER (default 1) and its type from the computer table (0 when missing).
  bool Init(const std::string& programName, int processType);

  int GetRTyp() const { return computerType_; }
  int GetRId() const { return computerNumber_; }
  const std::string& ProgramName() const { return programName_; }

  void SetSilentMode(bool silent);
  bool SilentMode() const { return silent_; }
  // The suite's display of an unexpected error; silent in silent mode.
  void ShowException(const std::exception& error);

  std::string GetSprache() const;
  std::string GetWaehrung() const;
  std::string GetLand() const;

  TIntPair GetAktMandant() const { return aktMandant_; }
  std::string GetTextMandant() const { return textMandant_; }
  void SetAktMandant(TIntPair mandant, const std::string& text);

  std::string ProzessIdFormated() const;

 private:
  std::string programName_;
  int processType_ = 0;
  int computerNumber_ = 1;
  int computerType_ = 0;
  bool silent_ = false;
  TIntPair aktMandant_;
  std::string textMandant_;
};

TQTXProgramm& QTXProgramm();

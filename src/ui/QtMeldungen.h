// The message service's presenter on the desktop: information, warnings, errors and
// yes/no questions as message boxes over the active window.
#pragma once

#include "suite/MessagePresenter.h"

class TQtMeldungen final : public IMessagePresenter {
 public:
  int Present(TMeldungsArt kind, const std::string& text) override;
  void ProcessMessages(int milliseconds) override;
};

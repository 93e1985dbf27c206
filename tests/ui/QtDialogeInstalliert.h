// The desktop's dialogs installed for one test and removed afterwards, so that the next
// test starts without them.
#pragma once

#include "export/FibuExportFrm.h"
#include "export/SerBrief.h"
#include "suite/ProgrammLauf.h"
#include "suite/QTXFormStore.h"
#include "ui/QtDialoge.h"

class QtDialogeInstalliert {
 public:
  QtDialogeInstalliert() { QtDialogeInstallieren(); }
  ~QtDialogeInstalliert() {
    SetFibuExportFormAnzeige(nullptr);
    SetVerzeichnisWahl(nullptr);
    SetFormStoreChooser(nullptr);
    SetSerBriefAnzeige(nullptr);
  }
  QtDialogeInstalliert(const QtDialogeInstalliert&) = delete;
  QtDialogeInstalliert& operator=(const QtDialogeInstalliert&) = delete;
};

// Installs the desktop's dialogs behind the logic's hooks: every settings form of an
// export format, the directory choice and the form store's profile dialogs.
#pragma once

#include <memory>

#include "export/FibuExportFrm.h"
#include "ui/FibuExportFrmView.h"

// Once at program start, after the QApplication exists.
void QtDialogeInstallieren();

// The view part that renders this form's own page, chosen by the form's type.
std::unique_ptr<TFibuExportFormatTeil> FormatTeilFuer(TfrmFibuExport& form);

// Shows the form modally over the active window; its ModalResult.
int FibuExportFormZeigen(TfrmFibuExport& form);

#include "ui/QtDialoge.h"

#include <QApplication>
#include <QFileDialog>

#include "ui/FormatAnsichten.h"
#include "ui/INETDialogView.h"
#include "ui/ProgrammLaufDialog.h"
#include "ui/QtFormStoreChooser.h"
#include "ui/SerBriefView.h"
#include "ui/UiText.h"

namespace {

class TQtVerzeichnisWahl final : public IVerzeichnisWahl {
 public:
  std::optional<std::string> Waehle(const std::string& titel, const std::string& start) override {
    const QString verzeichnis =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), Qt_(titel), Qt_(start));
    if (verzeichnis.isEmpty()) return std::nullopt;
    return Std_(verzeichnis);
  }
};

}  // namespace

std::unique_ptr<TFibuExportFormatTeil> FormatTeilFuer(TfrmFibuExport& form) {
  return TFormatAnsichten::Global().Erzeuge(form);
}

int FibuExportFormZeigen(TfrmFibuExport& form) {
  TFibuExportFrmView view(form, FormatTeilFuer(form), QApplication::activeWindow());
  view.exec();
  // Closed by the window manager: as "Zurück".
  return form.ModalResult() == mrOk ? mrOk : mrCancel;
}

void QtDialogeInstallieren() {
  SetFibuExportFormAnzeige(FibuExportFormZeigen);
  SetVerzeichnisWahl(std::make_shared<TQtVerzeichnisWahl>());
  SetFormStoreChooser(std::make_shared<TQtFormStoreChooser>());
  SetInetVerbindungChooser(QtInetVerbindungChooser());
  SerBriefAnzeigeInstallieren();
  SetProgrammLaufAnzeige(QtProgrammLaufAnzeige);
  // The format views may install windows of their own (a converter's protocol).
  TFormatAnsichten::Global();
}

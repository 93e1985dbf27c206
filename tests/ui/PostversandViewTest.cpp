// The windows of DATEV's postal dispatch on the demo suite: the settings part, the
// converter's progress window with its cancel, and the protocol window.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/datevpost/DAMOIntU.h"
#include "formats/datevpost/FibuExpPostversandFrm.h"
#include "suite/AppExec.h"
#include "suite/ProgrammLauf.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"
#include "ui/ProgrammLaufDialog.h"
#include "ui/UiText.h"
#include "ui/formats/datevpost/PostversandAnsichten.h"

namespace {

class PostversandView : public ::testing::Test {
 protected:
  UiDemo demo;
  QtDialogeInstalliert dialoge;
};

TEST_F(PostversandView, TheSettingsShowPathsSelfAndTheClientGridAndTakeThemOnF5) {
  ASSERT_TRUE(PostversandDemoProfil(demo.ExportDir().string()));
  TFibuExporter_Postversand exporter;
  exporter.Init();
  TfrmFibuExpPostversand form;
  form.SetFibuExportProfil(&exporter);
  form.FormShow();
  TFibuExportFrmView view(form, TFormatAnsichten::Global().Erzeuge(form));
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(),
            QStringLiteral("Einstellungen für Export im Format \"DATEV (Postversandformat)\""));
  auto* vorgabe = view.findChild<QLineEdit*>(QStringLiteral("edtVorgabePfad"));
  ASSERT_NE(vorgabe, nullptr);
  EXPECT_EQ(vorgabe->text(), Qt_((demo.ExportDir() / "datev-postversand").string()));
  auto* self = view.findChild<QCheckBox*>(QStringLiteral("chkImportSelf"));
  ASSERT_NE(self, nullptr);
  EXPECT_FALSE(self->isChecked());  // the demo profile writes the input file only
  auto* id = view.findChild<QLineEdit*>(QStringLiteral("edtIDNummer"));
  ASSERT_NE(id, nullptr);
  EXPECT_EQ(id->text(), QStringLiteral("91480"));
  auto* mandanten = view.findChild<QTableWidget*>(QStringLiteral("grdMandanten"));
  ASSERT_NE(mandanten, nullptr);
  ASSERT_EQ(mandanten->rowCount(), static_cast<int>(demo.Mandanten().size()));
  EXPECT_EQ(mandanten->horizontalHeaderItem(3)->text(), QStringLiteral("Datev-Berater"));
  EXPECT_EQ(mandanten->horizontalHeaderItem(5)->text(), QStringLiteral("Datev-Benutzer"));
  Bildschirmfoto(view, "datevpost_einstellungen");

  QTest::keyClicks(id, QStringLiteral("9"));  // a sixth digit is refused
  EXPECT_EQ(id->text(), QStringLiteral("91480"));
  self->click();
  mandanten->item(0, 5)->setText(QStringLiteral("XY"));
  QTest::keyClick(&view, Qt::Key_F5);
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_TRUE(exporter.ImportSelf());
  EXPECT_EQ(exporter.Mandanten().Eintraege()[0].Text(datevpost::mfBenutzer), "XY");
  exporter.Done();
}

TEST_F(PostversandView, TheProgressWindowShowsTheOutputAndItsCancelEndsTheConverter) {
  const auto skript = demo.ExportDir() / "konverter.sh";
  std::filesystem::create_directories(demo.ExportDir());
  std::ofstream(skript) << "#!/bin/sh\necho 'DAMO32: Umwandlung laeuft'\nsleep 60\n";
  ::chmod(skript.c_str(), 0755);
  TAppExec programm;
  programm.SetProgramm(skript.string());
  bool abgebrochen = false;
  std::function<void()> pruefen = [&] {
    auto* fenster = qobject_cast<TProgrammLaufDialog*>(QApplication::activeModalWidget());
    auto* ausgabe = fenster ? fenster->findChild<QPlainTextEdit*>(QStringLiteral("memAusgabe")) : nullptr;
    if (!ausgabe || ausgabe->toPlainText().isEmpty()) {
      QTimer::singleShot(20, pruefen);
      return;
    }
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("DATEV-Import ..."));
    EXPECT_EQ(ausgabe->toPlainText(), QStringLiteral("DAMO32: Umwandlung laeuft\n"));
    Bildschirmfoto(*fenster, "datev_import_fortschritt");
    fenster->findChild<QPushButton*>(QStringLiteral("btnAbbrechen"))->click();
    abgebrochen = true;
  };
  QTimer::singleShot(20, pruefen);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ProgrammAbwarten(programm, "DATEV-Import ..."), -1);
  EXPECT_TRUE(abgebrochen);
  EXPECT_TRUE(programm.Abgebrochen());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(PostversandView, TheProtocolWindowShowsTheFileAndClosesOnEscape) {
  std::filesystem::create_directories(demo.ExportDir());
  const auto datei = demo.ExportDir() / "DAMO32.PRT";
  std::ofstream(datei, std::ios::binary) << "DATEV-Umwandlung\r\n12 Buchungen umgewandelt\r\nEnde ohne Fehler\r\n";
  datevpost::TDAMOProt form(datei.string());
  datevpost::TDAMOProtView view(form);
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Protokoll zum DATEV-Import"));
  auto* text = view.findChild<QTextEdit*>(QStringLiteral("rteDAMOProt"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->toPlainText(), QStringLiteral("DATEV-Umwandlung\n12 Buchungen umgewandelt\nEnde ohne Fehler\n"));
  Bildschirmfoto(view, "datevpost_protokoll");
  QTest::keyPress(&view, Qt::Key_Escape);
  EXPECT_TRUE(view.isVisible());  // pressing alone does not close it
  QTest::keyRelease(&view, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(form.ModalResult(), mrCancel);
}

}  // namespace

// "Export + Versand" from the booking list window, with a real SMTP server on loopback.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DialogAntwort.h"
#include "UiDemoSuite.h"
#include "UiTestSupport.h"
#include "app/SaldixSitzung.h"
#include "suite/transfer/MailEinstellungen.h"
#include "support/LocalServers.h"
#include "ui/QtAbrechnungsWahl.h"
#include "ui/ExportBestaetigungView.h"
#include "ui/SaldixBearbView.h"
#include "ui/UiText.h"

namespace fs = std::filesystem;

namespace {

TEST(ExportVersandView, TheActionExportsAndMailsTheFileWritten) {
  UiDemoSuite demo;
  LocalSmtpServer server(demo.Suite().Dir() / "smtp");
  TMailEinstellungen e;
  e.Mandant = {1, 1};
  e.Host = "127.0.0.1";
  e.Port = server.Port();
  e.Tls = TMailTls::Keine;
  e.Absender = "fibu@demo.example";
  e.Empfaenger = {"berater@kanzlei.example"};
  e.Zeitlimit = 10;
  TMailEinstellungenSpeicher::Speichern(e);

  TQtAbrechnungsWahl wahl;
  TSaldixSitzung& sitzung = demo.Sitzung(wahl);
  wahl.SetDatenmodul(&sitzung.Modul());
  TSaldixBearbView view(sitzung.Liste(), sitzung.ExportAktionen());
  wahl.SetEltern(&view);
  view.show();
  QApplication::setActiveWindow(&view);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  EreignisseVerarbeiten();

  // The open settlement, freshly loaded, as before F5.
  for (auto* knopf : view.findChildren<QRadioButton*>()) {
    if (knopf->text() == Qt_("aktuelle/neue Abr.")) knopf->click();
  }
  QTest::keyClick(&view.Baum(), Qt::Key_F4);
  EreignisseVerarbeiten();
  // Confirmed before, summarised after, as every real export.
  BeiDialog<TExportBestaetigungView>([](TExportBestaetigungView& bestaetigung) {
    BeiDialog<TExportBestaetigungView>(
        [](TExportBestaetigungView& zusammenfassung) { zusammenfassung.Ok().click(); }, 1000);
    bestaetigung.Ok().click();
  });
  view.Aktion(QStringLiteral("Export + Versand"))->trigger();
  EreignisseVerarbeiten();
  EXPECT_EQ(sitzung.ExportAktionen().Status(), 1) << demo.Suite().Messages().LastText();
  EXPECT_FALSE(sitzung.ExportAktionen().VersandFehlgeschlagen());
  EXPECT_EQ(demo.Suite().Messages().LastText().rfind(
                "Die Mail wurde an berater@kanzlei.example versandt (Anhang: EXTF_", 0),
            0u)
      << demo.Suite().Messages().LastText();

  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 1u);
  ASSERT_FALSE(mails[0].attachments.empty());
  for (const auto& anhang : mails[0].attachments) {
    std::ifstream datei(demo.Suite().Dir() / "export" / anhang.name, std::ios::binary);
    ASSERT_TRUE(datei) << anhang.name;
    EXPECT_EQ(anhang.data, std::string(std::istreambuf_iterator<char>(datei), {})) << anhang.name;
  }
}

}  // namespace

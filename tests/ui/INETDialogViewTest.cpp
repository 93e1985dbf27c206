#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "DialogAntwort.h"
#include "QtDialogeInstalliert.h"
#include "UiTestSupport.h"
#include "support/TestSuite.h"
#include "ui/INETDialogView.h"
#include "ui/UiText.h"

namespace {

TInetVerbindung Entry(const std::string& name, TInetProtokoll protokoll) {
  TInetVerbindung v;
  v.Name = name;
  v.Protokoll = protokoll;
  v.Host = name == "Steuerberater" ? "sftp.stb.example" : "ftp.example";
  v.Benutzer = "kunde";
  v.Passwort = "geheim";
  v.Verzeichnis = "/import";
  return v;
}

template <typename Widget>
Widget& Teil(QWidget& view, const char* name) {
  auto* widget = view.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return *widget;
}

}  // namespace

TEST(INETDialogView, ListsEntriesAddsOneAndReturnsTheChoice) {
  TestSuite suite;
  TInetVerbindungen::Speichern(Entry("Hausbank", TInetProtokoll::FTPS));
  TInetVerbindungen::Speichern(Entry("Steuerberater", TInetProtokoll::SFTP));

  TINETDialog logik("Steuerberater");
  TINETDialogView view(logik);
  Bildschirmfoto(view, "inet_verbindungen");
  ASSERT_EQ(view.Tabelle().rowCount(), 2);
  EXPECT_EQ(view.Tabelle().currentRow(), 1);
  EXPECT_EQ(view.Tabelle().item(1, 2)->text(), QStringLiteral("sftp.stb.example:22"));
  EXPECT_FALSE(Teil<QGroupBox>(view, "").isEnabled());

  QTest::mouseClick(&Teil<QPushButton>(view, "btnNeu"), Qt::LeftButton);
  EXPECT_TRUE(view.findChild<QGroupBox*>()->isEnabled());
  EXPECT_FALSE(view.Tabelle().isEnabled());
  Teil<QLineEdit>(view, "edtName").setText(QStringLiteral("Lohnbüro"));
  QTest::keyClicks(&Teil<QLineEdit>(view, "edtHost"), "127.0.0.1");
  QTest::keyClicks(&Teil<QLineEdit>(view, "edtBenutzer"), "lohn");
  QTest::keyClicks(&Teil<QLineEdit>(view, "edtPasswort"), "pw");
  EXPECT_EQ(Teil<QLineEdit>(view, "edtPasswort").echoMode(), QLineEdit::Password);
  Bildschirmfoto(view, "inet_verbindung_neu");
  QTest::mouseClick(&Teil<QPushButton>(view, "btnSpeichern"), Qt::LeftButton);
  ASSERT_EQ(view.Tabelle().rowCount(), 3);
  EXPECT_EQ(logik.GewaehlterName(), "Lohnbüro");
  EXPECT_EQ(TInetVerbindungen::Lesen("Lohnbüro")->Passwort, "pw");

  // Editing shows the stored password as unchanged, never its characters.
  QTest::mouseClick(&Teil<QPushButton>(view, "btnBearbeiten"), Qt::LeftButton);
  EXPECT_TRUE(Teil<QLineEdit>(view, "edtPasswort").text().isEmpty());
  EXPECT_EQ(Teil<QLineEdit>(view, "edtPasswort").placeholderText(),
            QStringLiteral("(unverändert)"));
  QTest::mouseClick(&Teil<QPushButton>(view, "btnVerwerfen"), Qt::LeftButton);
  view.accept();
  EXPECT_EQ(view.result(), QDialog::Accepted);

  // Through the chooser the settings forms use.
  QtDialogeInstalliert dialoge;
  std::string name = "Hausbank";
  BeiDialog<TINETDialogView>([](TINETDialogView& dialog) {
    EXPECT_EQ(dialog.Tabelle().currentRow(), 0);
    dialog.Tabelle().setCurrentCell(2, 0);
    dialog.accept();
  });
  EXPECT_TRUE(InetVerbindungWaehlen(name));
  EXPECT_EQ(name, "Steuerberater");
  BeiDialog<TINETDialogView>([](TINETDialogView& dialog) { dialog.reject(); });
  EXPECT_FALSE(InetVerbindungWaehlen(name));
  EXPECT_EQ(name, "Steuerberater");
  SetInetVerbindungChooser(nullptr);
}

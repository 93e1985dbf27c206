#include "ui/QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

std::unique_ptr<QTranslator> QtUebersetzungLaden() {
  auto uebersetzung = std::make_unique<QTranslator>();
  if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return nullptr;
  }
  QCoreApplication::installTranslator(uebersetzung.get());
  return uebersetzung;
}

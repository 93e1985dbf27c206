// Texts cross between the logic (UTF-8 std::string) and Qt (QString) only here.
#pragma once

#include <QString>
#include <string>

inline QString Qt_(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline QString Qt_(const char* text) { return QString::fromUtf8(text); }
inline std::string Std_(const QString& text) { return text.toUtf8().toStdString(); }

// The suite separates message lines with CR; a Qt label breaks at LF.
inline QString MeldungsText(const std::string& text) {
  QString ergebnis = Qt_(text);
  ergebnis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  ergebnis.replace(QChar('\r'), QChar('\n'));
  return ergebnis;
}

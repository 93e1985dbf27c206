// The German texts of Qt's own buttons, shortcuts and dialogs (Ja/Nein, Abbrechen, Strg),
// so that a German program does not answer in English.
#pragma once

#include <QTranslator>
#include <memory>

// Installs Qt's German translation in the running application; null when none is
// installed on this system (Debian: qt6-translations-l10n). Removed again with the result.
std::unique_ptr<QTranslator> QtUebersetzungLaden();

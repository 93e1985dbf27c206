// Offscreen view tests: the application object and a PNG of each window under the build
// directory's screenshots/ folder.
#pragma once

#include <QString>
#include <QWidget>
#include <ostream>
#include <string>

// Shows the window, lets it lay out and saves it as NAME.png; the path written.
std::string Bildschirmfoto(QWidget& fenster, const std::string& name);

// Lets pending events run (layout, timers) without blocking.
void EreignisseVerarbeiten();

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

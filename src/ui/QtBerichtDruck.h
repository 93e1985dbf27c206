// The suite's report service on the desktop: a report drawn page by page with Qt's print
// support, shown in a print preview from which it goes to a printer or a PDF file.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "app/BuchungsDialoge.h"
#include "app/ListenBericht.h"

class QPrinter;
class QWidget;

// Rows per page of a report with this many heading lines on a page of this height (points).
std::size_t BerichtZeilenProSeite(double hoehePunkte, std::size_t kopfZeilen);

// Draws the report on the printer's pages; the number of pages.
int BerichtZeichnen(QPrinter& drucker, const TBericht& bericht);
// Writes the report as a PDF file (A4 landscape); the number of pages, 0 on failure.
int BerichtAlsPdf(const TBericht& bericht, const QString& datei);
// The print preview over eltern.
void BerichtVorschau(const TBericht& bericht, QWidget* eltern);

// Prints the booking list through the preview; the client's name from mandant.
class TQtListenDruck final : public IListenDruck {
 public:
  explicit TQtListenDruck(std::function<std::string()> mandant) : mandant_(std::move(mandant)) {}
  void Drucken(const TSaldixBearbeiten& liste, bool anhang) override;

 private:
  std::function<std::string()> mandant_;
};

#include "ui/QtBerichtDruck.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "ui/UiText.h"

namespace {

constexpr double kZeile = 12;        // line pitch in points
constexpr double kSchrift = 8;       // largest font of the rows in points
constexpr double kKleinsteSchrift = 4;
constexpr double kLuecke = 1.5;      // characters between two columns
constexpr double kEinzug = 2;        // characters per group level

void SeiteEinrichten(QPrinter& drucker) {
  drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

}  // namespace

std::size_t BerichtZeilenProSeite(double hoehePunkte, std::size_t kopfZeilen) {
  const auto zeilen = static_cast<std::size_t>(std::floor(hoehePunkte / kZeile));
  // Title, heading lines, a blank line and the column headings; a blank line and the page
  // number below.
  const std::size_t fest = 1 + kopfZeilen + 1 + 1 + 2;
  return zeilen > fest ? zeilen - fest : 1;
}

int BerichtZeichnen(QPrinter& drucker, const TBericht& bericht) {
  const QRectF flaeche = drucker.pageLayout().paintRect(QPageLayout::Point);
  const double u = drucker.resolution() / 72.0;  // device units per point
  const auto seiten =
      BerichtSeiten(bericht.Zeilen.size(), BerichtZeilenProSeite(flaeche.height(), bericht.Kopf.size()));

  QPainter maler;
  if (!maler.begin(&drucker)) return 0;
  // The columns share the width in proportion to their widest text; the font shrinks
  // until they fit.
  double zeichen = 0;
  for (const auto& spalte : bericht.Spalten) zeichen += static_cast<double>(spalte.Breite) + kLuecke;
  zeichen += kEinzug * 3;
  QFont schrift(QStringLiteral("DejaVu Sans"));
  schrift.setPointSizeF(kSchrift);
  const double zeichenBreite = QFontMetricsF(schrift, &drucker).averageCharWidth() / u;
  const double groesse = std::clamp(kSchrift * flaeche.width() / std::max(1.0, zeichen * zeichenBreite),
                                    kKleinsteSchrift, kSchrift);
  schrift.setPointSizeF(groesse);
  // At the smallest font the columns still share the width: their texts are cut.
  const double breite = std::min(QFontMetricsF(schrift, &drucker).averageCharWidth(),
                                  flaeche.width() * u / std::max(1.0, zeichen));
  QFont fett = schrift;
  fett.setBold(true);
  QFont titel = fett;
  titel.setPointSizeF(11);

  const auto zeile = [&](double y, double x, double w, const QString& text, bool rechts) {
    const QRectF rechteck(x, y * u, w, kZeile * u);
    const QString gekuerzt = maler.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(w));
    maler.drawText(rechteck, (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, gekuerzt);
  };
  const auto spalten = [&](double y, const std::vector<std::string>& zellen, int ebene, bool kopf) {
    double x = ebene * kEinzug * breite;
    for (std::size_t i = 0; i < bericht.Spalten.size(); ++i) {
      const double w = static_cast<double>(bericht.Spalten[i].Breite) * breite;
      const QString text = i < zellen.size() ? Qt_(zellen[i]) : QString();
      zeile(y, x, w, text, !kopf && bericht.Spalten[i].Rechts);
      x += w + kLuecke * breite;
    }
  };

  for (std::size_t s = 0; s < seiten.size(); ++s) {
    if (s > 0) drucker.newPage();
    double y = 0;
    maler.setFont(titel);
    zeile(y, 0, flaeche.width() * u, Qt_(bericht.Titel), false);
    y += kZeile;
    maler.setFont(schrift);
    for (const auto& kopf : bericht.Kopf) {
      zeile(y, 0, flaeche.width() * u, Qt_(kopf), false);
      y += kZeile;
    }
    y += kZeile;
    maler.setFont(fett);
    std::vector<std::string> titelZeile;
    for (const auto& spalte : bericht.Spalten) titelZeile.push_back(spalte.Titel);
    spalten(y, titelZeile, 0, true);
    y += kZeile;
    maler.drawLine(QPointF(0, y * u), QPointF(flaeche.width() * u, y * u));
    for (std::size_t i = seiten[s].first; i < seiten[s].second; ++i) {
      const auto& z = bericht.Zeilen[i];
      maler.setFont(z.Gruppe ? fett : schrift);
      spalten(y, z.Zellen, std::min(z.Ebene, 3), false);
      y += kZeile;
    }
    maler.setFont(schrift);
    const double fuss = std::floor(flaeche.height() / kZeile - 1) * kZeile;
    zeile(fuss, 0, flaeche.width() * u,
          QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten.size()), true);
  }
  maler.end();
  return static_cast<int>(seiten.size());
}

int BerichtAlsPdf(const TBericht& bericht, const QString& datei) {
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(datei);
  SeiteEinrichten(drucker);
  return BerichtZeichnen(drucker, bericht);
}

void BerichtVorschau(const TBericht& bericht, QWidget* eltern) {
  QPrinter drucker(QPrinter::HighResolution);
  SeiteEinrichten(drucker);
  QPrintPreviewDialog vorschau(&drucker, eltern);
  vorschau.setObjectName(QStringLiteral("Druckvorschau"));
  vorschau.setWindowTitle(Qt_(bericht.Titel));
  QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested,
                   [&bericht](QPrinter* p) { BerichtZeichnen(*p, bericht); });
  vorschau.resize(1100, 780);
  vorschau.exec();
}

void TQtListenDruck::Drucken(const TSaldixBearbeiten& liste, bool anhang) {
  BerichtVorschau(BuchungslisteBericht(liste, mandant_ ? mandant_() : std::string(), anhang),
                  QApplication::activeWindow());
}

#include "ui/QtKontoSuche.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

TKontoSucheView::TKontoSucheView(std::vector<TGewaehltesKonto> konten, QWidget* eltern)
    : QDialog(eltern), konten_(std::move(konten)) {
  setObjectName(QStringLiteral("TQTX_FibuSelektDialog"));
  setWindowTitle(Qt_("Kontensuche"));
  suchtext_ = new QLineEdit(this);
  suchtext_->setObjectName(QStringLiteral("edtSuchtext"));
  suchtext_->setPlaceholderText(Qt_("Nummer, Kürzel oder Bezeichnung"));
  tabelle_ = new QTableWidget(0, 4, this);
  tabelle_->setObjectName(QStringLiteral("tblKonten"));
  tabelle_->setHorizontalHeaderLabels(
      {Qt_("Nummer"), Qt_("Kürzel"), Qt_("Zusatz"), Qt_("Bezeichnung")});
  AlsAuswahlliste(*tabelle_);
  connect(suchtext_, &QLineEdit::textChanged, this, [this] { Filtern(); });
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(suchtext_);
  layout->addWidget(tabelle_);
  layout->addWidget(DialogKnoepfe(this));
  Filtern();
  resize(560, 420);
}

void TKontoSucheView::Filtern() {
  const QString text = suchtext_->text().trimmed();
  tabelle_->setRowCount(0);
  for (std::size_t i = 0; i < konten_.size(); ++i) {
    const auto& konto = konten_[i];
    const QStringList zellen = {QString::number(konto.Nummer), Qt_(konto.Name), Qt_(konto.Zusatz),
                                Qt_(konto.Bezeichnung)};
    bool passt = text.isEmpty();
    for (const QString& zelle : zellen) passt |= zelle.contains(text, Qt::CaseInsensitive);
    if (!passt) continue;
    const int zeile = tabelle_->rowCount();
    tabelle_->insertRow(zeile);
    for (int spalte = 0; spalte < zellen.size(); ++spalte) {
      auto& item = Zelle(*tabelle_, zeile, spalte, Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item.setText(zellen[spalte]);
      item.setData(Qt::UserRole, static_cast<qulonglong>(i));
    }
  }
  if (tabelle_->rowCount() > 0) tabelle_->selectRow(0);
}

void TKontoSucheView::accept() {
  const int zeile = tabelle_->currentRow();
  if (zeile < 0 || tabelle_->item(zeile, 0) == nullptr) return;
  gewaehlt_ = konten_.at(tabelle_->item(zeile, 0)->data(Qt::UserRole).toULongLong());
  QDialog::accept();
}

bool TQtKontoSuche::Suchen(const TIntPair& firma, TDateTime datum, TGewaehltesKonto& konto) {
  TKontoSucheView view(quelle_(firma, datum), QApplication::activeWindow());
  if (view.exec() != QDialog::Accepted) return false;
  konto = view.Gewaehlt();
  return true;
}

// Small helpers the views share: bringing a widget to the value its form logic holds,
// buttons that never fire on Enter by accident, and the wait cursor.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <cmath>
#include <string>

#include "suite/Types.h"
#include "ui/UiText.h"

// Each sets the widget only when it differs and without firing its change signals, so
// a value the logic refused snaps back and a cursor in an unchanged field stays put.
inline void Abgleichen(QLineEdit& edit, const std::string& wert) {
  const QString text = Qt_(wert);
  if (edit.text() == text) return;
  const QSignalBlocker sperre(edit);
  edit.setText(text);
}

inline void Abgleichen(QPlainTextEdit& edit, const std::string& wert) {
  const QString text = Qt_(wert);
  if (edit.toPlainText() == text) return;
  const QSignalBlocker sperre(edit);
  edit.setPlainText(text);
}

inline void Abgleichen(QAbstractButton& knopf, bool wert) {
  if (knopf.isChecked() == wert) return;
  const QSignalBlocker sperre(knopf);
  knopf.setChecked(wert);
}

// A table cell; created on first use with the given flags. The caller blocks the
// table's signals while it fills.
inline QTableWidgetItem& Zelle(QTableWidget& tabelle, int zeile, int spalte, Qt::ItemFlags flags) {
  QTableWidgetItem* item = tabelle.item(zeile, spalte);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(flags);
    tabelle.setItem(zeile, spalte, item);
  }
  return *item;
}

// A table to pick one whole row from, read-only: profiles, formats, settlements.
inline void AlsAuswahlliste(QTableWidget& tabelle) {
  tabelle.setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle.setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle.setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle.verticalHeader()->hide();
  tabelle.horizontalHeader()->setStretchLastSection(true);
}

inline void Abgleichen(QTableWidgetItem& item, const std::string& wert) {
  const QString text = Qt_(wert);
  if (item.text() != text) item.setText(text);
}

// A button of a form whose keys are handled by the form itself (F5, Esc): Enter in an
// input must not press it.
inline QPushButton* Knopf(const char* text, const char* name, QWidget* eltern,
                          const char* hinweis = nullptr) {
  auto* knopf = new QPushButton(Qt_(text), eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setAutoDefault(false);
  if (hinweis) knopf->setToolTip(Qt_(hinweis));
  return knopf;
}

// A page's headline, set apart from its controls.
inline QLabel* Ueberschrift(const char* text, QWidget* eltern) {
  auto* label = new QLabel(Qt_(text), eltern);
  QFont schrift = label->font();
  schrift.setBold(true);
  schrift.setPointSizeF(schrift.pointSizeF() * 1.15);
  label->setFont(schrift);
  label->setWordWrap(true);
  return label;
}

// The wait cursor for the duration of a fill.
class TWarteCursor {
 public:
  TWarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWarteCursor() { QApplication::restoreOverrideCursor(); }
  TWarteCursor(const TWarteCursor&) = delete;
  TWarteCursor& operator=(const TWarteCursor&) = delete;
};

inline void Abgleichen(QLabel& label, const std::string& wert) {
  const QString text = Qt_(wert);
  if (label.text() != text) label.setText(text);
}

// Day 0 of TDateTime (30.12.1899) as a Julian day; a date field shows it empty.
inline constexpr qint64 CTagNullJulianisch = 2415019;

inline QDate AlsQDate(TDateTime datum) {
  return QDate::fromJulianDay(CTagNullJulianisch + static_cast<qint64>(std::floor(datum)));
}

inline TDateTime AlsDatum(const QDate& datum) {
  return datum.isValid() ? static_cast<TDateTime>(datum.toJulianDay() - CTagNullJulianisch) : 0;
}

// A date input (dd.mm.yyyy with a calendar) in which "not set" shows as empty.
inline QDateEdit* Datumsfeld(const char* name, QWidget* eltern) {
  auto* feld = new QDateEdit(eltern);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  feld->setCalendarPopup(true);
  feld->setMinimumDate(AlsQDate(0));
  feld->setSpecialValueText(QStringLiteral(" "));
  feld->setDate(AlsQDate(0));
  return feld;
}

inline void Abgleichen(QDateEdit& feld, TDateTime datum) {
  const QDate neu = AlsQDate(datum);
  if (feld.date() == neu) return;
  const QSignalBlocker sperre(feld);
  feld.setDate(neu);
}

// A dialog's confirming and cancelling buttons, the first one the default.
struct TKnopfText {
  const char* text;
  const char* name;
};
inline QDialogButtonBox* DialogKnoepfe(QDialog* dialog, TKnopfText ok = {"OK", "btnOK"},
                                       TKnopfText abbrechen = {"Abbrechen", "btnCancel"}) {
  auto* knoepfe = new QDialogButtonBox(dialog);
  auto* okKnopf = knoepfe->addButton(Qt_(ok.text), QDialogButtonBox::AcceptRole);
  okKnopf->setObjectName(QString::fromLatin1(ok.name));
  okKnopf->setDefault(true);
  knoepfe->addButton(Qt_(abbrechen.text), QDialogButtonBox::RejectRole)
      ->setObjectName(QString::fromLatin1(abbrechen.name));
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return knoepfe;
}

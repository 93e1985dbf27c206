// The booking list's rows as a Qt item model: the tree of booking and group rows, a check
// box per row (tristate on groups), the shown columns in the order of the settings. Texts
// are formatted only when a cell is drawn, so a list of 100,000 bookings costs nothing
// until it is scrolled.
#pragma once

#include <QAbstractItemModel>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/SpaltenTag.h"

class TSaldixBearbeiten;

class TBuchungsListeModell final : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit TBuchungsListeModell(TSaldixBearbeiten& form, QObject* eltern = nullptr);

  // After the list was loaded or rebuilt: rows and columns anew.
  void Neu();
  // After marks changed: check boxes and amounts of every row, keeping the tree as it is.
  void MarkierungenGeaendert();

  // The list row behind an index (-1 for none), and the index of a list row.
  std::int32_t Zeile(const QModelIndex& index) const;
  QModelIndex IndexZuZeile(std::int32_t zeile, int spalte = 0) const;
  // The column showing a tag; -1 when it is hidden.
  int SpalteMitTag(TSpalte tag) const;
  std::optional<TSpalte> TagDerSpalte(int spalte) const;
  // Whether any row combines others (only then is there a tree to expand).
  bool HatGruppen() const { return hatGruppen_; }

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& index) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // A check box was clicked; the totals follow.
  void MarkierungGeklickt();

 private:
  // False for rows that the list no longer has (between a reload and Neu()).
  bool Bekannt(std::int32_t zeile) const;
  const std::vector<std::int32_t>* Mitglieder(std::int32_t eltern) const;

  TSaldixBearbeiten& form_;
  std::vector<TSpalte> spalten_;           // tags of the shown columns
  std::vector<std::int32_t> position_;  // each row's place among its siblings
  bool hatGruppen_ = false;
};

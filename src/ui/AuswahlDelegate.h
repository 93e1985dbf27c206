// A cell editor that offers a fixed list of texts in a drop-down; a choice is taken at
// once.
#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class TAuswahlDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  TAuswahlDelegate(QStringList auswahl, QObject* eltern);

  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  QStringList auswahl_;
};

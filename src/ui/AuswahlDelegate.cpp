#include "ui/AuswahlDelegate.h"

#include <QComboBox>

TAuswahlDelegate::TAuswahlDelegate(QStringList auswahl, QObject* eltern)
    : QStyledItemDelegate(eltern), auswahl_(std::move(auswahl)) {}

QWidget* TAuswahlDelegate::createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
  auto* combo = new QComboBox(eltern);
  combo->addItems(auswahl_);
  // createEditor is const by Qt's signature; handing the choice on is not.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    auto* self = const_cast<TAuswahlDelegate*>(this);
    emit self->commitData(combo);
    emit self->closeEditor(combo);
  });
  return combo;
}

void TAuswahlDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
}

void TAuswahlDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

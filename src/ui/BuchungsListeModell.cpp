#include "ui/BuchungsListeModell.h"

#include <QFont>

#include "app/SaldixBearb.h"
#include "ui/UiText.h"

namespace {

quintptr Kennung(std::int32_t zeile) { return static_cast<quintptr>(zeile) + 1; }

bool RechtsBuendig(TSpalte tag) {
  const TSpaltenTyp typ = SpaltenPlatz(tag).Typ;
  return typ == TSpaltenTyp::Dezimal || typ == TSpaltenTyp::Ganzzahl;
}

Qt::CheckState Haekchen(TMarkierung markierung) {
  switch (markierung) {
    case TMarkierung::Ja:
      return Qt::Checked;
    case TMarkierung::Teilweise:
      return Qt::PartiallyChecked;
    case TMarkierung::Nein:
      break;
  }
  return Qt::Unchecked;
}

}  // namespace

TBuchungsListeModell::TBuchungsListeModell(TSaldixBearbeiten& form, QObject* eltern)
    : QAbstractItemModel(eltern), form_(form) {
  Neu();
}

void TBuchungsListeModell::Neu() {
  beginResetModel();
  spalten_ = form_.Ansicht().SichtbareSpalten();
  const TBuchungsListe& liste = form_.Liste();
  position_.assign(liste.Anzahl(), 0);
  const auto& oberste = liste.Oberste();
  for (std::size_t i = 0; i < oberste.size(); ++i) {
    position_[static_cast<std::size_t>(oberste[i])] = static_cast<std::int32_t>(i);
  }
  hatGruppen_ = false;
  for (std::size_t zeile = 0; zeile < liste.Anzahl(); ++zeile) {
    const auto& kinder = liste.Zeile(static_cast<std::int32_t>(zeile)).Kinder;
    hatGruppen_ = hatGruppen_ || !kinder.empty();
    for (std::size_t i = 0; i < kinder.size(); ++i) {
      position_[static_cast<std::size_t>(kinder[i])] = static_cast<std::int32_t>(i);
    }
  }
  endResetModel();
}

void TBuchungsListeModell::MarkierungenGeaendert() {
  const int oberste = rowCount();
  if (oberste == 0 || spalten_.empty()) return;
  // One signal over the top level: the tree repaints all it shows, members included. A
  // signal per group would cost a year of bookings more than the repaint itself.
  emit dataChanged(index(0, 0), index(oberste - 1, static_cast<int>(spalten_.size()) - 1),
                   {Qt::DisplayRole, Qt::CheckStateRole});
}

bool TBuchungsListeModell::Bekannt(std::int32_t zeile) const {
  return zeile >= 0 && static_cast<std::size_t>(zeile) < position_.size() &&
         static_cast<std::size_t>(zeile) < form_.Liste().Anzahl();
}

const std::vector<std::int32_t>* TBuchungsListeModell::Mitglieder(std::int32_t eltern) const {
  if (eltern < 0) return &form_.Liste().Oberste();
  return Bekannt(eltern) ? &form_.Liste().Zeile(eltern).Kinder : nullptr;
}

std::int32_t TBuchungsListeModell::Zeile(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return -1;
  const auto zeile = static_cast<std::int32_t>(index.internalId() - 1);
  return Bekannt(zeile) ? zeile : -1;
}

QModelIndex TBuchungsListeModell::IndexZuZeile(std::int32_t zeile, int spalte) const {
  if (!Bekannt(zeile) || spalte < 0 || spalte >= columnCount()) return {};
  return createIndex(position_[static_cast<std::size_t>(zeile)], spalte, Kennung(zeile));
}

int TBuchungsListeModell::SpalteMitTag(TSpalte tag) const {
  for (std::size_t i = 0; i < spalten_.size(); ++i) {
    if (spalten_[i] == tag) return static_cast<int>(i);
  }
  return -1;
}

std::optional<TSpalte> TBuchungsListeModell::TagDerSpalte(int spalte) const {
  if (spalte < 0 || static_cast<std::size_t>(spalte) >= spalten_.size()) return std::nullopt;
  return spalten_[static_cast<std::size_t>(spalte)];
}

QModelIndex TBuchungsListeModell::index(int row, int column, const QModelIndex& parent) const {
  if (column < 0 || column >= columnCount() || row < 0) return {};
  const std::int32_t eltern = parent.isValid() ? Zeile(parent) : -1;
  if (parent.isValid() && eltern < 0) return {};
  const auto* mitglieder = Mitglieder(eltern);
  if (mitglieder == nullptr || static_cast<std::size_t>(row) >= mitglieder->size()) return {};
  const std::int32_t zeile = (*mitglieder)[static_cast<std::size_t>(row)];
  if (!Bekannt(zeile)) return {};
  return createIndex(row, column, Kennung(zeile));
}

QModelIndex TBuchungsListeModell::parent(const QModelIndex& index) const {
  const std::int32_t zeile = Zeile(index);
  if (zeile < 0) return {};
  const std::int32_t eltern = form_.Liste().Zeile(zeile).Eltern;
  return eltern < 0 ? QModelIndex() : IndexZuZeile(eltern);
}

int TBuchungsListeModell::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  const std::int32_t eltern = parent.isValid() ? Zeile(parent) : -1;
  if (parent.isValid() && eltern < 0) return 0;
  const auto* mitglieder = Mitglieder(eltern);
  return mitglieder == nullptr ? 0 : static_cast<int>(mitglieder->size());
}

int TBuchungsListeModell::columnCount(const QModelIndex&) const {
  return static_cast<int>(spalten_.size());
}

QVariant TBuchungsListeModell::data(const QModelIndex& index, int role) const {
  const std::int32_t zeile = Zeile(index);
  const std::optional<TSpalte> spalte = TagDerSpalte(index.column());
  if (zeile < 0 || !spalte) return {};
  const TSpalte tag = *spalte;
  const TListenZeile& z = form_.Liste().Zeile(zeile);
  switch (role) {
    case Qt::DisplayRole:
      return Qt_(z.Werte().Anzeige(tag));
    case Qt::CheckStateRole:
      if (index.column() != 0) return {};
      return Haekchen(form_.Liste().Markierung(zeile));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (RechtsBuendig(tag) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
      if (!z.IstGruppe) return {};
      {
        QFont fett;
        fett.setBold(true);
        return fett;
      }
    case Qt::ToolTipRole:
      return z.IstGruppe && index.column() == 0 ? Qt_(z.Gruppe) : QVariant();
    default:
      return {};
  }
}

bool TBuchungsListeModell::setData(const QModelIndex& index, const QVariant& value, int role) {
  const std::int32_t zeile = Zeile(index);
  if (role != Qt::CheckStateRole || zeile < 0 || index.column() != 0) return false;
  form_.SetMarkierung(zeile, value.toInt() == Qt::Checked);
  MarkierungenGeaendert();
  emit MarkierungGeklickt();
  return true;
}

Qt::ItemFlags TBuchungsListeModell::flags(const QModelIndex& index) const {
  if (Zeile(index) < 0) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == 0) f |= Qt::ItemIsUserCheckable;
  return f;
}

QVariant TBuchungsListeModell::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  const std::optional<TSpalte> tag = TagDerSpalte(section);
  if (orientation != Qt::Horizontal || !tag) return {};
  if (role == Qt::DisplayRole) {
    const auto* spalte = SpalteZuTag(*tag);
    return spalte == nullptr ? QVariant() : Qt_(std::string(spalte->ColName));
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (RechtsBuendig(*tag) ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

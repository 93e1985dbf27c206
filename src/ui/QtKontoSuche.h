// The suite's accounting selection dialog: the client's accounts, narrowed by a search
// text; Enter or a double click picks one.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "data/FBDEDialogDienste.h"

class QLineEdit;
class QTableWidget;

using TKontenQuelle = std::function<std::vector<TGewaehltesKonto>(const TIntPair&, TDateTime)>;

class TKontoSucheView final : public QDialog {
  Q_OBJECT

 public:
  TKontoSucheView(std::vector<TGewaehltesKonto> konten, QWidget* eltern = nullptr);
  // The picked account; valid after the dialog was accepted.
  const TGewaehltesKonto& Gewaehlt() const { return gewaehlt_; }
  QTableWidget& Tabelle() { return *tabelle_; }
  QLineEdit& Suchtext() { return *suchtext_; }

  void accept() override;

 private:
  void Filtern();

  std::vector<TGewaehltesKonto> konten_;
  TGewaehltesKonto gewaehlt_;
  QLineEdit* suchtext_;
  QTableWidget* tabelle_;
};

class TQtKontoSuche final : public IKontoSuche {
 public:
  explicit TQtKontoSuche(TKontenQuelle quelle) : quelle_(std::move(quelle)) {}
  bool Suchen(const TIntPair& firma, TDateTime datum, TGewaehltesKonto& konto) override;

 private:
  TKontenQuelle quelle_;
};

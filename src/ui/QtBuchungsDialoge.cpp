#include "ui/QtBuchungsDialoge.h"

#include <QApplication>

#include "data/FBDEDialogVorbelegung.h"
#include "suite/QTXProgramm.h"
#include "ui/SaldixFBDEEditView.h"
#include "ui/SaldixFBDENeuView.h"

TQtBuchungsDialoge::TQtBuchungsDialoge(TSaldixDataModule& dm)
    : daten_(dm), suche_([this](const TIntPair& firma, TDateTime datum) {
        return daten_.Kontenliste(firma, datum);
      }) {}

bool TQtBuchungsDialoge::Bearbeiten(const std::vector<TIntTrio>& idents) {
  TfrmSaldixFBDEEdit logik(daten_);
  EditVorbelegen(logik, daten_, idents,
                 idents.empty() ? std::nullopt : daten_.Buchung(idents.front()));
  TSaldixFBDEEditView view(logik, QApplication::activeWindow());
  view.exec();
  return logik.ModalResult() == mrOk;
}

bool TQtBuchungsDialoge::NeueBuchung(const std::optional<TIntTrio>& vorlage,
                                     const TIntPair& firma, TDateTime datum) {
  TfrmSaldixFBDENeu logik(daten_, suche_);
  NeuVorbelegen(logik, vorlage ? daten_.Buchung(*vorlage) : std::nullopt, firma, datum,
                QTXProgramm().GetWaehrung());
  TSaldixFBDENeuView view(logik, QApplication::activeWindow());
  view.exec();
  return logik.ModalResult() == mrOk;
}

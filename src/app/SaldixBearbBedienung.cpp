// The booking list's actions that a window offers beyond the list's own rules: the check
// box of a row, editing and adding bookings by hand, and printing.
#include "app/SaldixBearb.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"

void TSaldixBearbeiten::SetMarkierung(std::int32_t zeile, bool markiert) {
  Guarded("TSaldixBearbeiten.vrtDetailsChecked", [&] {
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= liste_.Anzahl()) return;
    liste_.SetMarkiert(zeile, markiert);
    MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::NachDialog(bool geschrieben) {
  if (!geschrieben) return;
  ListeLaden();
  liste_.AlleMarkieren();
  MarkierungGeaendert();
}

void TSaldixBearbeiten::acBearbeitenExecute() {
  Guarded("TSaldixBearbeiten.acBearbeitenExecute", [&] {
    if (!FExportErlaubt || buchungsDialoge_ == nullptr) return;
    std::vector<TIntTrio> idents;
    if (auswahl_ >= 0 && static_cast<std::size_t>(auswahl_) < liste_.Anzahl()) {
      idents = liste_.Idents(auswahl_, false);
    }
    NachDialog(buchungsDialoge_->Bearbeiten(idents));
  });
}

void TSaldixBearbeiten::acMultiBearbExecute() {
  Guarded("TSaldixBearbeiten.acMultiBearbExecute", [&] {
    if (!FExportErlaubt || buchungsDialoge_ == nullptr) return;
    std::vector<TIntTrio> idents;
    for (std::int32_t zeile : liste_.Oberste()) {
      const auto teil = liste_.Idents(zeile, true);
      idents.insert(idents.end(), teil.begin(), teil.end());
    }
    NachDialog(buchungsDialoge_->Bearbeiten(idents));
  });
}

void TSaldixBearbeiten::acNeueBuchungExecute() {
  Guarded("TSaldixBearbeiten.acNeueBuchungExecute", [&] {
    if (!FExportErlaubt || buchungsDialoge_ == nullptr) return;
    std::optional<TIntTrio> vorlage;
    if (auswahl_ >= 0 && static_cast<std::size_t>(auswahl_) < liste_.Anzahl()) {
      const auto idents = liste_.Idents(auswahl_, false);
      if (!idents.empty()) vorlage = idents.front();
    }
    const TDateTime datum = DatumBis > 0 ? DatumBis : qtx_Date();
    NachDialog(buchungsDialoge_->NeueBuchung(vorlage, FFirma, datum));
  });
}

void TSaldixBearbeiten::acDruckenExecute() {
  Guarded("TSaldixBearbeiten.acDruckenExecute", [&] {
    if (listenDruck_ != nullptr) listenDruck_->Drucken(*this, false);
  });
}

void TSaldixBearbeiten::acDruckenAnhangExecute() {
  Guarded("TSaldixBearbeiten.acDruckenAnhangExecute", [&] {
    if (listenDruck_ != nullptr) listenDruck_->Drucken(*this, true);
  });
}

// The booking list's actions that a window offers beyond the list's own rules: the check
// box of a row, and the editing and printing that this version does not have.
#include "app/SaldixBearb.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"

namespace {

void NichtEnthalten(const char* kontext, const std::string& was) {
  Guarded(kontext, [&] {
    QTXInfo().QTXHinweisBox(was + " ist in dieser Version von Saldix nicht enthalten.");
  });
}

}  // namespace

void TSaldixBearbeiten::SetMarkierung(std::int32_t zeile, bool markiert) {
  Guarded("TSaldixBearbeiten.vrtDetailsChecked", [&] {
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= liste_.Anzahl()) return;
    liste_.SetMarkiert(zeile, markiert);
    MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::acBearbeitenExecute() {
  NichtEnthalten("TSaldixBearbeiten.acBearbeitenExecute", "Das Bearbeiten von Buchungen");
}

void TSaldixBearbeiten::acMultiBearbExecute() {
  NichtEnthalten("TSaldixBearbeiten.acMultiBearbExecute", "Die Gruppenbearbeitung");
}

void TSaldixBearbeiten::acNeueBuchungExecute() {
  NichtEnthalten("TSaldixBearbeiten.acNeueBuchungExecute", "Das Einfügen neuer Buchungen");
}

void TSaldixBearbeiten::acDruckenExecute() {
  NichtEnthalten("TSaldixBearbeiten.acDruckenExecute", "Das Drucken der Liste");
}

void TSaldixBearbeiten::acDruckenAnhangExecute() {
  NichtEnthalten("TSaldixBearbeiten.acDruckenAnhangExecute", "Das Drucken des Anhangs");
}

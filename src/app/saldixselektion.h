// Logic of the selection dialog "Auswahl der Daten": a period within one settlement year
// (an open settlement) or an already exported settlement, before the booking list opens.
#pragma once

#include <cstdint>
#include <string>

#include "app/SaldixBearb.h"
#include "data/AbrechnungsDienst.h"
#include "suite/MessagePresenter.h"
#include "suite/Types.h"

// What the dialog asks of the data module.
class ISelektionDaten {
 public:
  virtual ~ISelektionDaten() = default;
  virtual TIntPair AktMandant() = 0;
  virtual IAbrechnungsDienst& Abrechnungen() = 0;
};

class TfrmFiBuSelektion {
 public:
  static constexpr const char* Caption = "Auswahl der Daten";
  static constexpr const char* CMeldungWirtschaftsjahr =
      "Der Zeitraum muss innerhalb eines Wirtschaftsjahres liegen.";
  static constexpr const char* CMeldungZeitraum = "Bitte den Zeitraum füllen.";

  TfrmFiBuSelektion(ISelektionDaten& daten, IAbrechnungsWahl& journal)
      : daten_(daten), journal_(journal) {}

  // The twelve month names of the month choice, January first.
  static const char* const Monate[12];

  void FormShow();
  // Year field or month choice changed: the period becomes that month.
  void JahrOderMonatGeaendert();
  void SetJahr(const std::string& jahr);
  void SetMonat(int monat);  // 1..12
  // "Abgeschlossene Abrechnung einlesen" toggles which group is usable.
  void SetAbgeschlossen(bool abgeschlossen);
  // "Liste abgeschlossener Abrechnungen": the journal dialog, then "Weiter".
  void btnListeClick();
  void btnWeiterClick();
  void btnZurueckClick() { modalResult_ = mrCancel; }

  // What the view shows and edits.
  std::string edtDatumVon, edtDatumBis, edtJahr, edtAbrNr, edtAbrJahr;
  int Monat = 1;
  bool Abgeschlossen = false;
  bool ZeitraumAktiv() const { return !Abgeschlossen; }
  bool AbrechnungsNrAktiv() const { return Abgeschlossen; }
  // The input that has the focus: "edtDatumVon" after showing.
  const char* Fokus() const { return fokus_; }

  // 0 while open; mrOk or mrCancel once closed.
  int ModalResult() const { return modalResult_; }

  bool FNachAbrNr = false;
  std::int32_t FAbrNr = 0, FAbrJahr = 0;
  TDateTime FDatumVon = 0, FDatumBis = 0;

 private:
  void Zeitraum(TDateTime von, TDateTime bis);

  ISelektionDaten& daten_;
  IAbrechnungsWahl& journal_;
  const char* fokus_ = "";
  int modalResult_ = 0;
};

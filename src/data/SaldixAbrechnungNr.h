// Logic of the dialog in which the user changes the settlement number and year.
#pragma once

#include <string>

#include "suite/MessagePresenter.h"

class TSaldixAbrechnungsNr {
 public:
  static constexpr const char* Caption = "Änderung der Abrechnungsnummer";
  static constexpr const char* Ueberschrift = "Abrechnungsnummer";
  // Both inputs are four characters wide.
  static constexpr int MaxAbrNr = 9999;
  static constexpr int MinJahr = 1900;
  static constexpr int MaxJahr = 9999;

  // Set by the caller before showing; both 0 after creation.
  int FAbrNrLfd = 0;
  int FAbrNrJahr = 0;

  // The texts of the two inputs, as the view shows and edits them.
  std::string edtAbrNrLfd;
  std::string edtAbrNrJahr;

  void FormShow();
  // Takes the inputs only when both are valid; otherwise the dialog stays open.
  void btnOKClick();
  void btnCancelClick();

  // 0 while open; mrOk or mrCancel once closed.
  int ModalResult() const { return modalResult_; }
  // The input that has the focus after showing.
  const char* FocusedInput() const { return focused_; }

 private:
  int modalResult_ = 0;
  const char* focused_ = "";
};

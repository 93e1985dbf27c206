// Logic of the dialog "Bearbeitung der FiBu-Daten": changes description, VAT id, payment-
// means addition and cost centres of one or more selected bookings together.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/FBDEDialogDienste.h"
#include "suite/MessagePresenter.h"

// A cost-centre choice: the client's cost centres, the first entry standing for none.
struct TKostenstellenWahl {
  std::vector<TNummerEintrag> Eintraege;
  std::size_t Index = 0;

  void Fuellen(const std::vector<TNummerEintrag>& kostenstellen);
  // The first entry with this number, else entry 0.
  void Waehlen(std::int32_t nummer);
  // The chosen entry's number; 0 when it carries none.
  std::int32_t Nummer() const;
};

class TfrmSaldixFBDEEdit {
 public:
  static constexpr const char* Caption = "Bearbeitung der FiBu-Daten";
  static constexpr std::size_t MaxBeschreibung = 20;
  static constexpr std::size_t MaxUstId = 14;
  static constexpr std::size_t MaxZMZusatz = 40;

  explicit TfrmSaldixFBDEEdit(IFBDEDialogDaten& daten);

  // Set by the caller before showing.
  std::vector<TIntTrio> FIdentArray;
  std::string FKontoGegenKonto, FBetragSollHaben;
  std::string FBeschreibung, FUStId, FZMZusatz;
  std::int32_t FKost1 = 0, FKost2 = 0;

  // The inputs as the view shows and edits them.
  std::string edtBeschreibung, edtUstId, edtZMZusatz;
  TKostenstellenWahl cmbKost1, cmbKost2;

  void FormShow();
  // "Buchen" (F5): writes and closes with OK; stays open when the write failed.
  void btnBuchenClick();
  void btnAbbrechenClick() { modalResult_ = mrCancel; }

  bool BuchenEnabled() const { return buchenEnabled_; }
  int ModalResult() const { return modalResult_; }
  const char* FocusedInput() const { return "edtBeschreibung"; }

 private:
  IFBDEDialogDaten& daten_;
  bool buchenEnabled_ = false;
  int modalResult_ = 0;
};

// Cuts a text to a number of characters (the inputs' limits).
std::string EingabeKuerzen(const std::string& text, std::size_t zeichen);

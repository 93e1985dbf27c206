// Logic of the dialog "Neuer Buchungssatz": writes a manual booking, split into a net and
// a tax booking when a tax key is chosen. Both are written under one booking transaction:
// either both land or neither does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/FBDEDialogDienste.h"
#include "data/SaldixFBDEEdit.h"
#include "suite/MessagePresenter.h"

class TfrmSaldixFBDENeu {
 public:
  static constexpr const char* Caption = "Neuer Buchungssatz";
  static constexpr std::size_t MaxBeschreibung = 20;
  static constexpr std::size_t MaxUstId = 14;
  static constexpr std::size_t MaxBetrag = 20;
  static constexpr std::size_t MaxKonto = 8;
  static constexpr std::size_t MaxKontoTxt = 20;
  static constexpr std::size_t MaxBeleg = 6;
  static constexpr int CHaben = 0, CSoll = 1;
  static constexpr int CSperreManuell = 53;

  TfrmSaldixFBDENeu(IFBDEDialogDaten& daten, IKontoSuche& suche);

  // Set by the caller before showing: a copy of the selected booking.
  TIntPair FFirma;
  std::string FWaehrung;
  std::int32_t FRechner = 0, FFiliale = 0;
  std::string FBeschreibung, FUStId;
  std::int32_t FKost1 = 0, FKost2 = 0;
  std::string FKonto, FKontoZusatz, FGegenkonto, FGegenkontoZusatz;
  TDateTime FDatum = 0;
  std::string FBeleg1, FBeleg2;
  long double FBetrag = 0;  // debit minus credit
  std::string FSteuerschl;

  // The numbers of the accounts shown.
  std::int32_t FKontoNr = 0, FGegenkontoNr = 0;

  // The inputs as the view shows and edits them.
  std::string edtBetrag, edtKonto, edtGegenkonto, edtKontoTxt, edtGegenkontoTxt, edtDatum,
      edtBeleg1, edtBeleg2, edtBeschreibung, edtUstId;
  int cmbSollHaben = -1;  // -1 none, 0 "Haben", 1 "Soll"
  std::vector<std::string> cmbSteuerschlEintraege;
  int cmbSteuerschl = 0;
  std::vector<std::int32_t> cmbRechnerWerte;
  int cmbRechner = -1;
  TKostenstellenWahl cmbKost1, cmbKost2;

  void FormShow();
  // Leaving the account inputs: a new number is looked up; one that names no account
  // clears the account and opens the search.
  void edtKontoExit();
  void edtGegenkontoExit();
  // F2 on the account inputs.
  void KontoSuchen();
  void GegenkontoSuchen();
  // The checks before writing; false (after its message) at the first that fails.
  bool Testen();
  // "Buchen" (F5).
  void btnBuchenClick();
  void btnAbbrechenClick() { modalResult_ = mrCancel; }

  int ModalResult() const { return modalResult_; }
  const std::string& FocusedInput() const { return fokus_; }
  // Identities written by the last successful "Buchen" (net, then tax booking).
  const std::vector<TIntTrio>& Geschrieben() const { return geschrieben_; }

 private:
  struct TKontoFeld {
    std::string& Name;
    std::string& Zusatz;
    std::int32_t& Nummer;
    std::string& Eingabe;
    std::string& Text;
  };
  TKontoFeld Konto() { return {FKonto, FKontoZusatz, FKontoNr, edtKonto, edtKontoTxt}; }
  TKontoFeld Gegenkonto() {
    return {FGegenkonto, FGegenkontoZusatz, FGegenkontoNr, edtGegenkonto, edtGegenkontoTxt};
  }
  void KontoAnzeigen(TKontoFeld feld);
  void KontoVerlassen(TKontoFeld feld, const char* eingabe);
  void Suchen(TKontoFeld feld);
  bool Fehler(const char* text, const char* eingabe);
  TDateTime Datum() const;
  std::int32_t Rechner() const;

  IFBDEDialogDaten& daten_;
  IKontoSuche& suche_;
  int modalResult_ = 0;
  std::string fokus_;
  std::vector<TIntTrio> geschrieben_;
};

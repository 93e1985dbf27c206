// Logic of the dialog in which the user picks a completed settlement from the export
// journal to show its bookings, or deletes it so that its bookings can be exported again.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/AbrechnungsJournal.h"
#include "data/AbrechnungsVerlauf.h"
#include "suite/DateiAnzeige.h"
#include "suite/Types.h"

// What the dialog needs from the data module.
class IAuswFBEXDaten {
 public:
  virtual ~IAuswFBEXDaten() = default;
  virtual bool ExportErlaubt() = 0;
  virtual TIntPair AktMandant() = 0;
  virtual std::string AktTextMandant() = 0;
  virtual std::string GEPGet_Name(const TIntPair& gepNr) = 0;
  // The suite's client choice; false when cancelled.
  virtual bool MandantWaehlen(TIntPair& mandant, std::string& name) = 0;
  // Makes the client current with its name and re-reads its short number.
  virtual void MandantSetzen(const TIntPair& mandant, const std::string& name) = 0;
  // Deletes the settlement after the user's confirmation; true when it was deleted.
  virtual bool FBEX_Loeschen(const TIntPair& firma, int abrNr, int abrJahr) = 0;
};

class TSaldixAuswFBEX {
 public:
  static constexpr const char* Caption = "Auswahl der abgeschlossenen Abrechnung";
  static constexpr int Spalten = 7;
  using TGridZeile = std::array<std::string, Spalten>;
  static const TGridZeile Kopfzeile;

  // Creation: the delete button only for a workstation that may change bookings.
  TSaldixAuswFBEX(IAuswFBEXDaten& daten, suitedb::Connection& connection);

  void FormShow();
  // Refills the grid when the year input holds another year than the grid shows.
  void edtJahrExit();
  void btnMandantClick();
  void btnMandantLoeschenClick();
  void btnOKClick();
  void grdExportsDblClick() { btnOKClick(); }
  // OK that also asks for the chosen settlement to be exported again at once (re-issue);
  // offered only where the caller can export and the workstation may.
  void btnErneutAusgebenClick();
  void SetErneutAusgebenAngeboten(bool angeboten);
  bool btnErneutAusgebenVisible = false;
  bool ErneutAusgeben() const { return erneutAusgeben_; }
  void btnLoeschenClick();
  void btnCancelClick();
  void grdExports_Fuellen();

  // The selected settlement's history, oldest first: one line per event, then its files.
  std::vector<std::string> Verlauf() const;
  // The files of the selected settlement's last export or re-issue.
  std::vector<std::string> Dateien() const;
  // The desktop hands the selected settlement's (first) file or its folder to the system.
  void SetDateiAnzeige(IDateiAnzeige* anzeige) { dateiAnzeige_ = anzeige; }
  void btnDateiAnzeigenClick();
  void btnOrdnerOeffnenClick();

  // What the view shows and edits.
  std::string lblMandant;
  std::string edtJahr;
  bool btnLoeschenVisible = false;
  bool btnLoeschenEnabled = false;
  // Data rows below the header row; the selected one, -1 for none. Deleted settlements
  // follow the valid ones: their history can be read, nothing else done with them.
  const std::vector<TGridZeile>& grdExports() const { return texte_; }
  static constexpr const char* GeloeschtVermerk = " (gelöscht)";
  int Row = -1;

  // 0 while open; mrOk or mrCancel once closed.
  int ModalResult() const { return modalResult_; }
  // The chosen settlement after OK.
  TIntPair Firma() const { return gewaehlt_.Firma; }
  int AbrNr() const { return gewaehlt_.AbrNr; }
  int AbrJahr() const { return gewaehlt_.AbrJahr; }
  TDateTime DatumVon() const { return gewaehlt_.DatumVon; }
  TDateTime DatumBis() const { return gewaehlt_.DatumBis; }

 private:
  // The selected data row when it holds a settlement (deleted ones included or not).
  const TFBEXZeile* AusgewaehlteAbrechnung(bool auchGeloeschte = false) const;
  void Fuellen();
  void GeloeschteAnfuegen();

  IAuswFBEXDaten& daten_;
  TAbrechnungsJournal fbexfile;
  suitedb::Connection& connection_;
  IDateiAnzeige* dateiAnzeige_ = nullptr;
  TIntPair mandant_;
  int jahr_ = 0;
  std::vector<TGridZeile> texte_;
  // The journal line each data row was built from; empty for the blank row.
  std::vector<TFBEXZeile> zeilen_;
  std::vector<bool> geloescht_;
  TFBEXZeile gewaehlt_;
  int modalResult_ = 0;
  bool erneutAusgeben_ = false;
};

class TSaldixDataModule;

// The data module as the settlement choice uses it.
class TAuswFBEXDatenmodul final : public IAuswFBEXDaten {
 public:
  explicit TAuswFBEXDatenmodul(TSaldixDataModule& modul) : modul_(modul) {}

  bool ExportErlaubt() override;
  TIntPair AktMandant() override;
  std::string AktTextMandant() override;
  std::string GEPGet_Name(const TIntPair& gepNr) override;
  bool MandantWaehlen(TIntPair& mandant, std::string& name) override;
  void MandantSetzen(const TIntPair& mandant, const std::string& name) override;
  bool FBEX_Loeschen(const TIntPair& firma, int abrNr, int abrJahr) override;

 private:
  TSaldixDataModule& modul_;
};

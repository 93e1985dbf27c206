// Settings form of the Abacus export (logic only): the client grid with the Abacus client
// number, cost-centre range and switches, the output choice, the tax codes and the debtor
// interface with its customer-number range and output.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "export/FibuExportFrm.h"
#include "formats/abacus/FibuExporter_Abacus.h"

namespace abacus {

struct TAbacusMandantZeile {
  bool Aktiv = false;
  int KurzNr = 0;
  std::string Mandant;  // the client's name
  TIntPair GepNr;       // hidden column
  int AbacusMandant = 0;
};

// One output choice: local directory or a connection of the suite.
struct TAbacusAusgabe {
  TFibuExpMedium Medium = femDisc;
  std::string Verzeichnis;  // the local button's text
  std::string Verbindung;   // the FTP button's text
};

class TfrmFibuExpAbacus : public TfrmFibuExport {
 public:
  static constexpr const char* CSeiteSteuer = "Steuer-Codes";
  static constexpr const char* CSeiteDebitoren = "Debitoren-Schnittstelle";
  // The ten editable tax classes in the order the page shows them, with their captions.
  struct TSteuerZeile {
    TQTX_FibuExport_Steuer Steuer;
    const char* Bezeichnung;
  };
  static const std::array<TSteuerZeile, 10>& SteuerZeilen();

  std::string_view FormatKennung() const override { return TFibuExporter_Abacus::CKennung; }
  std::string_view ClassName() const override { return "TfrmFibuExpAbacus"; }

  void btnSteuerClick() { ZeigeSeite(CSeiteSteuer); }
  void btnDebitorenClick() { ZeigeSeite(CSeiteDebitoren); }

  // Client grid.
  const std::vector<TAbacusMandantZeile>& MandantZeilen() const { return FMandantZeilen; }
  void SetMandantAktiv(std::size_t zeile, bool aktiv);
  // The "Abacus-Mandant" cell: at most 6 digits; false (nothing changed) otherwise.
  bool SetAbacusMandant(std::size_t zeile, const std::string& text);

  // Cost-centre range and switches.
  const std::string& KostVon() const { return FKostVon; }
  const std::string& KostBis() const { return FKostBis; }
  bool SetKostVon(const std::string& text);  // up to 9 digits
  bool SetKostBis(const std::string& text);
  bool Sammelbuchung = false;
  bool MandantExport = false;
  bool Vereinnahmt = false;
  bool MitBelegnummer = false;

  // Output of the general-ledger file and of the debtor files.
  TAbacusAusgabe Ausgabe;
  TAbacusAusgabe AusgabeDebi;
  // The buttons: a directory choice, or the suite's connection chooser.
  void btnVerzeichnisClick(bool debi);
  void btnVerbindungClick(bool debi);
  // Only the controls of the chosen output are enabled (debtor ones only with the interface).
  bool VerzeichnisAktiv(bool debi) const;
  bool VerbindungAktiv(bool debi) const;

  // Tax codes: at most 4 characters, enabled only with automatic accounts.
  bool Automatikkonten = false;
  const std::string& Steuercode(TQTX_FibuExport_Steuer steuer) const;
  void SetSteuercode(TQTX_FibuExport_Steuer steuer, const std::string& code);
  bool SteuercodesAktiv() const { return Automatikkonten; }

  // Debtor interface.
  bool MitDebitoren = false;
  const std::string& KundenNrVon() const { return FKundenNrVon; }
  const std::string& KundenNrBis() const { return FKundenNrBis; }
  bool SetKundenNrVon(const std::string& text);  // up to 9 digits
  bool SetKundenNrBis(const std::string& text);
  bool DebitorenAktiv() const { return MitDebitoren; }

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override;
  TFibuExporter_Abacus& AbacusExporter() const;

 private:
  bool AusgabePruefen(const TAbacusAusgabe& ausgabe, const char* seite);

  std::vector<TAbacusMandantZeile> FMandantZeilen;
  std::string FKostVon = "0", FKostBis = "0", FKundenNrVon = "0", FKundenNrBis = "0";
  std::array<std::string, CQTX_FibuExport_Steuer_Anzahl> FSteuercodes;
};

class TFibuExpEdit_Abacus : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_Abacus"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

}  // namespace abacus

// Settings form of the ASCII export (logic only): on the parameter page the four pages
// "Mandanten", "Steuerschlüssel", "Exportfelder" and "Exportdatei".
#pragma once

#include <array>
#include <string>
#include <vector>

#include "export/FibuExportFrm.h"
#include "formats/ascii/fibuexporter_ascii.h"

namespace ascii {

struct TAsciiMandantZeile {
  bool Aktiv = false;
  std::string Mandant;  // the client's name
  TIntPair GepNr;
};

class TfrmFibuExportAscii : public TfrmFibuExport {
 public:
  static constexpr const char* CSeiteMandanten = "Mandanten";
  static constexpr const char* CSeiteSteuer = "Steuerschlüssel";
  static constexpr const char* CSeiteExportfelder = "Exportfelder";
  static constexpr const char* CSeiteExportdatei = "Exportdatei";
  static constexpr std::size_t CSteuerLaenge = 4;
  static constexpr std::size_t CEigenLaenge = 30;
  static constexpr std::size_t CPfadLaenge = 256;
  static constexpr std::size_t CEndungLaenge = 10;

  std::string_view ClassName() const override { return "TfrmFibuExportAscii"; }
  std::string_view FormatKennung() const override { return TFibuExporter_Ascii::CKennung; }

  // The page of the four that is on screen.
  const std::string& Unterseite() const { return FUnterseite; }
  void ZeigeUnterseite(const std::string& seite) { FUnterseite = seite; }

  // "Mandanten".
  const std::vector<TAsciiMandantZeile>& MandantZeilen() const { return FMandantZeilen; }
  void SetMandantAktiv(std::size_t zeile, bool aktiv);

  // "Steuerschlüssel": the captions of the twelve edits, by tax kind.
  static const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl>& SteuerCaptions();
  bool Automatikkonten() const { return FAutomatikkonten; }
  void SetAutomatikkonten(bool value) { FAutomatikkonten = value; }
  // The edits are usable only while automatic accounts are on.
  bool SteuerEditsAktiv() const { return FAutomatikkonten; }
  const TFibu_Ascii_Steuer& SteuerSchl() const { return FSteuerSchl; }
  void SetSteuerSchl(std::size_t index, const std::string& text);

  // "Exportfelder".
  const TEigenListe& Eigen() const { return FEigen; }
  void SetEigenUeberschrift(std::size_t index, const std::string& text);
  void SetEigenInhalt(std::size_t index, const std::string& text);
  bool BuchMonatErfragen() const { return FBuchMonat; }
  void SetBuchMonatErfragen(bool value) { FBuchMonat = value; }

  // "Exportdatei".
  bool FTP() const { return FFTP; }
  void SetFTP(bool ftp) { FFTP = ftp; }  // the two radio buttons
  bool LokalAktiv() const { return !FFTP; }
  bool FTPAktiv() const { return FFTP; }
  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& text);
  void btnExportPfadClick();
  const std::string& DateiEndung() const { return FDateiEndung; }
  void SetDateiEndung(const std::string& text);
  const std::string& FTPDatei() const { return FFTPDatei; }
  void SetFTPDatei(const std::string& text);
  static const char* FTPDateiHinweis();
  // The button shows the connection's name and opens the connection chooser.
  const std::string& Verbindung() const { return FVerbindung; }
  void btnVerbindungClick();
  void SetVerbindung(const std::string& name) { FVerbindung = name; }
  // "Spaltenlayout …": the column dialog for the layout every later run uses.
  void btnLayoutClick();
  const std::string& BackupPfad() const { return FBackupPfad; }
  void SetBackupPfad(const std::string& text);
  void btnBackupPfadClick();

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override { name = TFibuExporter_Ascii::CName; }

 private:
  TFibuExporter_Ascii& AsciiExporter() const;
  void Unterseitenfehler(const std::string& seite, const std::string& text);

  std::string FUnterseite = CSeiteMandanten;
  std::vector<TAsciiMandantZeile> FMandantZeilen;
  bool FAutomatikkonten = false;
  TFibu_Ascii_Steuer FSteuerSchl;
  TEigenListe FEigen;
  bool FBuchMonat = false;
  bool FFTP = false;
  std::string FExportPfad;
  std::string FDateiEndung;
  std::string FFTPDatei;
  std::string FVerbindung;
  std::string FBackupPfad;
};

class TFibuExpEdit_Ascii : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_Ascii"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Ascii();

}  // namespace ascii

// Settings form of the HIS booking file (logic only): the clients served, the output
// (local directory or FTP connection), the account length and the three special rules.
#pragma once

#include <string>
#include <vector>

#include "export/FibuExportFrm.h"
#include "formats/his/FibuExporter_HIS.h"

// One row of the client grid; the check mark is Aktiv, GepNr the hidden column.
struct THisMandantZeile {
  bool Aktiv = false;
  std::string Mandant;
  TIntPair GepNr;
};

// A rule's switch with its counter-account range, as the form edits them (digits only).
struct THisRegelEingabe {
  bool An = false;
  std::string Von;
  std::string Bis;
};

class TfrmFibuExpHIS : public TfrmFibuExport {
 public:
  static constexpr std::size_t CPfadLaenge = 256;
  static constexpr std::size_t CKontoStellen = 9;
  static constexpr std::size_t CLaengeStellen = 2;

  std::string_view ClassName() const override { return "TfrmFibuExpHIS"; }
  std::string_view FormatKennung() const override { return TFibuExporter_HIS::CKennung; }

  const std::vector<THisMandantZeile>& MandantZeilen() const { return FMandantZeilen; }
  void SetMandantAktiv(std::size_t zeile, bool aktiv);

  // "Exportdateien lokal speichern" or "Exportdateien auf FTP-Server speichern"; only
  // the controls of the chosen output are enabled.
  TFibuExpMedium Medium() const { return FMedium; }
  void SetMedium(TFibuExpMedium medium) { FMedium = medium; }
  bool LokalAktiv() const { return FMedium == femDisc; }
  bool FTPAktiv() const { return FMedium == femFTP; }
  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& pfad);
  void btnExportPfadClick();
  const std::string& FTPZiel() const { return FFTPZiel; }
  void SetFTPZiel(const std::string& name) { FFTPZiel = name; }
  // Opens the suite's connection choice; the chosen entry becomes the target.
  void btnFTPZielClick();

  // "Länge der Sachkonten:"; takes at most two digits.
  const std::string& SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(const std::string& text);
  bool Tageweise() const { return FTageweise; }
  void SetTageweise(bool value) { FTageweise = value; }

  // The rules; a range takes at most nine digits.
  const THisRegelEingabe& Gutscheine() const { return FGutscheine; }
  const THisRegelEingabe& KontenDrehen() const { return FKontenDrehen; }
  const THisRegelEingabe& Kassendifferenz() const { return FKassendifferenz; }
  void SetGutscheine(const THisRegelEingabe& value) { Uebernehmen(FGutscheine, value); }
  void SetKontenDrehen(const THisRegelEingabe& value) { Uebernehmen(FKontenDrehen, value); }
  void SetKassendifferenz(const THisRegelEingabe& value) { Uebernehmen(FKassendifferenz, value); }
  bool KassendifferenzDrehen() const { return FKassendifferenzDrehen; }
  void SetKassendifferenzDrehen(bool value) { FKassendifferenzDrehen = value; }

  static const char* HinweisSachKtoLng();
  static const char* HinweisKontenDrehen();

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override;

 private:
  TFibuExporter_HIS& HisExporter() const;
  // Takes the switch, and each range text that is digits only and not too long.
  static void Uebernehmen(THisRegelEingabe& ziel, const THisRegelEingabe& wert);

  std::vector<THisMandantZeile> FMandantZeilen;
  TFibuExpMedium FMedium = femDisc;
  std::string FExportPfad;
  std::string FFTPZiel;
  std::string FSachKtoLng;
  bool FTageweise = false;
  THisRegelEingabe FGutscheine;
  THisRegelEingabe FKontenDrehen;
  THisRegelEingabe FKassendifferenz;
  bool FKassendifferenzDrehen = false;
};

class TFibuExpEdit_HIS : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_HIS"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_HIS();

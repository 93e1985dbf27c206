// Settings form of the DATEV booking batch (logic only): export path, account length,
// the client grid with the DATEV numbers and the assignment of the additional fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/FibuExportFrm.h"
#include "formats/datev/fibuexporter_datev.h"

// One row of the client grid; the check mark is Aktiv.
struct TDatevMandantZeile {
  bool Aktiv = false;
  int KurzNr = 0;
  std::string Mandant;  // the client's name
  TIntPair GepNr;       // hidden column
  int DatevBerater = 0;
  int DatevMandant = 0;
  std::string DatevBenutzer;
  bool Festschreiben = true;  // shown as "Ja"/"Nein"
};

// One row of the additional-field grid.
struct TDatevZusatzZeile {
  std::string FeldKennung;
  std::string FeldBezeichnung;
  std::string InhaltKennung;
  std::string InhaltBezeichnung;
};

class TfrmFibuExpDatev : public TfrmFibuExport {
 public:
  std::string_view FormatKennung() const override { return TFibuExporter_Datev::CKennung; }
  static constexpr const char* CSeiteZusatzdaten = "Zusatzdaten";
  enum TMandantSpalte { mspKurzNr, mspMandant, mspGepNr, mspBerater, mspDatevMandant, mspBenutzer,
                        mspFestschreiben };

  std::string_view ClassName() const override { return "TfrmFibuExpDatev"; }

  // Page "Exportparameter".
  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& pfad);  // at most 256 characters
  // The button beside the path: a directory choice whose result replaces the path.
  void btnExportPfadClick();
  const std::string& SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(const std::string& text);  // one digit
  // The switches (payment reference, monthly files, ...) are the table's: Schalter().

  // Client grid.
  const std::vector<TDatevMandantZeile>& MandantZeilen() const { return FMandantZeilen; }
  void SetMandantAktiv(std::size_t zeile, bool aktiv);
  // A cell's text as the grid shows it; its editor takes the same text back.
  std::string MandantZelle(std::size_t zeile, TMandantSpalte spalte) const;
  // Takes an edited cell as the editor allows it; false (nothing changed) otherwise.
  bool SetzeMandantZelle(std::size_t zeile, TMandantSpalte spalte, const std::string& text);
  static bool SpalteEditierbar(TMandantSpalte spalte);
  // A click on an editable column header starts editing it in the selected row.
  void MandantKopfKlick(TMandantSpalte spalte);
  void SetMandantAuswahl(std::size_t zeile) { FMandantAuswahl = zeile; }
  struct TZelle { std::size_t Zeile; TMandantSpalte Spalte; };
  std::optional<TZelle> EditierteZelle() const { return FEditierteZelle; }
  static std::vector<std::string> FestschreibenAuswahl() { return {"Ja", "Nein"}; }

  // Page "Zusatzdaten", shown by the button "Zusatzdaten".
  void btnZusatzdatenClick() { ZeigeSeite(CSeiteZusatzdaten); }
  const std::vector<TDatevZusatzZeile>& ZusatzZeilen() const { return FZusatzZeilen; }
  // The 25 content captions, the first one empty.
  static std::vector<std::string> InhaltAuswahl();
  // Chooses a content by its caption; false for a caption not in the choice.
  bool SetzeInhalt(std::size_t zeile, const std::string& bezeichnung);

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override;
  TFibuExporter_Datev& DatevExporter() const;

 private:
  std::string FExportPfad;
  std::string FSachKtoLng;
  std::vector<TDatevMandantZeile> FMandantZeilen;
  std::vector<TDatevZusatzZeile> FZusatzZeilen;
  std::size_t FMandantAuswahl = 0;
  std::optional<TZelle> FEditierteZelle;
};

class TFibuExpEdit_Datev : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_Datev"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Datev();

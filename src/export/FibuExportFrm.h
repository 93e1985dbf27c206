// The common settings form of every export format (logic only, no widgets): branch
// choice, special-account lines, the profile buttons and the hand-over to the
// exporter being edited. A format's form derives from it and adds its own page.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/fibuexportclass.h"

// The directory choice a form's path button opens; the Qt layer implements it.
class IVerzeichnisWahl {
 public:
  virtual ~IVerzeichnisWahl() = default;
  // The chosen directory; nullopt when the person cancelled.
  virtual std::optional<std::string> Waehle(const std::string& titel,
                                            const std::string& start) = 0;
};
void SetVerzeichnisWahl(std::shared_ptr<IVerzeichnisWahl> wahl);
IVerzeichnisWahl* VerzeichnisWahl();

enum class TFilialOption { Keine, AlleFilialen, SelektierteFilialen };

struct TFilialZeile {
  int Nr = 0;
  std::string Text;  // "%d - %s"
  bool Checked = false;
};

class TfrmFibuExport : public TGuardedObject {
 public:
  // Page names as the buttons "Parameter", "Filialen" and "Spez. Konten" select them.
  static constexpr const char* CSeiteParameter = "Exportparameter";
  static constexpr const char* CSeiteFilialen = "Filialen";
  static constexpr const char* CSeiteSpezKonten = "Spezielle Kontenzuordnungen";

  TfrmFibuExport();
  ~TfrmFibuExport() override = default;
  std::string_view ClassName() const override { return "TfrmFibuExport"; }
  TfrmFibuExport(const TfrmFibuExport&) = delete;
  TfrmFibuExport& operator=(const TfrmFibuExport&) = delete;

  void SetFibuExportProfil(TFibuExporter* value);
  TFibuExporter* FibuExportProfil() const { return FFibuExportProfil; }
  // The catalogue identifier of the form's format: the view registry finds its view by it.
  virtual std::string_view FormatKennung() const { return {}; }

  void DatenZuMaske();
  void DatenVonMaske();
  bool TesteMaskenDaten();

  // Showing the form always starts on the format's own page.
  void FormShow();
  const std::string& Caption() const { return FCaption; }
  const std::string& AktiveSeite() const { return FAktiveSeite; }
  void ZeigeSeite(const std::string& seite) { FAktiveSeite = seite; }
  void btnParameterClick() { ZeigeSeite(CSeiteParameter); }
  void btnFilialenClick() { ZeigeSeite(CSeiteFilialen); }
  void btnSpezKontenClick() { ZeigeSeite(CSeiteSpezKonten); }

  // Branch choice.
  TFilialOption FilialOption() const { return FFilialOption; }
  void SetFilialOption(TFilialOption option) { FFilialOption = option; }
  // List and its two buttons are usable only for selected branches.
  bool FilialListeAktiv() const { return FFilialOption == TFilialOption::SelektierteFilialen; }
  const std::vector<TFilialZeile>& FilialZeilen() const { return FFilialZeilen; }
  void SetFilialeChecked(std::size_t zeile, bool checked);
  void btnAllesVerarbeitenClick();
  void btnUmkehrenClick();

  // Special-account lines; only a change by the person marks the text modified.
  const std::string& SpezKontenText() const { return FSpezKontenText; }
  void SpezKontenEingabe(const std::string& text);
  bool SpezKontenGeaendert() const { return FSpezKontenGeaendert; }
  static const std::string& SpezKontenHilfe();

  // The format's switches as its settings table declares them, in the table's order.
  const std::vector<TSchalter>& Schalter() const { return FSchalter; }
  // false for a key the form has no switch of.
  bool SchalterWert(std::string_view schluessel) const;
  // Both pass over a key the form has no switch of.
  void SetSchalter(std::string_view schluessel, bool wert);
  // A format that words a shared switch its own way.
  void SetSchalterHinweis(std::string_view schluessel, const std::string& hinweis);

  // Buttons "Weiter - F5", "Zurück", "Speichern", "Laden", "Löschen".
  void btnOKClick();
  void btnZurueckClick();
  void btnSpeichernClick();
  void btnLadenClick();
  void btnLoeschenClick();
  // mrOk or mrCancel once the form closed, 0 while it is open.
  int ModalResult() const { return FModalResult; }

 protected:
  virtual void Spezial_DatenVonMaske() {}
  virtual void Spezial_DatenZuMaske() {}
  virtual bool Spezial_TesteMaskenDaten() { return true; }
  virtual void GetExportFormatName(std::string& name) = 0;

  // A check failed: show the input-error message and switch to the page holding the value.
  void Eingabefehler(const std::string& seite, const std::string& text);

  TFibuExporter* FFibuExportProfil = nullptr;
  // Filled by the format's form from its settings tables when the data comes in.
  std::vector<TSchalter> FSchalter;

 private:
  void DatenZuMaskeOhneSchutz();
  void DatenVonMaskeOhneSchutz();

  std::string FCaption = "Fibu-Export-Profil";
  std::string FAktiveSeite = CSeiteParameter;
  TFilialOption FFilialOption = TFilialOption::Keine;
  std::vector<TFilialZeile> FFilialZeilen;
  std::string FSpezKontenText;
  bool FSpezKontenGeaendert = false;
  int FModalResult = 0;
};

// Shows a settings form modally and returns its ModalResult; the Qt layer installs
// the real one. Without it a form cannot be shown and the edit ends as cancelled.
using TFibuExportFormAnzeige = std::function<int(TfrmFibuExport&)>;
void SetFibuExportFormAnzeige(TFibuExportFormAnzeige anzeige);

// The edit-class pattern: create the format's form, hand it the exporter, show it
// modally; true exactly when it was closed with OK.
class TFibuExpEditForm : public TFibuExporterEdit {
 public:
  bool Execute(TFibuExporter& FibuExporter) override;

 protected:
  virtual std::unique_ptr<TfrmFibuExport> ErzeugeForm() = 0;
};

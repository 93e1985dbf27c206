// TSaldixBearbeiten: the form logic of the booking list. Holds the settlement, the filters,
// the loaded bookings and the display tree, and carries out the list's actions. A Qt view
// renders it; batch mode and tests drive it directly.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <memory>

#include "app/BuchungsDialoge.h"
#include "app/SaldixBearbAnsicht.h"
#include "app/SaldixBearbDienste.h"
#include "app/SaldixBearbExportListe.h"
#include "app/SaldixBearbListe.h"
#include "data/SelektTab.h"
#include "suite/Rechte.h"

// The settlement dialogs the list opens.
class IAbrechnungsWahl {
 public:
  virtual ~IAbrechnungsWahl() = default;
  // Settlement-number dialog; false on cancel.
  virtual bool AbrechnungsNrEingeben(std::int32_t& abrNr, std::int32_t& abrJahr) = 0;
  // Journal dialog of exported settlements; false on cancel. With erneutAusgeben the
  // dialog also offers to export the chosen settlement again at once and says whether
  // that was chosen; without it, it only chooses.
  virtual bool AbgeschlosseneWaehlen(TIntPair& firma, std::int32_t& abrNr, std::int32_t& abrJahr,
                                     TDateTime& von, TDateTime& bis, bool* erneutAusgeben) = 0;
};

// Without a person to ask (batch mode): every settlement dialog counts as cancelled.
class TKeineAbrechnungsWahl final : public IAbrechnungsWahl {
 public:
  bool AbrechnungsNrEingeben(std::int32_t&, std::int32_t&) override { return false; }
  bool AbgeschlosseneWaehlen(TIntPair&, std::int32_t&, std::int32_t&, TDateTime&, TDateTime&,
                             bool*) override {
    return false;
  }
};

// One filter choice: display texts and the number behind each ("Alle" = 0).
struct TFilterAuswahl {
  std::string Titel;
  bool Sichtbar = true;
  std::vector<std::string> Eintraege;
  std::vector<std::int32_t> Werte;
  std::size_t Index = 0;

  std::int32_t Wert() const { return Index < Werte.size() ? Werte[Index] : 0; }
  std::string Text() const { return Index < Eintraege.size() ? Eintraege[Index] : std::string(); }
  // Chooses the entry with this text; false (and "Alle") when there is none.
  bool Waehlen(const std::string& text);
};

class TSaldixBearbeiten {
 public:
  TSaldixBearbeiten(TBearbDienste dienste, IUserRechte& rechte, IAbrechnungsWahl& abrechnungsWahl);

  // Showing and first activation.
  void FormShow();
  void FormActivate();

  // Actions.
  void acAktualisierenExecute();
  void acAlleEinExecute();
  void acMarkierungExecute();
  void acUmkehrenExecute();
  void acChangeViewExecute();
  void acUmschaltenExportExecute();
  void acUmschaltenKeinExportExecute();
  void acExportKennzAendernExecute();
  void acKontenNeuExecute();
  void acAusbuchenExecute();
  void acLoeschenExecute();
  // Editing, adding and printing go through the installed windows.
  void SetBuchungsDialoge(IBuchungsDialoge* dialoge) { buchungsDialoge_ = dialoge; }
  void SetListenDruck(IListenDruck* druck) { listenDruck_ = druck; }
  void acBearbeitenExecute();
  void acMultiBearbExecute();
  void acNeueBuchungExecute();
  void acDruckenExecute();
  void acDruckenAnhangExecute();

  // A click on a row's check box: marks or unmarks it (a group: all its members).
  void SetMarkierung(std::int32_t zeile, bool markiert);

  // Settlement state.
  void AktuelleNeueAbrechnung();
  // True when the person asked for the chosen settlement to be exported again at once.
  bool AbgeschlosseneAbrechnung();
  void AbrechnungsNrAendern();
  void NeuesteAbrechnungsNr();
  void SetDatumVon(TDateTime datum);
  void SetDatumBis(TDateTime datum);
  void SetAbrechnung(std::int32_t abrNr, std::int32_t abrJahr);

  // Filters; a change invalidates the loaded list until the next "Aktualisieren".
  TFilterAuswahl& Filialgruppen() { return gruppen_; }
  TFilterAuswahl& Filialen() { return filialen_; }
  TFilterAuswahl& Rechner() { return rechner_; }
  TFilterAuswahl& Herkuenfte() { return herkuenfte_; }
  void FilterGeaendert();
  void HerkunftGeaendert();
  void SetMitPrimanota(bool mit);
  bool MitPrimanota() const { return mitPrimanota_; }
  bool MitPrimanotaSichtbar() const;
  std::string HerkunftCode() const;

  // Selection and quick search.
  void SetAuswahl(std::int32_t zeile) { auswahl_ = zeile; }
  std::int32_t Auswahl() const { return auswahl_; }
  // weiter (F3): from the row after the selected one, for the next match.
  bool Suchen(const std::string& suchtext, bool weiter = false);

  // The cash box: "Anfangssaldo" entered, "Summe Buchungen" and "Endsaldo" computed.
  void SetAnfangssaldo(long double saldo);
  long double SummeBuchungen() const { return summeBuchungen_; }
  // The status line: how many top-level rows are marked, with their debit and credit totals.
  std::string MarkierungsText() const { return markierungsText_; }
  long double Endsaldo() const { return anfangssaldo_ + summeBuchungen_; }

  // Loading as the batch mode and "Aktualisieren" do.
  bool ListeLaden();
  // Told the number of bookings read so far while loading; the window shows it.
  std::function<void(std::size_t)> LadeFortschritt;
  // Told the identities of the bookings read, before the list is built from them.
  std::function<void(std::vector<TIntTrio>)> BuchungenGelesen;

  // State read by the view and the export run.
  const TBuchungsListe& Liste() const { return liste_; }
  TBuchungsListe& Liste() { return liste_; }
  bool ListeGueltig() const { return listeGueltig_; }
  // After an export or when the bookings may have changed: the shown rows no longer count.
  void ListeVeraltet() { ListeUngueltig(); }
  bool Summenansicht() const { return summenAnsicht_; }
  const std::vector<TGeladeneBuchung>& Geladen() const { return geladen_; }
  // The top-level rows for an export run; valid while the list is not reloaded.
  std::unique_ptr<TBuchungsListeExport> ExportListe();

  TIntPair FFirma;
  std::int32_t AbrNr = 0, AbrJahr = 0;
  TDateTime DatumVon = 0, DatumBis = 0;
  TDateTime Buchungsmonat = 0;
  bool OffeneAbrechnung = true;
  std::string Herkunft;  // origin code handed over by the batch mode
  bool FSaetzeFuerExport = true;
  TSelektTab FMarkiertTab;
  bool FBatchmode = false;
  bool FExportErlaubt = false;

  std::string Caption, Ueberschrift, ExportMenuText, UmschaltText, AbrechnungText;
  std::string ChangeViewCaption = "Summen anzeigen";
  bool BuchungsmonatSichtbar = false;
  bool UmschaltenExportEnabled = false, UmschaltenKeinExportEnabled = true;

  const TListenEinstellungen& Einstellungen() const { return einstellungen_; }
  const TListenExporter& Exporter() const { return exporter_; }
  // The shown columns and the sort order of the settings.
  TListenAnsicht Ansicht() const {
    return TListenAnsicht(einstellungen_.SpaltenConfig, einstellungen_.SortierungConfig);
  }

 private:
  void FilterFuellen();
  void Neuaufbau();
  void MarkierungGeaendert();
  std::string markierungsText_;
  void KassenzahlenBerechnen();
  void Umschalten(bool fuerExport);
  std::string BuchungsBezeichnung(std::int32_t zeile) const;
  bool BuchungenAendern(const char* kontext, int recht, const char* wort, bool umkehren);
  void NachDialog(bool geschrieben);
  void ListeUngueltig();
  bool ReloadNachAbrNr() const;

  TBearbDienste dienste_;
  IUserRechte& rechte_;
  IAbrechnungsWahl& abrechnungsWahl_;
  TListenEinstellungen einstellungen_;
  TListenExporter exporter_;
  TFilterAuswahl gruppen_, filialen_, rechner_, herkuenfte_;
  bool mitPrimanota_ = false;
  bool aktiviert_ = false;
  bool listeGueltig_ = false;
  bool summenAnsicht_ = false;
  std::vector<TGeladeneBuchung> geladen_;
  TBuchungsListe liste_;
  std::int32_t auswahl_ = -1;
  long double anfangssaldo_ = 0, summeBuchungen_ = 0;
  IBuchungsDialoge* buchungsDialoge_ = nullptr;
  IListenDruck* listenDruck_ = nullptr;
};

// The origins the list offers: code and display name.
struct THerkunftWahl {
  std::string_view Code, Name;
};
const std::vector<THerkunftWahl>& AngeboteneHerkuenfte();

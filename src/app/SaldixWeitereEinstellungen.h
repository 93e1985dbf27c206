// Logic of "Saldix - Weitere Einstellungen": the client's general settings (rows, columns,
// sort order, automatic accounts, cost centres, creditor and debtor numbering) and the
// settings by origin and profile (summarising, the contents of the document fields).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/EinstellungenRecord.h"
#include "data/FBDEDialogDienste.h"
#include "suite/MessagePresenter.h"
#include "suite/servers/TMWTable.h"

// A partner-number kind or customer attribute offered for the creditor and debtor accounts.
struct TNummernArt {
  std::string Text;
  TIntPair Art;  // the partner-number kind; for an attribute Nr1 is its number
};

class IWeitereEinstellungenDaten {
 public:
  virtual ~IWeitereEinstellungenDaten() = default;
  virtual TEinstellungen& Einstellungen() = 0;
  virtual TIntPair AktMandant() = 0;
  virtual std::string AktTextMandant() = 0;
  virtual void Allgemeine_Einstellungen_Buchen() = 0;
  virtual void Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft,
                                                   const std::string& profil, bool defaultLaden) = 0;
  virtual void Einstellungen_Nach_Herkunft_Buchen(const std::string& herkunft,
                                                  const std::string& profil) = 0;
  virtual void Einstellungen_Nach_Herkunft_Loeschen(const std::string& herkunft,
                                                    const std::string& profil) = 0;
  virtual std::vector<std::string> ZusaKontoListe() = 0;
  virtual std::vector<std::string> ZusaGGKtoListe() = 0;
  virtual void SetZusaKontoListe(const std::vector<std::string>& liste) = 0;
  virtual void SetZusaGGKtoListe(const std::vector<std::string>& liste) = 0;
  // The current exporter's profiles that fit the current client.
  virtual std::vector<std::string> Profile() = 0;
  // The VAT change dates of this workstation's country up to today, and the rates at a day.
  virtual std::vector<TDateTime> MwstAenderungen() = 0;
  virtual std::vector<TMWSatz> MwstSaetze(TDateTime datum) = 0;
  virtual std::vector<TNummernArt> PartnerNummernArten() = 0;
  virtual std::vector<TNummernArt> KundenMerkmale() = 0;
  virtual std::string KontoBezeichnung(const std::string& name, const std::string& zusatz) = 0;
  virtual std::int32_t KontoNummer(const std::string& name, const std::string& zusatz) = 0;
};

// A ticked list of columns: the booking list's column index, ticked, and for the sort
// order the direction (-1 none, 0 "Aufsteigend", 1 "Absteigend").
struct TSpaltenHaken {
  std::string Spalte;
  int Index = 0;
  bool Haken = false;
  int Richtung = -1;
};

// An account the summarising is limited to.
struct TZusaKonto {
  std::string Name, Zusatz, Bezeichnung;
  std::int32_t Nummer = 0;
  bool Belegdatum = false;  // "Belegdatum beachten"
};

// A VAT rate choice: the rates offered and the chosen one (-1: none).
struct TSatzWahl {
  std::vector<TMWSatz> Saetze;
  int Index = -1;
  std::vector<std::string> Texte() const;
};

class TSaldixWeitereEinstellungen {
 public:
  static constexpr const char* Caption = "Saldix - Weitere Einstellungen";
  static constexpr int CSeiteAllgemein = 0, CSeiteSpalten = 1, CSeiteSortierung = 2,
                       CSeiteAutomatik = 3, CSeiteZusammenfassen = 4, CSeiteKostenstellen = 5,
                       CSeiteKreditoren = 6, CSeiteDebitoren = 7;
  static constexpr int CDebitorenNichts = 0, CDebitorenKonto = 1, CDebitorenMerkmal = 2;

  TSaldixWeitereEinstellungen(IWeitereEinstellungenDaten& daten, IKontoSuche& suche);

  void FormShow();
  // "Buchen": checks, stores everything and closes with OK.
  void btnBuchenClick();
  void btnZurueckClick();

  std::string Ueberschrift;

  // "Allgemein".
  std::string edtMaxZeilen;
  bool chkKontoMonatsweise = false, chkDirektEinlesen = true;

  // "Konfiguration Spalten" and "Sortierung Buchungssätze": the same four buttons.
  std::vector<TSpaltenHaken> lstSpalten, lstSortierung;
  static void AlleAnhaken(std::vector<TSpaltenHaken>& liste);
  static void MarkierungUmdrehen(std::vector<TSpaltenHaken>& liste);
  // Moves the entry at index down or up; the new index.
  static int Runter(std::vector<TSpaltenHaken>& liste, int index);
  static int Hoch(std::vector<TSpaltenHaken>& liste, int index);
  std::string SpaltenText() const;
  // False when a ticked row has no direction.
  bool SortierungText(std::string& text) const;

  // "Automatikkonten".
  bool chkAutoKont = false;
  std::vector<TDateTime> lstAenderungen;
  int cmbAenderung = -1;
  std::string edtAbDatum;
  TSatzWahl cmbVoll, cmbReduziert, cmbSpeziell, cmbFruehererVoll, cmbFruehererReduziert;
  std::string edtSpeziellProzent;
  bool SaetzeEnabled() const { return chkAutoKont; }
  void AenderungWaehlen(int index);

  // "Zusammenfassen/Inhalt".
  std::vector<std::string> cmbHerkunftEintraege, cmbProfilEintraege;
  int cmbHerkunft = 0, cmbProfil = 0;
  bool ProfilSichtbar() const { return cmbProfilEintraege.size() > 1; }
  bool LoeschenEnabled() const { return cmbHerkunft != 0 || cmbProfil != 0; }
  void HerkunftProfilGeaendert();
  bool chkKontoKombination = false;
  int cmbKriterien = 0;
  bool rbNachNummer = false;
  bool chkBeschreibung = false;
  bool chkNurListe = false;
  std::vector<TZusaKonto> lstKonten, lstGegenkonten;
  void KontoHinzufuegen(bool gegenkonto);
  void KontoEntfernen(bool gegenkonto, int index);
  int cmbInhaltBeleg1 = -1, cmbInhaltBeleg2 = -1, cmbInhaltText = -1;
  bool rbAnhaengen = true;
  void btnEinstellungSpeichernClick();
  void btnEinstellungLoeschenClick();

  // "Kostenstellen": one line per computer, "Rechner=Kostenstelle".
  std::string memKostenstellen;
  bool KostenstellenGeaendert = false;

  // "Kreditoren" and "Debitoren".
  bool chkKreditoren = false;
  std::vector<TNummernArt> cmbKreditorenArten;
  int cmbKreditorenArt = -1;
  int cmbDebitorenArt = CDebitorenNichts;
  std::vector<TNummernArt> cmbDebitorenWerte;
  int cmbDebitorenWert = -1;
  std::string edtStellen, edtSchema;
  void DebitorenArtGeaendert();
  void StellenGeaendert();

  int ModalResult() const { return modalResult_; }
  int Seite() const { return seite_; }

 private:
  void HerkunftAnzeigen();
  // The pages read the settings of other origins into the program's record; on closing it
  // holds those of the origin in use again, as the booking list expects.
  void UrsprungWiederherstellen();
  void SaetzeFuellen(TDateTime ab, bool behalten);
  bool NachHerkunftSpeichern();
  std::string HerkunftCode() const;
  std::string ProfilName() const;
  TZusaKonto ZusaKonto(const std::string& zeile);

  IWeitereEinstellungenDaten& daten_;
  IKontoSuche& suche_;
  std::string kostenstellenGeladen_;
  std::string herkunftBeimOeffnen_, profilBeimOeffnen_;
  int modalResult_ = 0;
  int seite_ = CSeiteAllgemein;
};

// The central data module: owns the suite's servers and caches for the whole program run
// and offers every read and write of bookings. Accounts, tax keys, settings and the
// current exporter live in its TKontenEinstellungen; the lookups' steps in creation and
// destruction are the hooks below.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/BelegAuskunft.h"
#include "data/BookingReader.h"
#include "data/KontenEinstellungen.h"
#include "data/SelektTab.h"
#include "data/TfbdetempSatz.h"
#include "suite/FBDEMani.h"
#include "suite/MandDialog.h"
#include "suite/QTXFormStore.h"
#include "suite/Types.h"
#include "suite/Unvollstaendig.h"
#include "suite/records/FBDEKontoBetrag.h"

class TSaldixDataModule;

// Steps of the module's further operations that are not part of the accounts and
// settings, in the order they run.
struct TSaldixDataModuleHooks {
  using Step = std::function<void(TSaldixDataModule&)>;
  // Completes each booking read after its accounts and partner are resolved.
  std::function<void(TSaldixDataModule&, TfbdetempSatz&)> BuchungErgaenzen;
  Step VorManipulatorFreigeben;  // destruction: lists and servers released first
  Step NachExporterFreigeben;    // destruction: servers, caches, number file, lookups
};

// The hooks of this program (SaldixDataHooks.cpp).
TSaldixDataModuleHooks SaldixDataModuleHooks();

struct TSaldixDataModuleStart {
  // Started without command-line parameters: the person chooses the client.
  bool Interaktiv = false;
  std::shared_ptr<IMandantChooser> MandDialog;
  std::shared_ptr<Tfrmunvoselekt> Unvollstaendig;  // none: the suite's default check
  TExporterKatalogSuche Katalog = ExporterKatalogVorlaeufig;
  TSaldixDataModuleHooks Hooks = SaldixDataModuleHooks();
};

class TSaldixDataModule {
 public:
  explicit TSaldixDataModule(TSaldixDataModuleStart start);
  ~TSaldixDataModule();
  TSaldixDataModule(const TSaldixDataModule&) = delete;
  TSaldixDataModule& operator=(const TSaldixDataModule&) = delete;

  // The person cancelled the client choice at start: the program ends.
  bool Beendet() const { return beendet_; }

  // Current client; a change re-reads the client's settings.
  std::string AktTextMandant;
  void SetAktMandant(const TIntPair& AFirma);
  void SetAktMandKurzNr();
  // Makes the client current under its name and stores its short number.
  void MandantWechseln(const TIntPair& mandant, const std::string& name);
  TIntPair AktMandant() const { return konten_ ? konten_->AktMandant() : TIntPair{}; }
  int AktMandantKurzNr() const { return konten_ ? konten_->AktMandantKurzNr() : 0; }
  int AktMandantBilanzJahr() const { return konten_ ? konten_->AktMandantBilanzJahr() : 0; }
  IMandantChooser* MandDialog() { return start_.MandDialog.get(); }

  // Accounts, tax keys, settings and the current exporter; throws after destruction.
  TKontenEinstellungen& KontenEinstellungen();

  // System parameters read at creation.
  bool FMitKontoNummern = false;
  bool FParamBonuAufw = false;
  bool FUnvollStPruefen = false;
  std::string FKontoErloeseInland;

  // Document, transaction, partner and branch lookups (with the branch cache); created
  // on first use on the current suite database.
  TBelegAuskunft& BelegAuskunft();

  TQTXFormStore fstFilterlisten{"SpezKontenZuord.Items"};
  TQTXStrings SpezKontenZuord;
  void Filterlisten_Restore();
  void Filterlisten_Buchen();

  // Booking operations; false when the change was refused or failed (registered).
  // Created on first use on the current suite database.
  TFBDEMani& FBDEMani_Get();
  bool FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& AIdentArray, bool AExport);
  // ABereich: where the bookings are expected, which makes marking a year faster;
  // AErwartet: the settlement they must still carry (open by default).
  bool FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& AIdentArray, int AAbrNr,
                             int AAbrJahr,
                             const std::optional<TFbdeBereich>& ABereich = std::nullopt,
                             const TAbrechnungsStand& AErwartet = {});
  bool FBDEMani_Buchen_Update(const std::vector<TIntTrio>& AIdentArray,
                              const std::string& ABeschreibung, const std::string& AUstId,
                              const std::string& AZMZusatz, int AKost1, int AKost2);
  bool FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& AIdentArray);
  bool FBDEMani_Loeschen(const std::vector<TIntTrio>& AIdentArray);
  bool FBDEMani_Buchen_Insert(TIntTrio& AProtNr, const TIntPair& AFirma, TDateTime ADatum,
                              long double ABetragSoll, long double ABetragHaben,
                              const std::string& AWaehrung, const std::string& AKonto,
                              const std::string& AGegenkonto, const std::string& ABeleg1,
                              const std::string& ABeleg2, const std::string& AUmstId,
                              const std::string& ABeschreibung, int ARechner, int AKost1,
                              int AKost2, int AFiliale,
                              // An account of a name and suffix keeps its suffix.
                              const std::string& AKontoZusatz = {},
                              const std::string& AGegenkontoZusatz = {});
  bool FBDEMani_Buchen_Update_Aufwand(const TIntTrio& AProtNr,
                                      const TQTX_Aufwandsbuchung& AAufwand);
  bool FBDEMani_Buchen_Update_Entname(const TIntTrio& AProtNr,
                                      const TQTX_EntnahmeBestand& AEntnahme);

  // Deletes a settlement after two questions and reopens its bookings.
  bool FBEX_Loeschen(const TIntPair& AFirma, int AAbrNr, int AAbrJahr);

  // Whether this workstation may export and change bookings of the current client.
  bool ExportErlaubt() const { return ExportErlaubt_Get(); }
  bool ExportErlaubt_Get() const;
  // Whether an export of the period may go ahead despite incomplete data.
  bool Vollstaendigkeiten_pruefen(const TKWX_VonBisDatum& ASelectedZeitRaum);

  // Reads bookings; each returns false to stop. False when the read failed (registered).
  // vorlauf: work done ahead for each booking where the bookings are read (TBookingReader).
  bool Buchungen_Lesen(const TBuchungsAuswahl& AAuswahl,
                       const std::function<bool(TfbdetempSatz&)>& each,
                       const TBookingReader::TVorlauf& vorlauf = nullptr);

  // Document, transaction and branch lookups (BelegAuskunftModul.cpp); none throws, a
  // failure gives the empty answer.
  int GetFiliale(const TIntPair& AFirma, const std::string& ABGV, int ARNr, int ALNr,
                 const std::string& ABelegart, int ABelegRNr, int ABelegLNr);
  int GetFilialeAusBeleg(int ABelegRNr, int ABelegLNr);
  std::string GetBelegNr(int ABelegRNr, int ABelegLNr, int ABelegSNr, std::string& ABelegNrSort);
  std::string GetVorgaengerBelegNr(int ABelegRNr, int ABelegLNr, int ABelegSNr,
                                   std::string& ABelegNrSort);
  void GetBelegDaten(int ABelegRNr, int ABelegLNr, int ABelegSNr, std::string& ABelegNr,
                     std::string& ABelegNrSort, std::string& ABelegNrExt,
                     std::string& ADokumentenNr, TDateTime& AValutadatum, int& ANettotage,
                     int& ASkontoProz1, int& ASkontoTage1, int& ASkontoProz2, int& ASkontoTage2);
  std::string GetOrderID(int ABelegRNr, int ABelegLNr);
  std::string GetLieferLand(int ABelegRNr, int ABelegLNr, double& AEUSteuern);
  std::optional<TBeleg> Belegkopf(const TIntTrio& AIdent);
  std::optional<TBeleg> BelegKomplett(const TIntTrio& AIdent);
  std::string Zahlungsreferenz(const TIntTrio& AIdent);
  std::string GetZMBeiGutschein(const TIntPair& AFirma, const TIntPair& AIdent);
  std::string GetFremdGutscheinNr(const std::string& AKonto, const TIntPair& AIdent);
  std::string GetKBNummer(const TIntPair& AIdent, std::string& ASort);
  std::string GetLFNRNummer(const TIntPair& AIdent, const std::string& AVorfall,
                            std::string& ASort);
  TIntPair KVZuDatumUndRechner(int Rechner, TDateTime Datum, bool IstVonDatum);
  long double KVZMBetrag(const TIntPair& AIdent);
  bool LAR_Ist_Versand(const TIntTrio& ALarNr);
  bool LAR_Ist_Gutschein(const TIntTrio& ALarNr);
  std::string GEPGet_Name(const TIntPair& GepNr);
  int GEPGet_Kundennummer(const TIntPair& GepNr);
  // The branch lookup object; nullptr when it cannot be created.
  TGruppenFilialenRechnerHelper* GFRHelper();

  // Settlement numbers and years (BelegAuskunftModul.cpp), with their failure values.
  int GetAbrJahr(const TIntPair& AFirma, TDateTime ADatum);
  TDateTime GetAnfangAbrJahr(const TIntPair& AFirma, int AJahr);
  TDateTime GetEndeAbrJahr(const TIntPair& AFirma, int AJahr);
  int GetNextAbrNr(const TIntPair& AFirma, int AAbrJahr);
  bool AbrNrFrei(const TIntPair& AFirma, int AAbrJahr, int AAbrNr);
  bool GetLastAbr(const TIntPair& AFirma, int& AAbrJahr, TDateTime& ADatumBis, int& AAbrNr);
  int GetMaxBelegNrFBEX(const TIntPair& AFirma, int AAbrJahr, int AAbrNr);
  // False when the journal could not be written; then none of its lines is.
  bool AbrNrNachFBEX(const TIntPair& AFirma, int AAbrJahr, int AAbrNr, TDateTime ADatumVon,
                     TDateTime ADatumBis, const TSelektTab& AMarkiertTab, int AMaxBelegNr);

  // Accounts, tax keys, settings and the current exporter by their names
  // (KontenEinstellungenModul.cpp); none throws, a failure gives the neutral answer.
  int Get_Konto_Nummer(const std::string& AKontoName, const std::string& AKontoZusatz,
                       TDateTime ADatum, const TIntPair& AGepNr, int ARechner,
                       std::int16_t AFiliale);
  std::string Get_Konto_Bezeichnung(const std::string& AKontoName, const std::string& AKontoZusatz,
                                    TDateTime ADatum);
  char Get_Aufwand_Erloes_Bestand(const std::string& AKontoName, const std::string& AKontoZusatz,
                                  TDateTime ADatum);
  bool Get_Konto_Zu_Nummer(int AKontoNr, const TIntPair& AFirma, TDateTime ADatum,
                           std::string& AKontoName, std::string& AKontoZusatz,
                           std::string& AKontoBezeichnung);
  int GetMandKonto_Nummer(const std::string& KontoName, const std::string& KontoZusatz,
                          TDateTime Datum);
  std::string GetMandKonto_Bezeichnung(const std::string& KontoName,
                                       const std::string& KontoZusatz);
  void Konten_Zuruecksetzen();
  TFibukontenListe ListeFibukonten_fuellen();
  double GetProzentSatzAusKonto(const std::string& KontoName);
  bool IstNormOderReduSteuer(const std::string& AKonto);
  bool KontoIstSteuerEG(const std::string& AKonto);
  std::string AKPrefixZuKonto(const std::string& AKonto, TDateTime ADatum);
  std::string SteuerSchlNachKonto(const std::string& ASteuerSchl, double& AProzent);
  std::vector<std::string> Steuerschl_Liste();
  void KontenIni_einlesen();
  bool Konto_Gefunden(const std::string& AAltesKonto, const std::string& AAlterStSchl,
                      int AFiliale, int ARechner, TDateTime ADatum, bool ASoll,
                      std::string& ANeueKontoNr, std::string& ANeuerStSchl);
  std::string HoleExportKuerzel(const std::string& AKonto, bool ASoll);
  void Allgemeine_Einstellungen_Restore();
  void Allgemeine_Einstellungen_Buchen();
  void Einstellungen_Nach_Herkunft_Restore(const std::string& AHerkunft, const std::string& AProfil,
                                           bool ADefaultLaden);
  void Einstellungen_Nach_Herkunft_Buchen(const std::string& AHerkunft, const std::string& AProfil);
  void Einstellungen_Nach_Herkunft_Loeschen(const std::string& AHerkunft,
                                            const std::string& AProfil);
  static bool BGVInHerkunft(std::string_view ABGV, std::string_view AHerkunft);
  void ExporterInit();
  void SetAktExporterKennung(const std::string& Kennung);
  std::string AktExporterKennung();
  std::string AktExporterName();
  TFibuExporter* AktExporter();
  bool AktExporterAuto();

  static std::string CreateIdent();
  static std::string TextOhneZeilenumbruch(const std::string& AText);
  static std::string GetKurzBeschreibung(const std::string& S);
  static std::string BLB(const std::string& BKB);

 private:
  void SaldixDataModuleCreate();
  void SaldixDataModuleDestroy();
  void SystemParameterLesen();
  void RunHook(const TSaldixDataModuleHooks::Step& step);
  void KontenAufloesen(TfbdetempSatz& satz);

  TSaldixDataModuleStart start_;
  bool beendet_ = false;
  std::unique_ptr<TKontenEinstellungen> konten_;
  std::unique_ptr<TFBDEMani> fbdeMani_;
  std::unique_ptr<TBelegAuskunft> belegAuskunft_;
  std::shared_ptr<Tfrmunvoselekt> unvoSelekt_;
};

// The program's one data module; throws when none exists.
TSaldixDataModule& SaldixDataModule();
bool SaldixDataModuleExists();

// Binds the export run and the batch mode to the data module, its lookups and the
// suite's servers (the booking list has its own binding). Pure forwarding: every rule lives behind it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ExportBuchungsverbindung.h"
#include "app/ExportDienste.h"
#include "app/SaldixExportLauf.h"
#include "app/SaldixHaupt.h"
#include "app/saldixselektion.h"
#include "app/saldixbatchmode.h"
#include "data/AbrechnungsDienst.h"
#include "data/BelegAuskunft.h"
#include "data/SaldixData.h"
#include "suite/servers/MandListeServer.h"
#include "suite/servers/TKontoServer.h"
#include "suite/servers/TWHRechner.h"

// The data module and the lookups the bindings share.
class TSaldixDaten {
 public:
  explicit TSaldixDaten(TSaldixDataModule& modul);

  TSaldixDataModule& Modul() { return modul_; }
  TKontenEinstellungen& Konten() { return modul_.KontenEinstellungen(); }
  TBelegAuskunft& Auskunft() { return auskunft_; }
  TAbrechnungsDienst& Abrechnungen() { return abrechnungen_; }
  TKontoServer& KontoServer() { return kontoServer_; }
  TWHRechner& Waehrungsrechner() { return whRechner_; }

 private:
  TSaldixDataModule& modul_;
  TBelegAuskunft auskunft_;
  TAbrechnungsDienst abrechnungen_;
  TKontoServer kontoServer_;
  TWHRechner whRechner_;
};

class TExportAnbindung final : public IExportDienste {
 public:
  explicit TExportAnbindung(TSaldixDaten& daten) : d_(daten) {}

  IAbrechnungsDienst& Abrechnungen() override { return Dienst(); }
  int GetMaxBelegNrFBEX(TIntPair firma, int abrJahr, int abrNr) override;
  bool FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int abrNr, int abrJahr,
                             const TFbdeBereich& bereich,
                             const TAbrechnungsStand& erwartet) override;
  std::string InzwischenVergeben(const std::vector<TIntTrio>& idents,
                                 const TAbrechnungsStand& erwartet) override;
  void DateienVormerken(const TFertigeDateien& dateien, const std::string& anlass) override;
  std::vector<std::string> DateienVeroeffentlichen(TFertigeDateien& dateien) override;
  bool AbrNrNachFBEX(TIntPair firma, int abrJahr, int abrNr, TDateTime datumVon,
                     TDateTime datumBis, const TSelektTab& markiert, int maxBelegNr) override;
  bool AbrechnungProtokollieren(const TAbrechnungsEreignis& ereignis) override;
  char Get_Aufwand_Erloes_Bestand(const std::string& kontoName, const std::string& kontoZusatz,
                                  TDateTime datum) override;
  bool IstSteuerkonto(const std::string& kontoName, const std::string& kontoZusatz,
                      TDateTime datum, std::string& steuerName) override;
  bool HatKontoArt(const std::string& kontoName, const std::string& kontoZusatz, TDateTime datum,
                   int art) override;
  std::string SteuerSchlNachKonto(const std::string& steuerSchl, long double& prozent) override;
  long double SteuerProzentAusKonto(const std::string& steuerName) override;
  std::unique_ptr<Klammer> BuchungsklammerOeffnen(int art) override;
  std::unique_ptr<Klammer> TransaktionOeffnen() override;
  std::unique_ptr<Markierung> MarkierungBeginnen(const std::vector<TIntTrio>& idents, int abrNr,
                                                 int abrJahr, const TFbdeBereich& bereich,
                                                 const TAbrechnungsStand& erwartet) override;

 private:
  // Under the lock the numbers are asked where the lock is held.
  TAbrechnungsDienst& Dienst() { return buchung_ ? buchung_->Abrechnungen() : d_.Abrechnungen(); }

  TSaldixDaten& d_;
  // The bracket's own connection while a bracket with one is open.
  TExportBuchungsverbindung* buchung_ = nullptr;
};

class TBatchAnbindung final : public IBatchDaten {
 public:
  explicit TBatchAnbindung(TSaldixDaten& daten);

  int MandantenAnzahl() override;
  bool MandantZuKurzNr(int kurzNr, TIntPair& mandant, std::string& name) override;
  void SetAktMandant(const TIntPair& mandant, int kurzNr, const std::string& name) override;
  TIntPair AktMandant() const override;
  bool ExporterBekannt(const std::string& kennung) override;
  std::string AktExporterKennung() override;
  std::string AktExporterName() override;
  void SetAktExporterKennung(const std::string& kennung) override;
  int ExporterProfilAnzahl() override;
  bool ExporterLadeConfig(const std::string& profil) override;
  bool ExporterProfilGeeignet(const TIntPair& mandant) override;
  bool ExporterEinstellungenVorhanden() override;
  bool ExportErlaubt() override { return d_.Modul().ExportErlaubt_Get(); }
  void KontenIni_einlesen() override;
  IAbrechnungsDienst& Abrechnungen() override { return d_.Abrechnungen(); }

 private:
  TSaldixDaten& d_;
  TMandListeServer mandanten_;
};


class THauptAnbindung final : public IHauptDaten {
 public:
  explicit THauptAnbindung(TSaldixDaten& daten) : d_(daten) {}

  std::string ProgrammMandantText() override;
  std::string AktTextMandant() override { return d_.Modul().AktTextMandant; }
  TIntPair AktMandant() override { return d_.Modul().AktMandant(); }
  std::string AktExporterName() override { return d_.Konten().AktExporterName(); }
  int ExporterProfilAnzahl() override;
  bool ExporterProfilGeeignet(const TIntPair& mandant) override;
  void KontenIni_einlesen() override { d_.Konten().KontenIni_einlesen(); }
  void MandantSetzen(const TIntPair& mandant, const std::string& name) override;

 private:
  TSaldixDaten& d_;
};

class TSelektionAnbindung final : public ISelektionDaten {
 public:
  explicit TSelektionAnbindung(TSaldixDaten& daten) : d_(daten) {}

  TIntPair AktMandant() override { return d_.Modul().AktMandant(); }
  IAbrechnungsDienst& Abrechnungen() override { return d_.Abrechnungen(); }

 private:
  TSaldixDaten& d_;
};

// Logic of the main menu "Saldix - <client>": the current client and its change, and the
// four functions: the booking list (through the profile choice and the selection), the
// cash-report reconciliation, the format choice and the further settings.
#pragma once

#include <string>

#include "app/saldixselektion.h"

class TSaldixBearbeiten;

// What the main menu asks of the data module and the active format.
class IHauptDaten {
 public:
  virtual ~IHauptDaten() = default;
  // The program object's client text (the caption) and the data module's (the label).
  virtual std::string ProgrammMandantText() = 0;
  virtual std::string AktTextMandant() = 0;
  virtual TIntPair AktMandant() = 0;
  // Empty when no format is active.
  virtual std::string AktExporterName() = 0;
  virtual int ExporterProfilAnzahl() = 0;
  virtual bool ExporterProfilGeeignet(const TIntPair& mandant) = 0;
  virtual void KontenIni_einlesen() = 0;
  // Makes the client current with its name and stores its short number.
  virtual void MandantSetzen(const TIntPair& mandant, const std::string& name) = 0;
};

// The windows the main menu opens, each modally; the desktop shows them, tests script them.
class IHauptFenster {
 public:
  virtual ~IHauptFenster() = default;
  virtual bool MandantWaehlen(TIntPair& mandant, std::string& name) = 0;
  // The profile choice; true when a profile was loaded.
  virtual bool ProfilWahl() = 0;
  // The selection dialog; true when it closed with OK.
  virtual bool Selektion(TfrmFiBuSelektion& selektion) = 0;
  virtual void Buchungsliste() = 0;
  // The format choice; true when it closed with OK.
  virtual bool FormatWahl() = 0;
  virtual void Kassenabstimmung() = 0;
  virtual void WeitereEinstellungen() = 0;
};

class TFrmHaupt {
 public:
  static constexpr const char* Ueberschrift = "Bitte wählen Sie die gewünschte Funktionalität.";
  static constexpr const char* CKeinFormat = "Bitte wählen Sie zuerst ein Export-Format.";
  static constexpr const char* CProfilUngeeignet =
      "Das gewählte Export-Profil ist für die eingestellte Firma nicht geeignet";

  TFrmHaupt(IHauptDaten& daten, IHauptFenster& fenster, TfrmFiBuSelektion& selektion,
            TSaldixBearbeiten& liste);

  void btnBearbeitenBearbeitenClick();
  void btnAbstimmungKasseClick();
  void btnAuswahlExportClick();
  void btnWeitereEinstellungenClick();
  void btnMandantWechselnClick();

  // What the view shows; renewed after every action.
  std::string Caption, lblMandant, BearbeitenRechts;

 private:
  void Aktualisieren();

  IHauptDaten& daten_;
  IHauptFenster& fenster_;
  TfrmFiBuSelektion& selektion_;
  TSaldixBearbeiten& liste_;
};

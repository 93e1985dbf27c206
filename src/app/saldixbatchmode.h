// The unattended export: parses the command line, switches format and client, sets
// period and settlement, and lets the booking list export; every outcome is one
// menu-log line. A period across two settlement years runs in two passes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/BatchParameter.h"
#include "data/AbrechnungsDienst.h"
#include "export/GuardedObject.h"
#include "suite/Types.h"

// What the batch run asks of the data module and the suite's client service.
class IBatchDaten {
 public:
  virtual ~IBatchDaten() = default;
  virtual int MandantenAnzahl() = 0;
  // Client key and name of a short number; false when there is none.
  virtual bool MandantZuKurzNr(int kurzNr, TIntPair& mandant, std::string& name) = 0;
  virtual void SetAktMandant(const TIntPair& mandant, int kurzNr, const std::string& name) = 0;
  virtual TIntPair AktMandant() const = 0;

  virtual bool ExporterBekannt(const std::string& kennung) = 0;  // exact identifier
  virtual std::string AktExporterKennung() = 0;
  virtual std::string AktExporterName() = 0;
  virtual void SetAktExporterKennung(const std::string& kennung) = 0;
  virtual int ExporterProfilAnzahl() = 0;
  virtual bool ExporterLadeConfig(const std::string& profil) = 0;
  virtual bool ExporterProfilGeeignet(const TIntPair& mandant) = 0;
  // The active format's settings are complete enough to write a file.
  virtual bool ExporterEinstellungenVorhanden() = 0;
  // This workstation is the current client's export computer (or may export for all).
  virtual bool ExportErlaubt() = 0;

  virtual void KontenIni_einlesen() = 0;
  virtual IAbrechnungsDienst& Abrechnungen() = 0;
};

// What the batch run sets on the booking list and starts there.
class IBatchBuchungsliste {
 public:
  virtual ~IBatchBuchungsliste() = default;
  virtual void SetDatumVon(TDateTime datum) = 0;
  virtual void SetDatumBis(TDateTime datum) = 0;
  virtual void SetAbrJahr(int abrJahr) = 0;
  virtual int AbrJahr() const = 0;
  virtual void SetAbrNr(int abrNr) = 0;
  virtual void SetOffeneAbrechnung(bool offen) = 0;
  virtual void SetHerkunft(const std::string& code) = 0;
  // Loads as on showing, marks all rows, runs the real export.
  virtual bool Batchmode_Liste_Laden_Und_Exportieren() = 0;  // true: exported
  // After a pass that did not export: its period held nothing to export.
  virtual bool NichtsGefunden() const { return false; }
  // The pass mails its files after the export (-VERSAND).
  virtual void SetVersand(bool) {}
  // After a pass that exported: its mail was asked for but not sent.
  virtual bool VersandFehlgeschlagen() const { return false; }
};

class TKWX_Saldix_BatchMode : public TGuardedObject {
 public:
  explicit TKWX_Saldix_BatchMode(IBatchDaten& daten);
  std::string_view ClassName() const override { return "TKWX_Saldix_BatchMode"; }

  void Clear();
  bool ParseCmdLine(const std::vector<std::string>& arguments, TDateTime heute);
  void SetExportFormat();
  void SetMandant();
  bool SetEinstellungen(IBatchBuchungsliste& liste);
  bool Liste_Laden_Und_Exportieren(IBatchBuchungsliste& liste);
  void SetExportFormatAlt();

  bool ZweiterDurchlauf() const { return FZweiterDurchlauf; }
  // The last refusal of SetEinstellungen was a wrong parameter (an unknown profile).
  bool ParameterFalsch() const { return FParameterFalsch; }
  const TBatchParameter& Parameter() const { return parameter_; }

 private:
  IBatchDaten& daten_;
  TBatchParameter parameter_;
  TBatchPruefung pruefung_;
  std::string FExporterAlt;
  bool FZweiterDurchlauf = false;
  bool FParameterFalsch = false;
};

// One menu-log line of the batch run (title "Saldix Export", now as start and end).
void BatchLog(const std::string& text);

// Exit code of a run whose period held nothing to export.
inline constexpr int kBatchNichtsGefunden = 3;
// Exit code of a run that exported but could not mail its files as asked (-VERSAND).
inline constexpr int kBatchNichtVersandt = 4;

// The whole batch run as the main routine starts it; returns the process exit code
// (0 when a pass exported and none failed, 1 refused or failed, 2 a wrong parameter,
// 3 nothing to export in the period, 4 exported but the mail asked for with -VERSAND was
// not sent).
int SaldixBatchLauf(const std::vector<std::string>& arguments, IBatchDaten& daten,
                    IBatchBuchungsliste& liste);

// The exporter's special-account table: number lines that replace account numbers and
// tax keys, and export lines that give accounts an abbreviation for the export file.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"

struct TKontenIni {
  std::string Kuerzel;  // may end in "_SOLL" or "_HABEN"
  std::string SteuerSchl;
  int Filiale = 0;      // 0 = any
  int Rechner = 0;      // 0 = any
  TDateTime AbDatum = 0;
  TDateTime BisDatum = 0;  // 0 = open
  int KontoNr = 0;
  bool MitSteuerSchl = false;
  std::string NeuerStSchl;
  bool MitNeuStSchl = false;
};

struct TKontenIniExport {
  std::string Konto;  // may end in "_SOLL" or "_HABEN"
  std::string ExportKuerzel;
};

class TKontenSpezTabelle {
 public:
  // Reads the lines of the current exporter's table (nullptr: there is no exporter).
  // A line that cannot be split shows message 1007 and empties its section's table.
  void KontenIni_einlesen(const std::vector<std::string>* zeilen);

  bool Konto_Gefunden(const std::string& AAltesKonto, const std::string& AAlterStSchl,
                      int AFiliale, int ARechner, TDateTime ADatum, bool ASoll,
                      std::string& ANeueKontoNr, std::string& ANeuerStSchl) const;
  std::string HoleExportKuerzel(const std::string& AKonto, bool ASoll) const;

  const std::vector<TKontenIni>& KontenSpezDaten() const { return spezDaten_; }
  const std::vector<TKontenIniExport>& KontenExport() const { return export_; }
  bool KontenSpezVorhanden() const { return spezVorhanden_; }
  bool KontenExportVorhanden() const { return exportVorhanden_; }

 private:
  void Einlesen(const std::vector<std::string>& zeilen);

  std::vector<TKontenIni> spezDaten_;
  std::vector<TKontenIniExport> export_;
  bool spezVorhanden_ = false;
  bool exportVorhanden_ = false;
};

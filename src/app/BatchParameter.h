// The command line of an unattended export: keywords, values and their validation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "suite/Types.h"

// The parsed parameters, all as given (trimmed); empty when absent.
struct TBatchParameter {
  std::string MandKurzNr;
  std::string VonDatum;
  std::string BisDatum;
  std::string Heute;
  std::string Monat;
  std::string Profil;
  std::string Herkunft;
  std::string Exporter;
  // "-VERSAND" (no value): the files of the export also go out by mail.
  bool Versand = false;
  // Arguments that are no known "-KEY:VALUE": a misspelt keyword must not widen the export.
  std::vector<std::string> Unbekannt;
};

// Reads "-KEY:VALUE" or "/KEY:VALUE" arguments; keywords ignore case, the last occurrence
// of a keyword wins; anything else is collected as unknown.
TBatchParameter ReadBatchParameter(const std::vector<std::string>& arguments);

// What the validation needs to know of the installation.
struct TBatchPruefKontext {
  int mandantenAnzahl = 0;
  std::function<bool(const std::string&)> exporterBekannt;  // exact identifier match
  std::function<bool(const std::string&)> herkunftBekannt;  // an origin code of the list
  std::string aktExporterName;                              // empty: no active format
  TDateTime heute = 0;
};

struct TBatchPruefung {
  bool ok = false;
  std::string logZeile;  // the refusal for the menu log; empty when none of its own
  int mandKurzNr = 0;
  TDateTime von = 0;
  TDateTime bis = 0;
};

// Validates the combination, the period and the client in the order the batch run
// reports them; computes the period for HEUTE and MONAT.
TBatchPruefung PruefeBatchParameter(const TBatchParameter& parameter,
                                    const TBatchPruefKontext& kontext);

// The checks before an export: every marked row must have account numbers, carry no
// advice records, and be plausible in its taxes.
#pragma once

#include <string>
#include <unordered_map>

#include "app/ExportDienste.h"
#include "app/ExportMeldung.h"
#include "app/ExportZeilen.h"

class TFibuExporter;

class TExportPruefung {
 public:
  TExportPruefung(IExportListe& liste, IExportDienste& dienste, const TExportMeldung& meldung)
      : liste_(liste), dienste_(dienste), meldung_(meldung) {}

  // TestenOk: true only when every step passes. exporter may be null (no format).
  // buchungsmonat: the entered booking month (checked when the format asks for one).
  bool TestenOk(const TFibuExporter* exporter, const std::string& exporterName,
                TDateTime buchungsmonat);

 private:
  bool KontenNummernOk(const IExportZeile& zeile);
  bool GruppeOk(const IExportZeile& gruppe);
  bool AvisOk(const IExportZeile& zeile);
  bool SteuerOk(const IExportZeile& zeile);
  bool InlandserloeseOk(const IExportZeile& zeile);
  bool IstMwstKonto(const std::string& name, const std::string& zusatz, TDateTime datum);
  // The account service's kind of an account; asked once per account and kind in a check.
  bool HatKontoArt(const std::string& name, const std::string& zusatz, TDateTime datum, int art);
  void Melden(const IExportZeile& zeile, const std::string& batch, const std::string& dialog);

  IExportListe& liste_;
  IExportDienste& dienste_;
  const TExportMeldung& meldung_;
  std::unordered_map<std::string, bool> kontoArten_;
};

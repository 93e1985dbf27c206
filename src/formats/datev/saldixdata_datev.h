// Fills the DATEV additional fields of one booking from the contents the DATEV
// exporter assigns to its 28 fields, asking the document data where needed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/BuchungsAnreicherung.h"
#include "export/ExportRecords.h"
#include "suite/Types.h"

class TFibuExporter;

class TSaldixData_Datev final : public IBuchungsAnreicherung {
 public:
  // exporter: the current exporter; only a DATEV exporter has fields to fill.
  TSaldixData_Datev(IExportBelegQuelle& quelle, TFibuExporter* exporter)
      : FQuelle(quelle), FExporter(exporter) {}

  void Init(int ALfdNr) override;
  int LfdNr() const override { return FLfdNr; }
  void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
               const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) override {
    FuelleBuchInfoZusatz(buchung, zusatz, beleg, vorfall);
  }
  std::optional<bool> FelderZugeordnet() const { return FFelderZugeordnet; }

  void FuelleBuchInfoZusatz(const TFibuExportBuchInfo& ABuchInfo,
                            TFibuExportBuchInfoZusatz& ABuchInfoZusatz, const TIntTrio& AIdent,
                            const std::string& AVorfall);
  void FuelleFeld(const TFibuExportBuchInfo& ABuchInfo, const std::string& AInhaltKennung,
                  std::string& AText, const TIntTrio& AIdent, const std::string& AVorfall,
                  int& AInhalt);

 private:
  std::string Feldwert(int inhalt, const TFibuExportBuchInfo& ABuchInfo, const TIntTrio& AIdent,
                       const std::string& AVorfall, bool beleg);
  std::string Kundennummer(const TIntTrio& AIdent);
  std::string Positionssumme(const TIntTrio& AIdent, bool versand);
  std::string Lieferadresse(const TIntTrio& AIdent);

  IExportBelegQuelle& FQuelle;
  TFibuExporter* FExporter;
  int FLfdNr = 0;
  std::optional<bool> FFelderZugeordnet;  // nullopt: undecided
};

// The enrichment of the DATEV rows of the catalogue.
TBuchungsAnreicherungKlasse DatevAnreicherung();

// Whether a business event is one of the suite's document kinds (invoices, credit notes).
bool IstBelegVorfall(const std::string& AVorfall);

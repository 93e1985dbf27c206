// The per-booking enrichment a format's catalogue row may carry, and the one neutral
// lookup of document data it reads through. The program implements the lookup once; the
// run creates the enrichment of the active format for each export.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/ExportRecords.h"
#include "suite/Types.h"
#include "suite/servers/TAdresse.h"

class TFibuExporter;

// What the enrichment reads from a document header.
struct TExportBelegkopf {
  std::string OrderID;
  std::string HerkunftKuerzel;  // origin mark through the suite's one-letter table
  std::string HerkunftText;     // and through its text table
  std::string ZahlartKuerzel;
  std::string ZahlartText;
  TIntPair GepNr;               // empty: not defined
  TIntPair FirmaNr;             // empty: not defined
  TIntPair LieferGepNr;         // empty: not defined
  std::optional<TAdresse> Lieferadresse;  // the header's own delivery address
};

struct TExportPosition {
  TIntTrio LarNr;  // service type of the article
  long double Betrag = 0;
};

// The document data an enrichment needs; the data module provides it.
class IExportBelegQuelle {
 public:
  virtual ~IExportBelegQuelle() = default;
  virtual std::string AktTextMandant() = 0;
  // nullopt when the document has no header.
  virtual std::optional<TExportBelegkopf> Belegkopf(const TIntTrio& AIdent) = 0;
  // Article positions of the complete document; nullopt when there is no document.
  virtual std::optional<std::vector<TExportPosition>> ArtikelPositionen(const TIntTrio& AIdent) = 0;
  virtual bool LAR_Ist_Versand(const TIntTrio& ALarNr) = 0;
  virtual bool LAR_Ist_Gutschein(const TIntTrio& ALarNr) = 0;
  virtual std::string Get_Subherkunft_4_Beleg(const TIntTrio& AIdent) = 0;
  virtual std::string Zahlungsreferenz(const TIntTrio& AIdent) = 0;
  // Customer number of a partner within a company (empty company: without); -1 none.
  virtual int Kundennummer(const TIntPair& AGepNr, const TIntPair& AFirma) = 0;
  virtual std::optional<TAdresse> PartnerAdresse(const TIntPair& AGepNr) = 0;
};

// Fills the additional items of each booking of one export.
class IBuchungsAnreicherung {
 public:
  virtual ~IBuchungsAnreicherung() = default;
  // maxLfdNr: the running number journalled for the previous settlement.
  virtual void Init(int maxLfdNr) = 0;
  virtual void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
                       const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) = 0;
  // The running number reached.
  virtual int LfdNr() const = 0;
};

// Creates the enrichment of one export for the exporter that writes it.
using TBuchungsAnreicherungKlasse = std::function<std::unique_ptr<IBuchungsAnreicherung>(
    IExportBelegQuelle& quelle, TFibuExporter* exporter)>;

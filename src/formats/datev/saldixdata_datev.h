// Fills the DATEV additional fields of one booking from the contents the DATEV
// exporter assigns to its 28 fields, asking the document data where needed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/ExportRecords.h"
#include "suite/Types.h"
#include "suite/servers/TAdresse.h"

class TFibuExporter;

// An address as the delivery-address content joins it.
using TDatevAdresse = TAdresse;

// What the field filling reads from a document header.
struct TDatevBelegkopf {
  std::string OrderID;
  std::string HerkunftKuerzel;  // origin mark through the suite's one-letter table
  std::string HerkunftText;     // and through its text table
  std::string ZahlartKuerzel;
  std::string ZahlartText;
  TIntPair GepNr;               // empty: not defined
  TIntPair FirmaNr;             // empty: not defined
  TIntPair LieferGepNr;         // empty: not defined
  std::optional<TDatevAdresse> Lieferadresse;  // the header's own delivery address
};

struct TDatevPosition {
  TIntTrio LarNr;  // service type of the article
  long double Betrag = 0;
};

// The document data the filling needs; the data module provides it.
class IDatevBelegQuelle {
 public:
  virtual ~IDatevBelegQuelle() = default;
  virtual std::string AktTextMandant() = 0;
  // nullopt when the document has no header.
  virtual std::optional<TDatevBelegkopf> Belegkopf(const TIntTrio& AIdent) = 0;
  // Article positions of the complete document; nullopt when there is no document.
  virtual std::optional<std::vector<TDatevPosition>> ArtikelPositionen(const TIntTrio& AIdent) = 0;
  virtual bool LAR_Ist_Versand(const TIntTrio& ALarNr) = 0;
  virtual bool LAR_Ist_Gutschein(const TIntTrio& ALarNr) = 0;
  virtual std::string Get_Subherkunft_4_Beleg(const TIntTrio& AIdent) = 0;
  virtual std::string Zahlungsreferenz(const TIntTrio& AIdent) = 0;
  // Customer number of a partner within a company (empty company: without); -1 none.
  virtual int Kundennummer(const TIntPair& AGepNr, const TIntPair& AFirma) = 0;
  virtual std::optional<TDatevAdresse> PartnerAdresse(const TIntPair& AGepNr) = 0;
};

class TSaldixData_Datev {
 public:
  // exporter: the current exporter; only a DATEV exporter has fields to fill.
  TSaldixData_Datev(IDatevBelegQuelle& quelle, TFibuExporter* exporter)
      : FQuelle(quelle), FExporter(exporter) {}

  void Init(int ALfdNr);
  int LfdNr() const { return FLfdNr; }
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

  IDatevBelegQuelle& FQuelle;
  TFibuExporter* FExporter;
  int FLfdNr = 0;
  std::optional<bool> FFelderZugeordnet;  // nullopt: undecided
};

// Whether a business event is one of the suite's document kinds (invoices, credit notes).
bool IstBelegVorfall(const std::string& AVorfall);

// The DATEV additional fields read the document data through the suite's lookups; the
// field filling follows the exporter active when a run starts (-EXPORTER may switch it).
#pragma once

#include <functional>
#include <memory>

#include "app/SaldixAnbindung.h"
#include "app/SaldixExportLauf.h"
#include "formats/datev/saldixdata_datev.h"
#include "suite/servers/TBelegKennzeichen.h"

class TDatevBelegQuelle final : public IDatevBelegQuelle {
 public:
  explicit TDatevBelegQuelle(TSaldixDaten& daten);
  std::string AktTextMandant() override;
  std::optional<TDatevBelegkopf> Belegkopf(const TIntTrio& ident) override;
  std::optional<std::vector<TDatevPosition>> ArtikelPositionen(const TIntTrio& ident) override;
  bool LAR_Ist_Versand(const TIntTrio& lar) override;
  bool LAR_Ist_Gutschein(const TIntTrio& lar) override;
  std::string Get_Subherkunft_4_Beleg(const TIntTrio& ident) override;
  std::string Zahlungsreferenz(const TIntTrio& ident) override;
  int Kundennummer(const TIntPair& gepNr, const TIntPair&) override;
  std::optional<TDatevAdresse> PartnerAdresse(const TIntPair& gepNr) override;

 private:
  TSaldixDaten& d_;
  TBelegKennzeichen kennzeichen_;
};

class TDatevFeldzuordnung final : public IDatevFeldzuordnung {
 public:
  TDatevFeldzuordnung(IDatevBelegQuelle& quelle, std::function<TFibuExporter*()> exporter)
      : quelle_(quelle), exporter_(std::move(exporter)) {}
  void Init(int maxLfdNr) override;
  void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
               const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) override;
  int LfdNr() const override { return felder_ ? felder_->LfdNr() : 0; }

 private:
  IDatevBelegQuelle& quelle_;
  std::function<TFibuExporter*()> exporter_;
  std::unique_ptr<TSaldixData_Datev> felder_;
};

// The document data the formats' enrichments read, through the suite's lookups; the
// enrichment follows the format active when a run starts (-EXPORTER may switch it).
#pragma once

#include <functional>
#include <memory>

#include "app/SaldixAnbindung.h"
#include "app/SaldixExportLauf.h"
#include "export/BuchungsAnreicherung.h"
#include "export/fibuexportclass.h"
#include "suite/servers/TBelegKennzeichen.h"

class TSaldixBelegQuelle final : public IExportBelegQuelle {
 public:
  explicit TSaldixBelegQuelle(TSaldixDaten& daten);
  std::string AktTextMandant() override;
  std::optional<TExportBelegkopf> Belegkopf(const TIntTrio& ident) override;
  std::optional<std::vector<TExportPosition>> ArtikelPositionen(const TIntTrio& ident) override;
  bool LAR_Ist_Versand(const TIntTrio& lar) override;
  bool LAR_Ist_Gutschein(const TIntTrio& lar) override;
  std::string Get_Subherkunft_4_Beleg(const TIntTrio& ident) override;
  std::string Zahlungsreferenz(const TIntTrio& ident) override;
  int Kundennummer(const TIntPair& gepNr, const TIntPair&) override;
  std::optional<TAdresse> PartnerAdresse(const TIntPair& gepNr) override;

 private:
  TSaldixDaten& d_;
  TBelegKennzeichen kennzeichen_;
};

// The enrichment of the active format's catalogue row, made anew for each run.
class TExportAnreicherung final : public IBuchungsAnreicherung {
 public:
  TExportAnreicherung(IExportBelegQuelle& quelle, std::function<TFibuExporter*()> exporter,
                      std::function<const TFibuExpRegInfo*()> row)
      : quelle_(quelle), exporter_(std::move(exporter)), row_(std::move(row)) {}
  void Init(int maxLfdNr) override;
  void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
               const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) override;
  // Without an enrichment the number stays where the run began.
  int LfdNr() const override { return felder_ ? felder_->LfdNr() : start_; }

 private:
  IExportBelegQuelle& quelle_;
  std::function<TFibuExporter*()> exporter_;
  std::function<const TFibuExpRegInfo*()> row_;
  std::unique_ptr<IBuchungsAnreicherung> felder_;
  int start_ = 0;
};

#include "app/SaldixBatchProgramm.h"

#include <functional>
#include <memory>

#include "app/SaldixAnbindung.h"
#include "app/SaldixBearbAnbindung.h"
#include "app/SaldixBearbExport.h"
#include "app/saldixbatchmode.h"
#include "formats/datev/saldixdata_datev.h"
#include "suite/DocBroadcast.h"
#include "suite/Rechte.h"

namespace {

// The batch run never opens a dialog; a settlement dialog asked for is cancelled.
class TKeineAbrechnungsWahl final : public IAbrechnungsWahl {
 public:
  bool AbrechnungsNrEingeben(std::int32_t&, std::int32_t&) override { return false; }
  bool AbgeschlosseneWaehlen(TIntPair&, std::int32_t&, std::int32_t&, TDateTime&,
                             TDateTime&) override {
    return false;
  }
};

// The booking list as the batch run drives it.
class TBatchListe final : public IBatchBuchungsliste {
 public:
  TBatchListe(TSaldixBearbeiten& form, TSaldixBearbExport& aktionen)
      : form_(form), aktionen_(aktionen) {}
  void SetDatumVon(TDateTime datum) override { form_.SetDatumVon(datum); }
  void SetDatumBis(TDateTime datum) override { form_.SetDatumBis(datum); }
  void SetAbrJahr(int abrJahr) override { form_.SetAbrechnung(form_.AbrNr, abrJahr); }
  int AbrJahr() const override { return form_.AbrJahr; }
  void SetAbrNr(int abrNr) override { form_.SetAbrechnung(abrNr, form_.AbrJahr); }
  void SetOffeneAbrechnung(bool offen) override { form_.OffeneAbrechnung = offen; }
  void SetHerkunft(const std::string& code) override { form_.Herkunft = code; }
  bool Batchmode_Liste_Laden_Und_Exportieren() override {
    return aktionen_.Batchmode_Liste_Laden_Und_Exportieren();
  }

 private:
  TSaldixBearbeiten& form_;
  TSaldixBearbExport& aktionen_;
};

// The DATEV field filling reads the document data through this source; what the suite
// database does not hold yet stays empty.
class TDatevBelegQuelle final : public IDatevBelegQuelle {
 public:
  explicit TDatevBelegQuelle(TSaldixDaten& daten) : d_(daten) {}
  std::string AktTextMandant() override { return d_.Modul().AktTextMandant; }
  std::optional<TDatevBelegkopf> Belegkopf(const TIntTrio& ident) override {
    const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
    if (!beleg) return std::nullopt;
    // Origin mark and payment kind are not kept by the suite database; they stay empty.
    TDatevBelegkopf kopf;
    kopf.OrderID = beleg->Kopf.OrderID;
    kopf.GepNr = beleg->Kopf.GepNr;
    kopf.FirmaNr = beleg->Kopf.Firma;
    kopf.LieferGepNr = beleg->Kopf.LieferGepNr;
    return kopf;
  }
  std::optional<std::vector<TDatevPosition>> ArtikelPositionen(const TIntTrio&) override {
    return std::nullopt;
  }
  bool LAR_Ist_Versand(const TIntTrio& lar) override {
    return d_.Auskunft().Vorgaenge().LAR_Ist_Versand(lar);
  }
  bool LAR_Ist_Gutschein(const TIntTrio& lar) override {
    return d_.Auskunft().Vorgaenge().LAR_Ist_Gutschein(lar);
  }
  std::string Get_Subherkunft_4_Beleg(const TIntTrio&) override { return {}; }
  std::string Zahlungsreferenz(const TIntTrio& ident) override {
    return d_.Auskunft().Belege().Zahlungsreferenz(ident);
  }
  int Kundennummer(const TIntPair& gepNr, const TIntPair&) override {
    const int nummer = d_.Auskunft().Belege().GEPGet_Kundennummer(gepNr);
    return nummer > 0 ? nummer : -1;
  }
  std::optional<TDatevAdresse> PartnerAdresse(const TIntPair&) override { return std::nullopt; }

 private:
  TSaldixDaten& d_;
};

// The DATEV field filling for the exporter active when a run starts (-EXPORTER may
// have switched it).
class TDatevFeldzuordnung final : public IDatevFeldzuordnung {
 public:
  TDatevFeldzuordnung(IDatevBelegQuelle& quelle, std::function<TFibuExporter*()> exporter)
      : quelle_(quelle), exporter_(std::move(exporter)) {}
  void Init(int maxLfdNr) override {
    felder_ = std::make_unique<TSaldixData_Datev>(quelle_, exporter_());
    felder_->Init(maxLfdNr);
  }
  void Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
               const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) override {
    if (felder_) felder_->FuelleBuchInfoZusatz(buchung, zusatz, beleg, vorfall);
  }
  int LfdNr() const override { return felder_ ? felder_->LfdNr() : 0; }

 private:
  IDatevBelegQuelle& quelle_;
  std::function<TFibuExporter*()> exporter_;
  std::unique_ptr<TSaldixData_Datev> felder_;
};

}  // namespace

int SaldixBatchProgramm(const std::vector<std::string>& argumente) {
  TSaldixDataModuleStart start;
  TSaldixDataModule modul(start);
  TSaldixDaten daten(modul);
  TBearbDatenmodulAnbindung bearb(modul);
  TExportAnbindung exportDienste(daten);
  TBatchAnbindung batchDaten(daten);
  TKeineAbrechnungsWahl keineWahl;
  TSaldixBearbeiten form(bearb.Dienste(), UserRechte(), keineWahl);

  TDatevBelegQuelle belegQuelle(daten);
  auto aktiverExporter = [&daten] { return daten.Konten().AktExporter(); };
  TDatevFeldzuordnung datevZuordnung(belegQuelle, aktiverExporter);

  TSaldixBearbExport aktionen(
      form, exportDienste,
      {aktiverExporter, [&daten] { return daten.Konten().AktExporterName(); }}, &datevZuordnung,
      DocBroadcast());
  TBatchListe liste(form, aktionen);
  return SaldixBatchLauf(argumente, batchDaten, liste);
}


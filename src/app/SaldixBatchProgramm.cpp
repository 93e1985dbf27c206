#include "app/SaldixBatchProgramm.h"

#include "app/SaldixSitzung.h"
#include "app/saldixbatchmode.h"

namespace {

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
  bool NichtsGefunden() const override { return aktionen_.NichtsGefunden(); }
  void SetVersand(bool versand) override { aktionen_.SetVersand(versand); }
  bool VersandFehlgeschlagen() const override { return aktionen_.VersandFehlgeschlagen(); }

 private:
  TSaldixBearbeiten& form_;
  TSaldixBearbExport& aktionen_;
};

}  // namespace

int SaldixBatchProgramm(const std::vector<std::string>& argumente) {
  TKeineAbrechnungsWahl keineWahl;
  TSaldixSitzung sitzung(TSaldixDataModuleStart{}, keineWahl);
  TBatchListe liste(sitzung.Liste(), sitzung.ExportAktionen());
  return SaldixBatchLauf(argumente, sitzung.BatchDaten(), liste);
}

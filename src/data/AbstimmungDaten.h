// Binds the cash-report reconciliation to the program's data module and the suite database.
#pragma once

#include "data/SaldixAbstimmung.h"

class TSaldixDataModule;

class TAbstimmungDaten final : public IAbstimmungDaten {
 public:
  explicit TAbstimmungDaten(TSaldixDataModule& dm) : dm_(dm) {}

  TIntPair AktMandant() override;
  std::string AktTextMandant() override;
  std::vector<std::int32_t> Rechnerliste() override;
  std::vector<std::int32_t> Filialliste(const TIntPair& firma) override;
  void Buchungen(const TAbstimmungsAuswahl& auswahl,
                 const std::function<void(const TAbstimmungsBuchung&)>& proBuchung) override;
  std::string GetMandKonto_Bezeichnung(const std::string& name, const std::string& zusatz) override;
  bool IstKassenkonto(const TIntPair& firma, const std::string& name) override;
  TIntPair KVZuDatumUndRechner(std::int32_t rechner, TDateTime datum, bool istVonDatum) override;
  long double KVZMBetrag(const TIntPair& ident) override;
  std::string Programmwaehrung() override;

 private:
  TSaldixDataModule& dm_;
};

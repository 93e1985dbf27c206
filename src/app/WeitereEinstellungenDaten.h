// Binds the further settings to the program's data module, its current exporter and the
// suite's VAT table and partner files.
#pragma once

#include "app/SaldixWeitereEinstellungen.h"

class TSaldixDataModule;

class TWeitereEinstellungenDaten final : public IWeitereEinstellungenDaten {
 public:
  explicit TWeitereEinstellungenDaten(TSaldixDataModule& dm) : dm_(dm) {}

  TEinstellungen& Einstellungen() override;
  TIntPair AktMandant() override;
  std::string AktTextMandant() override;
  void Allgemeine_Einstellungen_Buchen() override;
  void Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft, const std::string& profil,
                                           bool defaultLaden) override;
  void Einstellungen_Nach_Herkunft_Buchen(const std::string& herkunft,
                                          const std::string& profil) override;
  void Einstellungen_Nach_Herkunft_Loeschen(const std::string& herkunft,
                                            const std::string& profil) override;
  std::vector<std::string> ZusaKontoListe() override;
  std::vector<std::string> ZusaGGKtoListe() override;
  void SetZusaKontoListe(const std::vector<std::string>& liste) override;
  void SetZusaGGKtoListe(const std::vector<std::string>& liste) override;
  std::vector<std::string> Profile() override;
  std::vector<TDateTime> MwstAenderungen() override;
  std::vector<TMWSatz> MwstSaetze(TDateTime datum) override;
  std::vector<TNummernArt> PartnerNummernArten() override;
  std::vector<TNummernArt> KundenMerkmale() override;
  std::string KontoBezeichnung(const std::string& name, const std::string& zusatz) override;
  std::int32_t KontoNummer(const std::string& name, const std::string& zusatz) override;

 private:
  TSaldixDataModule& dm_;
};

// Binds the manual-booking dialogs to the program's data module and the suite database.
#pragma once

#include <optional>

#include "data/FBDEDialogDienste.h"
#include "suite/records/FBDEDaten.h"

class TSaldixDataModule;

class TFBDEDialogDaten final : public IFBDEDialogDaten {
 public:
  explicit TFBDEDialogDaten(TSaldixDataModule& dm) : dm_(dm) {}

  std::vector<TNummerEintrag> Kostenstellen() override;
  std::vector<std::int32_t> Rechnerliste() override;
  std::vector<std::string> Steuerschl_Liste() override;
  std::int32_t Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                TDateTime datum, std::int32_t rechner,
                                std::int32_t filiale) override;
  std::string GetMandKonto_Bezeichnung(const std::string& name, const std::string& zusatz) override;
  bool Get_Konto_Zu_Nummer(std::int32_t nummer, const TIntPair& firma, TDateTime datum,
                           std::string& name, std::string& zusatz,
                           std::string& bezeichnung) override;
  std::string SteuerSchlNachKonto(const std::string& steuerSchl, double& prozent) override;
  char Get_Aufwand_Erloes_Bestand(const std::string& name, const std::string& zusatz,
                                  TDateTime datum) override;
  bool FBDEMani_Buchen_Update(const std::vector<TIntTrio>& idents, const std::string& beschreibung,
                              const std::string& ustId, const std::string& zmZusatz,
                              std::int32_t kost1, std::int32_t kost2) override;
  bool FBDEMani_Buchen_Insert(TIntTrio& protNr, const TIntPair& firma, TDateTime datum,
                              long double soll, long double haben, const std::string& waehrung,
                              const std::string& konto, const std::string& kontoZusatz,
                              const std::string& gegenkonto, const std::string& gegenkontoZusatz,
                              const std::string& beleg1, const std::string& beleg2,
                              const std::string& ustId, const std::string& beschreibung,
                              std::int32_t rechner, std::int32_t kost1, std::int32_t kost2,
                              std::int32_t filiale) override;
  std::unique_ptr<IBuchungsTransaktion> BuchungsTransaktion(int sperre) override;

  // A booking as stored; nullopt when there is none.
  std::optional<TFBDEDaten> Buchung(const TIntTrio& ident);
  // The client's accounts valid at datum, for the account search.
  std::vector<TGewaehltesKonto> Kontenliste(const TIntPair& firma, TDateTime datum);

 private:
  TSaldixDataModule& dm_;
};

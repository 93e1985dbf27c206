// What the two manual-booking dialogs ask of the data module and the suite: cost centres,
// computers, tax keys, accounts, the account search and the booking writes. An adapter binds
// them to TSaldixDataModule (FBDEDialogDaten); tests bind small stand-ins.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "suite/Types.h"

// One entry of a choice list with the number it stands for; Nummer 0 = none.
struct TNummerEintrag {
  std::string Text;
  std::int32_t Nummer = 0;
};

// An account as the account search returns it.
struct TGewaehltesKonto {
  std::int32_t Nummer = 0;
  std::string Name, Zusatz, Bezeichnung;
};

// The suite's accounting selection dialog.
class IKontoSuche {
 public:
  virtual ~IKontoSuche() = default;
  // Shows the client's accounts valid at datum; false when the person cancels.
  virtual bool Suchen(const TIntPair& firma, TDateTime datum, TGewaehltesKonto& konto) = 0;
};

// The suite's booking transaction around the writes of one dialog action: everything
// written between Start and Commit lands together or not at all.
class IBuchungsTransaktion {
 public:
  virtual ~IBuchungsTransaktion() = default;
  virtual void Commit() = 0;
  // Undoes every write since the start; also done on destruction without a commit.
  virtual void Rollback() = 0;
};

class IFBDEDialogDaten {
 public:
  virtual ~IFBDEDialogDaten() = default;

  virtual std::vector<TNummerEintrag> Kostenstellen() = 0;
  virtual std::vector<std::int32_t> Rechnerliste() = 0;
  // " " first (no key), then the exporter's keys.
  virtual std::vector<std::string> Steuerschl_Liste() = 0;

  virtual std::int32_t Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                        TDateTime datum, std::int32_t rechner,
                                        std::int32_t filiale) = 0;
  virtual std::string GetMandKonto_Bezeichnung(const std::string& name,
                                               const std::string& zusatz) = 0;
  virtual bool Get_Konto_Zu_Nummer(std::int32_t nummer, const TIntPair& firma, TDateTime datum,
                                   std::string& name, std::string& zusatz,
                                   std::string& bezeichnung) = 0;
  // Tax account and rate in percent (19.00) of a tax key.
  virtual std::string SteuerSchlNachKonto(const std::string& steuerSchl, double& prozent) = 0;
  // 'A' expense, 'E' revenue, 'I' domestic revenue, 'B' balance, ' ' unknown.
  virtual char Get_Aufwand_Erloes_Bestand(const std::string& name, const std::string& zusatz,
                                          TDateTime datum) = 0;

  // The booking operations; false when refused or failed (registered).
  virtual bool FBDEMani_Buchen_Update(const std::vector<TIntTrio>& idents,
                                      const std::string& beschreibung, const std::string& ustId,
                                      const std::string& zmZusatz, std::int32_t kost1,
                                      std::int32_t kost2) = 0;
  virtual bool FBDEMani_Buchen_Insert(TIntTrio& protNr, const TIntPair& firma, TDateTime datum,
                                      long double soll, long double haben,
                                      const std::string& waehrung, const std::string& konto,
                                      const std::string& kontoZusatz,
                                      const std::string& gegenkonto,
                                      const std::string& gegenkontoZusatz,
                                      const std::string& beleg1,
                                      const std::string& beleg2, const std::string& ustId,
                                      const std::string& beschreibung, std::int32_t rechner,
                                      std::int32_t kost1, std::int32_t kost2,
                                      std::int32_t filiale) = 0;
  // Opens the booking transaction with the lock kind (53: manual booking); throws when
  // the lock cannot be had.
  virtual std::unique_ptr<IBuchungsTransaktion> BuchungsTransaktion(int sperre) = 0;
};

#include "data/FBDEDialogDaten.h"

#include "data/SaldixData.h"
#include "suite/QTXBuchung.h"
#include "suite/records/FbdeFile.h"
#include "suite/servers/TAlleingServer.h"

namespace {

class TQTXBuchungsTransaktion final : public IBuchungsTransaktion {
 public:
  TQTXBuchungsTransaktion(suitedb::Connection& db, int sperre) : buchung_(db) {
    buchung_.Start(sperre);
  }
  void Commit() override {
    if (buchung_.Active()) buchung_.Commit();
  }
  void Rollback() override {
    if (buchung_.Active()) buchung_.Rollback();
  }

 private:
  QTXBuchung buchung_;
};

}  // namespace

std::vector<TNummerEintrag> TFBDEDialogDaten::Kostenstellen() {
  std::vector<TNummerEintrag> liste;
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare(
      "SELECT nummer, bezeichnung FROM kostenstellen ORDER BY nummer");
  while (stmt->Step()) {
    const auto nummer = static_cast<std::int32_t>(stmt->Int(0));
    const std::string text = stmt->Text(1);
    liste.push_back({text.empty() ? std::to_string(nummer) : std::to_string(nummer) + " " + text,
                     nummer});
  }
  return liste;
}

std::vector<std::int32_t> TFBDEDialogDaten::Rechnerliste() {
  std::vector<std::int32_t> liste;
  auto stmt = dm_.FBDEMani_Get().Connection().Prepare("SELECT number FROM computers ORDER BY number");
  while (stmt->Step()) liste.push_back(static_cast<std::int32_t>(stmt->Int(0)));
  return liste;
}

std::vector<std::string> TFBDEDialogDaten::Steuerschl_Liste() { return dm_.Steuerschl_Liste(); }

std::int32_t TFBDEDialogDaten::Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                                TDateTime datum, std::int32_t rechner,
                                                std::int32_t filiale) {
  return dm_.Get_Konto_Nummer(name, zusatz, datum, TIntPair{}, rechner,
                              static_cast<std::int16_t>(filiale));
}

std::string TFBDEDialogDaten::GetMandKonto_Bezeichnung(const std::string& name,
                                                       const std::string& zusatz) {
  return dm_.GetMandKonto_Bezeichnung(name, zusatz);
}

bool TFBDEDialogDaten::Get_Konto_Zu_Nummer(std::int32_t nummer, const TIntPair& firma,
                                           TDateTime datum, std::string& name,
                                           std::string& zusatz, std::string& bezeichnung) {
  return dm_.Get_Konto_Zu_Nummer(nummer, firma, datum, name, zusatz, bezeichnung);
}

std::string TFBDEDialogDaten::SteuerSchlNachKonto(const std::string& steuerSchl, double& prozent) {
  return dm_.SteuerSchlNachKonto(steuerSchl, prozent);
}

char TFBDEDialogDaten::Get_Aufwand_Erloes_Bestand(const std::string& name,
                                                  const std::string& zusatz, TDateTime datum) {
  return dm_.Get_Aufwand_Erloes_Bestand(name, zusatz, datum);
}

bool TFBDEDialogDaten::FBDEMani_Buchen_Update(const std::vector<TIntTrio>& idents,
                                              const std::string& beschreibung,
                                              const std::string& ustId,
                                              const std::string& zmZusatz, std::int32_t kost1,
                                              std::int32_t kost2) {
  return dm_.FBDEMani_Buchen_Update(idents, beschreibung, ustId, zmZusatz, kost1, kost2);
}

bool TFBDEDialogDaten::FBDEMani_Buchen_Insert(
    TIntTrio& protNr, const TIntPair& firma, TDateTime datum, long double soll, long double haben,
    const std::string& waehrung, const std::string& konto, const std::string& kontoZusatz,
    const std::string& gegenkonto, const std::string& gegenkontoZusatz, const std::string& beleg1,
    const std::string& beleg2, const std::string& ustId, const std::string& beschreibung,
    std::int32_t rechner, std::int32_t kost1, std::int32_t kost2, std::int32_t filiale) {
  return dm_.FBDEMani_Buchen_Insert(protNr, firma, datum, soll, haben, waehrung, konto, gegenkonto,
                                    beleg1, beleg2, ustId, beschreibung, rechner, kost1, kost2,
                                    filiale, kontoZusatz, gegenkontoZusatz);
}

std::unique_ptr<IBuchungsTransaktion> TFBDEDialogDaten::BuchungsTransaktion(int sperre) {
  return std::make_unique<TQTXBuchungsTransaktion>(dm_.FBDEMani_Get().Connection(), sperre);
}

std::vector<TGewaehltesKonto> TFBDEDialogDaten::Kontenliste(const TIntPair& firma,
                                                            TDateTime datum) {
  std::vector<TGewaehltesKonto> liste;
  TAlleingServer server;
  for (const auto& konto : server.GetFibukontenListe(firma, datum)) {
    liste.push_back({konto.Nummer, konto.Kurzbez, konto.Zusatz, konto.Bezeichnung});
  }
  return liste;
}

std::optional<TFBDEDaten> TFBDEDialogDaten::Buchung(const TIntTrio& ident) {
  return TFbdeFile(dm_.FBDEMani_Get().Connection()).Read(ident);
}

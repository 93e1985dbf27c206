// Resolves the account short names and suffixes of bookings to account numbers,
// designations and kinds of the current client, with the caches that keep the
// booking list fast.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/EinstellungenRecord.h"
#include "suite/Types.h"
#include "suite/servers/TAlleingServer.h"

class TKontoServer;
class TGlobKonten;
class TPartnerKonten;

// The client's accounts for a choice list, with the positions of its columns.
struct TFibukontenListe {
  std::vector<std::vector<std::string>> Zeilen;
  int LF_ColIdxBezeichnung = 0;
  int LF_ColIdxKontoNr = 1;
  int LF_ColIdxKontoKurzbez = 2;
  int LF_ColIdxKontoMitDatum = 3;
  int LF_ColIdxGgKtoMitDatum = 4;
};

class TKontenDaten {
 public:
  TKontenDaten(const TEinstellungen& einstellungen, TAlleingServer& allgemein,
               TKontoServer& kontoServer, TGlobKonten& globKonten, TPartnerKonten& partner);

  void SetMandant(const TIntPair& mandant, int kurzNr);
  // The client's domestic-revenue account (its revenue accounts of that name are "I").
  void SetKontoErloeseInland(std::string name) { kontoErloeseInland_ = std::move(name); }
  // Whether expense accounts of bonus partners stay expense accounts.
  void SetParamBonuAufw(bool wert) { paramBonuAufw_ = wert; }

  int Get_Konto_Nummer(const std::string& AKontoName, const std::string& AKontoZusatz,
                       TDateTime ADatum, const TIntPair& AGepNr, int ARechner,
                       std::int16_t AFiliale);
  std::string Get_Konto_Bezeichnung(const std::string& AKontoName, const std::string& AKontoZusatz,
                                    TDateTime ADatum);
  char Get_Aufwand_Erloes_Bestand(const std::string& AKontoName, const std::string& AKontoZusatz,
                                  TDateTime ADatum);
  bool Get_Konto_Zu_Nummer(int AKontoNr, const TIntPair& AFirma, TDateTime ADatum,
                           std::string& AKontoName, std::string& AKontoZusatz,
                           std::string& AKontoBezeichnung);
  int GetMandKonto_Nummer(const std::string& KontoName, const std::string& KontoZusatz,
                          TDateTime Datum);
  std::string GetMandKonto_Bezeichnung(const std::string& KontoName,
                                       const std::string& KontoZusatz);
  void Konten_Zuruecksetzen();
  TFibukontenListe ListeFibukonten_fuellen();

  // The client's special accounts by account code, read once per client.
  std::string KontoSteuernFremd();
  std::string KontoVerbiLiLei();
  std::string KontoForderung();

 private:
  // Valid until the next lookup.
  const TQTX_Fibukonto& Get_Konten_Eintrag(const std::string& name, const std::string& zusatz,
                                           int filiale, int rechner, TDateTime datum);
  std::string KontoZuCode(int code);

  const TEinstellungen& einstellungen_;
  TAlleingServer& allgemein_;
  TKontoServer& kontoServer_;
  TGlobKonten& globKonten_;
  TPartnerKonten& partner_;
  TIntPair mandant_;
  int kurzNr_ = 0;
  std::string kontoErloeseInland_;
  bool paramBonuAufw_ = false;
  // Answers per account, computer and branch, each with the stretch of days it holds for,
  // so that a year of bookings asks the account server once per account version.
  struct TKontoZeitraum {
    double Ab = -1, Bis = 0;  // as FibukontoGueltigkeit gives them
    TQTX_Fibukonto Konto;
  };
  std::unordered_map<std::string, std::vector<TKontoZeitraum>> kontoDatenHash_;
  std::string schluessel_;  // the key of the last lookup; its room serves the next one
  std::unordered_map<std::string, std::string> kontoBezDict_;
  std::map<std::pair<TIntPair, int>, std::string> sonderKonten_;
};

#include "data/KontenDaten.h"

#include <cmath>
#include <string_view>

#include "data/KontenPartner.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/servers/TGlobKonten.h"
#include "suite/servers/TKontoServer.h"

namespace {

// Separates the parts of a cache key; no account name or suffix contains it, so
// "AB"+"C" and "A"+"BC" stay two keys.
constexpr char kTrenner = '\x1f';

std::string KontoText(const TQTX_Fibukonto& konto) {
  return konto.Zusatz.empty() ? konto.Kurzbez : konto.Kurzbez + "+" + konto.Zusatz;
}

}  // namespace

TKontenDaten::TKontenDaten(const TEinstellungen& einstellungen, TAlleingServer& allgemein,
                           TKontoServer& kontoServer, TGlobKonten& globKonten,
                           TPartnerKonten& partner)
    : einstellungen_(einstellungen),
      allgemein_(allgemein),
      kontoServer_(kontoServer),
      globKonten_(globKonten),
      partner_(partner) {}

void TKontenDaten::SetMandant(const TIntPair& mandant, int kurzNr) {
  mandant_ = mandant;
  kurzNr_ = kurzNr;
}

const TQTX_Fibukonto& TKontenDaten::Get_Konten_Eintrag(const std::string& name,
                                                       const std::string& zusatz, int filiale,
                                                       int rechner, TDateTime datum) {
  TDateTime stichtag = std::floor(datum);
  if (einstellungen_.KontoMonatsweise && stichtag > 0) stichtag = StartOfMonth(stichtag);
  // Asked several times for every booking: the key is built in place, without temporaries.
  schluessel_.clear();
  AppendDigits(schluessel_, mandant_.Nr1, 1);
  schluessel_ += '/';
  AppendDigits(schluessel_, mandant_.Nr2, 1);
  for (const std::string_view teil : {std::string_view(name), std::string_view(zusatz)}) {
    schluessel_ += kTrenner;
    schluessel_ += Utf8Upper(teil);
  }
  schluessel_ += kTrenner;
  AppendDigits(schluessel_, rechner, 1);
  schluessel_ += kTrenner;
  AppendDigits(schluessel_, filiale, 1);
  std::vector<TKontoZeitraum>& zeitraeume = kontoDatenHash_[schluessel_];
  const double tag = KontenStichtag(stichtag);
  for (const TKontoZeitraum& z : zeitraeume) {
    if (z.Ab <= tag && (z.Bis == 0 || tag < z.Bis)) return z.Konto;
  }

  TQTX_Fibukonto konto =
      allgemein_.GetFibukonto(mandant_, name, zusatz, rechner, filiale, stichtag).value_or(TQTX_Fibukonto{});
  if (konto.Art == 'E' && !kontoErloeseInland_.empty() && qtx_strmatch(name, kontoErloeseInland_)) {
    konto.Art = 'I';
  }
  if (!paramBonuAufw_ && konto.Art == 'A') {
    std::vector<int> codes = TKontoServer::BonusPartnerKontoCodes();
    codes.push_back(CKontoCode136);
    if (kontoServer_.KontoHatCode(mandant_, name, zusatz, codes)) konto.Art = 'E';
  }
  TKontoZeitraum zeitraum;
  allgemein_.FibukontoGueltigkeit(mandant_, name, zusatz, rechner, filiale, stichtag, zeitraum.Ab,
                                  zeitraum.Bis);
  zeitraum.Konto = std::move(konto);
  zeitraeume.push_back(std::move(zeitraum));
  return zeitraeume.back().Konto;
}

std::string TKontenDaten::KontoZuCode(int code) {
  const auto key = std::make_pair(mandant_, code);
  if (const auto it = sonderKonten_.find(key); it != sonderKonten_.end()) return it->second;
  std::string name = kontoServer_.KontoZuCode(mandant_, code);
  sonderKonten_.emplace(key, name);
  return name;
}

std::string TKontenDaten::KontoSteuernFremd() {
  return Guarded("TSaldixDataModule.KontoSteuernFremd", [&] { return KontoZuCode(CKontoCodeSteuernFremd); });
}

std::string TKontenDaten::KontoVerbiLiLei() {
  return Guarded("TSaldixDataModule.KontoVerbiLiLei",
                 [&] { return KontoZuCode(CKontoCodeVerbindlichkeiten); });
}

std::string TKontenDaten::KontoForderung() {
  return Guarded("TSaldixDataModule.KontoForderung", [&] { return KontoZuCode(CKontoCodeForderung); });
}

int TKontenDaten::Get_Konto_Nummer(const std::string& AKontoName, const std::string& AKontoZusatz,
                                   TDateTime ADatum, const TIntPair& AGepNr, int ARechner,
                                   std::int16_t AFiliale) {
  return Guarded("TSaldixDataModule.Get_Konto_Nummer", [&] {
    int nummer = 0;
    if (!AGepNr.IsEmpty()) {
      const std::string kreditoren = KontoVerbiLiLei();
      const std::string debitoren = KontoForderung();
      if (!kreditoren.empty() && qtx_strmatch(AKontoName, kreditoren)) {
        nummer = partner_.Get_Kreditoren_Konto(AGepNr);
      } else if (!debitoren.empty() && qtx_strmatch(AKontoName, debitoren)) {
        nummer = partner_.Get_Debitoren_Konto(AGepNr);
      }
    }
    if (nummer == 0) nummer = Get_Konten_Eintrag(AKontoName, AKontoZusatz, AFiliale, ARechner, ADatum).Nummer;
    return nummer;
  });
}

std::string TKontenDaten::Get_Konto_Bezeichnung(const std::string& AKontoName,
                                                const std::string& AKontoZusatz, TDateTime ADatum) {
  return Guarded("TSaldixDataModule.Get_Konto_Bezeichnung", [&] {
    return Get_Konten_Eintrag(AKontoName, AKontoZusatz, 0, 0, ADatum).Bezeichnung;
  });
}

char TKontenDaten::Get_Aufwand_Erloes_Bestand(const std::string& AKontoName,
                                              const std::string& AKontoZusatz, TDateTime ADatum) {
  return GuardedOr("TSaldixDataModule.Get_Aufwand_Erloes_Bestand", ' ', [&] {
    const auto& konto = Get_Konten_Eintrag(AKontoName, AKontoZusatz, 0, 0, ADatum);
    return konto.Bilanzkennzeichen == 'B' ? 'B' : konto.Art;
  });
}

bool TKontenDaten::Get_Konto_Zu_Nummer(int AKontoNr, const TIntPair& AFirma, TDateTime ADatum,
                                       std::string& AKontoName, std::string& AKontoZusatz,
                                       std::string& AKontoBezeichnung) {
  return Guarded("TSaldixDataModule.Get_Konto_Zu_Nummer", [&] {
    const auto konto = allgemein_.GetFibukontoZuNummer(AFirma, AKontoNr, ADatum);
    if (!konto) return false;
    AKontoName = konto->Kurzbez;
    AKontoZusatz = konto->Zusatz;
    AKontoBezeichnung = konto->Bezeichnung;
    return true;
  });
}

int TKontenDaten::GetMandKonto_Nummer(const std::string& KontoName, const std::string& KontoZusatz,
                                      TDateTime Datum) {
  return GuardedOr("TSaldixDataModule.GetMandKonto_Nummer", -1, [&] {
    return globKonten_.GetMandKonto_Nummer(kurzNr_, KontoName, Datum, KontoZusatz);
  });
}

std::string TKontenDaten::GetMandKonto_Bezeichnung(const std::string& KontoName,
                                                   const std::string& KontoZusatz) {
  return Guarded("TSaldixDataModule.GetMandKonto_Bezeichnung", [&] {
    // The client is part of the key: another client's account of the same name differs.
    const std::string key =
        std::to_string(kurzNr_) + kTrenner + KontoName + kTrenner + KontoZusatz;
    if (const auto it = kontoBezDict_.find(key); it != kontoBezDict_.end()) return it->second;
    std::string text = globKonten_.GetMandKonto_Bezeichung(kurzNr_, KontoName, KontoZusatz);
    kontoBezDict_.emplace(key, text);
    return text;
  });
}

void TKontenDaten::Konten_Zuruecksetzen() {
  Guarded("TSaldixDataModule.Konten_Zuruecksetzen", [&] {
    kontoDatenHash_.clear();
    partner_.CachesLeeren();
  });
}

TFibukontenListe TKontenDaten::ListeFibukonten_fuellen() {
  return Guarded("TSaldixDataModule.ListeFibukonten_fuellen", [&] {
    int jahr = 0, monat = 0, tag = 0;
    DecodeDate(qtx_Date(), jahr, monat, tag);
    TFibukontenListe liste;
    for (const auto& konto : allgemein_.GetFibukontenListe(mandant_, EncodeDate(jahr, 1, 1))) {
      liste.Zeilen.push_back({konto.Bezeichnung, std::to_string(konto.Nummer), KontoText(konto), "N", "N"});
    }
    return liste;
  });
}

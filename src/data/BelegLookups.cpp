#include "data/BelegLookups.h"

#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/servers/LaenderCode.h"

namespace {

constexpr int kMerkmalZahlungsreferenz = 7;

enum TZahlungsbedingungsArt { NettoTage = 1, Skonto = 2, Valuta = 3, NettoTageFix = 4 };

TIntTrio Ident(int rnr, int lnr, int snr) {
  return {rnr, lnr, static_cast<std::int16_t>(snr)};
}

void Zahlungsbedingungen(const TBeleg& beleg, TBelegDaten& daten) {
  for (const auto& bedingung : beleg.Zahlungsbedingungen) {
    switch (bedingung.Art) {
      case Valuta:
        daten.Valutadatum = bedingung.Datum;
        break;
      case NettoTage:
      case NettoTageFix:
        daten.Nettotage = bedingung.Tage;
        break;
      case Skonto:
        if (daten.SkontoTage1 == 0) {
          daten.SkontoTage1 = bedingung.Tage;
          daten.SkontoProz1 = static_cast<int>(bedingung.Prozent);
        } else {
          daten.SkontoTage2 = bedingung.Tage;
          daten.SkontoProz2 = static_cast<int>(bedingung.Prozent);
        }
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::string BelegNrSortierung(const TBelegKopf& kopf) {
  return Format("%s%d%.4d%.6d", kopf.NrPraefix, kopf.NrTeil1, kopf.NrTeil2, kopf.NrTeil3);
}

const TBeleg* TBelegLookups::Lesen(int rnr, int lnr, int snr, bool komplett) {
  auto& server = quellen_.BelegServer();
  return server.Lesen(Ident(rnr, lnr, snr), komplett) ? server.AktBeleg() : nullptr;
}

std::string TBelegLookups::Nummer(const TBeleg* beleg, std::string& belegNrSort) {
  if (!beleg) return {};
  belegNrSort = BelegNrSortierung(beleg->Kopf);
  return Formatiere_Belegnummer(beleg->Kopf, beleg->Kopf.FormatKz != 0);
}

int TBelegLookups::GetFilialeAusBeleg(int belegRNr, int belegLNr) {
  return Guarded("TSaldixDataModule.GetFilialeAusBeleg", [&] {
    const TBeleg* beleg = Lesen(belegRNr, belegLNr, 0, false);
    if (!beleg || beleg->Kopf.Orge == 0) return 0;
    return quellen_.GFRHelper().GetFilialeByOrge(beleg->Kopf.Firma, beleg->Kopf.Orge);
  });
}

std::string TBelegLookups::GetBelegNr(int belegRNr, int belegLNr, int belegSNr,
                                      std::string& belegNrSort) {
  belegNrSort.clear();
  return Guarded("TSaldixDataModule.GetBelegNr", [&] {
    return Nummer(Lesen(belegRNr, belegLNr, belegSNr, false), belegNrSort);
  });
}

std::string TBelegLookups::GetVorgaengerBelegNr(int belegRNr, int belegLNr, int belegSNr,
                                                std::string& belegNrSort) {
  belegNrSort.clear();
  return Guarded("TSaldixDataModule.GetVorgaengerBelegNr", [&] {
    const TIntTrio beleg = Ident(belegRNr, belegLNr, belegSNr);
    const TIntTrio gelesen = quellen_.BelegServer().GetVorgaenger(beleg).value_or(beleg);
    return Nummer(Lesen(gelesen.RNr, gelesen.LNr, gelesen.SNr, false), belegNrSort);
  });
}

TBelegDaten TBelegLookups::BelegDatenAus(const TBeleg& beleg) {
  TBelegDaten daten;
  daten.BelegNr = Formatiere_Belegnummer(beleg.Kopf, false);
  daten.BelegNrSort = BelegNrSortierung(beleg.Kopf);
  daten.BelegNrExt = beleg.Kopf.NrExtern;
  daten.DokumentenNr = beleg.Kopf.DokumentenNr;
  Zahlungsbedingungen(beleg, daten);
  return daten;
}

TBelegDaten TBelegLookups::GetBelegDaten(int belegRNr, int belegLNr, int belegSNr) {
  return Guarded("TSaldixDataModule.GetBelegDaten", [&] {
    const TBeleg* beleg = Lesen(belegRNr, belegLNr, belegSNr, true);
    return beleg ? BelegDatenAus(*beleg) : TBelegDaten{};
  });
}

std::string TBelegLookups::GetOrderID(int belegRNr, int belegLNr) {
  return Guarded("TSaldixDataModule.GetOrderID", [&] {
    const TBeleg* beleg = Lesen(belegRNr, belegLNr, 0, false);
    return beleg ? beleg->Kopf.OrderID : std::string();
  });
}

std::string TBelegLookups::LieferLandAus(const TBeleg& beleg, double& euSteuern) {
  const TBelegKopf& kopf = beleg.Kopf;
  std::string land = Trim(kopf.LieferLand);
  if (land.empty() && !kopf.LieferGepNr.IsEmpty()) {
    land = Trim(quellen_.GPListenServer().GetLand(kopf.LieferGepNr, kopf.LieferAdrNr));
  }
  if (land.empty()) land = Trim(quellen_.GPListenServer().GetLand(kopf.GepNr, kopf.Orge));
  if (!land.empty() && qtx_strmatch(Trim(kopf.SteuerLand), land) && !beleg.Steuern.empty()) {
    euSteuern = beleg.Steuern.front().Satz / 100.0;
  }
  const std::string iso = QTX_LaenderCode_Kuerzel_2_ISO(land);
  return iso.empty() ? land : iso;
}

std::string TBelegLookups::GetLieferLand(int belegRNr, int belegLNr, double& euSteuern) {
  euSteuern = 0;
  return Guarded("TSaldixDataModule.GetLieferLand", [&] {
    const TBeleg* beleg = Lesen(belegRNr, belegLNr, 0, true);
    return beleg ? LieferLandAus(*beleg, euSteuern) : std::string();
  });
}

TBelegDaten TBelegLookups::GetBelegDatenUndLieferLand(int belegRNr, int belegLNr,
                                                      std::string& lieferLand, double& euSteuern) {
  lieferLand.clear();
  euSteuern = 0;
  const TBeleg* beleg = Guarded("TSaldixDataModule.GetBelegDaten", [&] {
    // Both answers need no positions, which the read-ahead leaves out.
    return vorrat_ ? vorrat_->Beleg(belegRNr, belegLNr) : Lesen(belegRNr, belegLNr, 0, true);
  });
  if (!beleg) return {};
  // Each answer fails on its own, as the two single lookups would.
  lieferLand = Guarded("TSaldixDataModule.GetLieferLand", [&] {
    double eu = 0;
    std::string land = LieferLandAus(*beleg, eu);
    euSteuern = eu;
    return land;
  });
  return Guarded("TSaldixDataModule.GetBelegDaten", [&] { return BelegDatenAus(*beleg); });
}

std::optional<TBeleg> TBelegLookups::Belegkopf(const TIntTrio& ident) {
  return Guarded("TSaldixDataModule.Belegkopf", [&]() -> std::optional<TBeleg> {
    auto& server = quellen_.BelegServer();
    const TBeleg* aktuell = server.AktBeleg();
    if (aktuell && aktuell->Kopf.Ident.RNr == ident.RNr && aktuell->Kopf.Ident.LNr == ident.LNr) {
      return *aktuell;
    }
    if (const TBeleg* beleg = Lesen(ident.RNr, ident.LNr, ident.SNr, false)) return *beleg;
    return std::nullopt;
  });
}

std::optional<TBeleg> TBelegLookups::BelegKomplett(const TIntTrio& ident) {
  return Guarded("TSaldixDataModule.BelegKomplett", [&]() -> std::optional<TBeleg> {
    auto& server = quellen_.BelegServer();
    const TBeleg* aktuell = server.AktBeleg();
    if (aktuell && aktuell->Kopf.Ident.RNr == ident.RNr &&
        aktuell->Kopf.Ident.LNr == ident.LNr && !aktuell->Positionen.empty()) {
      return *aktuell;
    }
    if (const TBeleg* beleg = Lesen(ident.RNr, ident.LNr, ident.SNr, true)) return *beleg;
    return std::nullopt;
  });
}

std::string TBelegLookups::Zahlungsreferenz(const TIntTrio& ident) {
  return Guarded("TSaldixDataModule.Zahlungsreferenz", [&] {
    return quellen_.BelegMerkmalHelper().Get_BelegMerkmalWert(ident, kMerkmalZahlungsreferenz);
  });
}

std::string TBelegLookups::GEPGet_Name(const TIntPair& gepNr) {
  return Guarded("TSaldixDataModule.GEPGet_Name", [&] {
    return gepNr.IsEmpty() ? std::string() : quellen_.GPListenServer().GetName(gepNr);
  });
}

int TBelegLookups::GEPGet_Kundennummer(const TIntPair& gepNr) {
  return Guarded("TSaldixDataModule.GEPGet_Kundennummer", [&] {
    return gepNr.IsEmpty() ? 0 : quellen_.GPListenServer().GetKundennummer(gepNr);
  });
}

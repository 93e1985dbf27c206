// The data module's document, branch and settlement operations: each hands over to its
// unit, which keeps its failures inside; the guard here covers creating the lookups.
#include "data/AbrechnungsJahr.h"
#include "data/AbrechnungsNummern.h"
#include "data/BelegAuskunft.h"
#include "data/SaldixData.h"
#include "suite/Guarded.h"
#include "suite/SuiteDatabase.h"

int TSaldixDataModule::GetFiliale(const TIntPair& AFirma, const std::string& ABGV, int ARNr,
                                  int ALNr, const std::string& ABelegart, int ABelegRNr,
                                  int ABelegLNr) {
  return Guarded("TSaldixDataModule.GetFiliale", [&] {
    return BelegAuskunft().Filialen().GetFiliale(AFirma, ABGV, ARNr, ALNr, ABelegart, ABelegRNr,
                                                 ABelegLNr);
  });
}

int TSaldixDataModule::GetFilialeAusBeleg(int ABelegRNr, int ABelegLNr) {
  return Guarded("TSaldixDataModule.GetFilialeAusBeleg", [&] {
    return BelegAuskunft().Belege().GetFilialeAusBeleg(ABelegRNr, ABelegLNr);
  });
}

std::string TSaldixDataModule::GetBelegNr(int ABelegRNr, int ABelegLNr, int ABelegSNr,
                                          std::string& ABelegNrSort) {
  ABelegNrSort.clear();
  return Guarded("TSaldixDataModule.GetBelegNr", [&] {
    return BelegAuskunft().Belege().GetBelegNr(ABelegRNr, ABelegLNr, ABelegSNr, ABelegNrSort);
  });
}

std::string TSaldixDataModule::GetVorgaengerBelegNr(int ABelegRNr, int ABelegLNr, int ABelegSNr,
                                                    std::string& ABelegNrSort) {
  ABelegNrSort.clear();
  return Guarded("TSaldixDataModule.GetVorgaengerBelegNr", [&] {
    return BelegAuskunft().Belege().GetVorgaengerBelegNr(ABelegRNr, ABelegLNr, ABelegSNr,
                                                         ABelegNrSort);
  });
}

void TSaldixDataModule::GetBelegDaten(int ABelegRNr, int ABelegLNr, int ABelegSNr,
                                      std::string& ABelegNr, std::string& ABelegNrSort,
                                      std::string& ABelegNrExt, std::string& ADokumentenNr,
                                      TDateTime& AValutadatum, int& ANettotage,
                                      int& ASkontoProz1, int& ASkontoTage1, int& ASkontoProz2,
                                      int& ASkontoTage2) {
  const TBelegDaten daten = Guarded("TSaldixDataModule.GetBelegDaten", [&] {
    return BelegAuskunft().Belege().GetBelegDaten(ABelegRNr, ABelegLNr, ABelegSNr);
  });
  ABelegNr = daten.BelegNr;
  ABelegNrSort = daten.BelegNrSort;
  ABelegNrExt = daten.BelegNrExt;
  ADokumentenNr = daten.DokumentenNr;
  AValutadatum = daten.Valutadatum;
  ANettotage = daten.Nettotage;
  ASkontoProz1 = daten.SkontoProz1;
  ASkontoTage1 = daten.SkontoTage1;
  ASkontoProz2 = daten.SkontoProz2;
  ASkontoTage2 = daten.SkontoTage2;
}

std::string TSaldixDataModule::GetOrderID(int ABelegRNr, int ABelegLNr) {
  return Guarded("TSaldixDataModule.GetOrderID",
                 [&] { return BelegAuskunft().Belege().GetOrderID(ABelegRNr, ABelegLNr); });
}

std::string TSaldixDataModule::GetLieferLand(int ABelegRNr, int ABelegLNr, double& AEUSteuern) {
  AEUSteuern = 0;
  return Guarded("TSaldixDataModule.GetLieferLand", [&] {
    return BelegAuskunft().Belege().GetLieferLand(ABelegRNr, ABelegLNr, AEUSteuern);
  });
}

std::optional<TBeleg> TSaldixDataModule::Belegkopf(const TIntTrio& AIdent) {
  return Guarded("TSaldixDataModule.Belegkopf",
                 [&] { return BelegAuskunft().Belege().Belegkopf(AIdent); });
}

std::optional<TBeleg> TSaldixDataModule::BelegKomplett(const TIntTrio& AIdent) {
  return Guarded("TSaldixDataModule.BelegKomplett",
                 [&] { return BelegAuskunft().Belege().BelegKomplett(AIdent); });
}

std::string TSaldixDataModule::Zahlungsreferenz(const TIntTrio& AIdent) {
  return Guarded("TSaldixDataModule.Zahlungsreferenz",
                 [&] { return BelegAuskunft().Belege().Zahlungsreferenz(AIdent); });
}

std::string TSaldixDataModule::GetZMBeiGutschein(const TIntPair& AFirma, const TIntPair& AIdent) {
  return Guarded("TSaldixDataModule.GetZMBeiGutschein",
                 [&] { return BelegAuskunft().Vorgaenge().GetZMBeiGutschein(AFirma, AIdent); });
}

std::string TSaldixDataModule::GetFremdGutscheinNr(const std::string& AKonto,
                                                   const TIntPair& AIdent) {
  return Guarded("TSaldixDataModule.GetFremdGutscheinNr",
                 [&] { return BelegAuskunft().Vorgaenge().GetFremdGutscheinNr(AKonto, AIdent); });
}

std::string TSaldixDataModule::GetKBNummer(const TIntPair& AIdent, std::string& ASort) {
  ASort.clear();
  return Guarded("TSaldixDataModule.GetKBNummer",
                 [&] { return BelegAuskunft().Vorgaenge().GetKBNummer(AIdent, ASort); });
}

std::string TSaldixDataModule::GetLFNRNummer(const TIntPair& AIdent, const std::string& AVorfall,
                                             std::string& ASort) {
  ASort.clear();
  return Guarded("TSaldixDataModule.GetLFNRNummer", [&] {
    return BelegAuskunft().Vorgaenge().GetLFNRNummer(AIdent, AVorfall, ASort);
  });
}

TIntPair TSaldixDataModule::KVZuDatumUndRechner(int Rechner, TDateTime Datum, bool IstVonDatum) {
  return Guarded("TSaldixDataModule.KVZuDatumUndRechner", [&] {
    return BelegAuskunft().Vorgaenge().KVZuDatumUndRechner(Rechner, Datum, IstVonDatum);
  });
}

long double TSaldixDataModule::KVZMBetrag(const TIntPair& AIdent) {
  return Guarded("TSaldixDataModule.KVZMBetrag",
                 [&] { return BelegAuskunft().Vorgaenge().KVZMBetrag(AIdent); });
}

bool TSaldixDataModule::LAR_Ist_Versand(const TIntTrio& ALarNr) {
  return Guarded("TSaldixDataModule.LAR_Ist_Versand",
                 [&] { return BelegAuskunft().Vorgaenge().LAR_Ist_Versand(ALarNr); });
}

bool TSaldixDataModule::LAR_Ist_Gutschein(const TIntTrio& ALarNr) {
  return Guarded("TSaldixDataModule.LAR_Ist_Gutschein",
                 [&] { return BelegAuskunft().Vorgaenge().LAR_Ist_Gutschein(ALarNr); });
}

std::string TSaldixDataModule::GEPGet_Name(const TIntPair& GepNr) {
  return Guarded("TSaldixDataModule.GEPGet_Name",
                 [&] { return BelegAuskunft().Belege().GEPGet_Name(GepNr); });
}

int TSaldixDataModule::GEPGet_Kundennummer(const TIntPair& GepNr) {
  return Guarded("TSaldixDataModule.GEPGet_Kundennummer",
                 [&] { return BelegAuskunft().Belege().GEPGet_Kundennummer(GepNr); });
}

TGruppenFilialenRechnerHelper* TSaldixDataModule::GFRHelper() {
  return Guarded("TSaldixDataModule.GFRHelper", [&] { return &BelegAuskunft().GFRHelper(); });
}

int TSaldixDataModule::GetAbrJahr(const TIntPair& AFirma, TDateTime ADatum) {
  return Guarded("TSaldixDataModule.GetAbrJahr", [&] {
    return TAbrechnungsJahr(SuiteDatabase::Get()).GetAbrJahr(AFirma, ADatum);
  });
}

TDateTime TSaldixDataModule::GetAnfangAbrJahr(const TIntPair& AFirma, int AJahr) {
  return Guarded("TSaldixDataModule.GetAnfangAbrJahr", [&] {
    return TAbrechnungsJahr(SuiteDatabase::Get()).GetAnfangAbrJahr(AFirma, AJahr);
  });
}

TDateTime TSaldixDataModule::GetEndeAbrJahr(const TIntPair& AFirma, int AJahr) {
  return Guarded("TSaldixDataModule.GetEndeAbrJahr", [&] {
    return TAbrechnungsJahr(SuiteDatabase::Get()).GetEndeAbrJahr(AFirma, AJahr);
  });
}

int TSaldixDataModule::GetNextAbrNr(const TIntPair& AFirma, int AAbrJahr) {
  return GuardedOr("TSaldixDataModule.GetNextAbrNr", 1, [&] {
    return TAbrechnungsNummern(SuiteDatabase::Get()).GetNextAbrNr(AFirma, AAbrJahr);
  });
}

bool TSaldixDataModule::AbrNrFrei(const TIntPair& AFirma, int AAbrJahr, int AAbrNr) {
  return GuardedOr("TSaldixDataModule.AbrNrFrei", true, [&] {
    return TAbrechnungsNummern(SuiteDatabase::Get()).AbrNrFrei(AFirma, AAbrJahr, AAbrNr);
  });
}

bool TSaldixDataModule::GetLastAbr(const TIntPair& AFirma, int& AAbrJahr, TDateTime& ADatumBis,
                                   int& AAbrNr) {
  return Guarded("TSaldixDataModule.GetLastAbr", [&] {
    return TAbrechnungsNummern(SuiteDatabase::Get()).GetLastAbr(AFirma, AAbrJahr, ADatumBis, AAbrNr);
  });
}

int TSaldixDataModule::GetMaxBelegNrFBEX(const TIntPair& AFirma, int AAbrJahr, int AAbrNr) {
  return Guarded("TSaldixDataModule.GetMaxBelegNrFBEX", [&] {
    return TAbrechnungsNummern(SuiteDatabase::Get()).GetMaxBelegNrFBEX(AFirma, AAbrJahr, AAbrNr);
  });
}

bool TSaldixDataModule::AbrNrNachFBEX(const TIntPair& AFirma, int AAbrJahr, int AAbrNr,
                                      TDateTime ADatumVon, TDateTime ADatumBis,
                                      const TSelektTab& AMarkiertTab, int AMaxBelegNr) {
  return Guarded("TSaldixDataModule.AbrNrNachFBEX", [&] {
    return TAbrechnungsNummern(SuiteDatabase::Get())
        .AbrNrNachFBEX(AFirma, AAbrJahr, AAbrNr, ADatumVon, ADatumBis, AMarkiertTab, AMaxBelegNr);
  });
}

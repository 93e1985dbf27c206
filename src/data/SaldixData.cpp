#include "data/SaldixData.h"

#include <filesystem>
#include <map>

#include "data/AbrechnungsVerlauf.h"
#include "data/BookingTexts.h"
#include "data/ExpenseEntries.h"
#include "suite/Benutzer.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/MandKonfFibu.h"
#include "suite/QTXBuchung.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

TSaldixDataModule*& Instance() {
  static TSaldixDataModule* instance = nullptr;
  return instance;
}

constexpr const char* kDestroy = "TSaldixDataModule.SaldixDataModuleDestroy";
constexpr int kProgrammTypAlleRechte = 7;

bool Frage(const std::string& text) {
  return QTXInfo().ShowMeldung(TMeldungsArt::Frage, {text}, "STANDARD", 981) == mrYes;
}

}  // namespace

TSaldixDataModule& SaldixDataModule() {
  if (!Instance()) throw std::logic_error("Das Datenmodul ist nicht angelegt");
  return *Instance();
}

bool SaldixDataModuleExists() { return Instance() != nullptr; }

TSaldixDataModule::TSaldixDataModule(TSaldixDataModuleStart start) : start_(std::move(start)) {
  Instance() = this;
  SaldixDataModuleCreate();
}

TSaldixDataModule::~TSaldixDataModule() {
  SaldixDataModuleDestroy();
  if (Instance() == this) Instance() = nullptr;
}

void TSaldixDataModule::RunHook(const TSaldixDataModuleHooks::Step& step) {
  if (step) step(*this);
}

void TSaldixDataModule::SaldixDataModuleCreate() {
  try {
    konten_ = std::make_unique<TKontenEinstellungen>(start_.Katalog);
    // Debtor accounts by customer number ask the partner-list server.
    konten_->SetKundennummerQuelle([this](const TIntPair& partner) { return GEPGet_Kundennummer(partner); });
    if (start_.Interaktiv) {
      TIntPair gewaehlt;
      std::string name;
      if (!start_.MandDialog || !start_.MandDialog->Ausfuehren(gewaehlt, name)) {
        beendet_ = true;
        return;
      }
      MandantWechseln(gewaehlt, name);
    }
    Filterlisten_Restore();
    konten_->ExporterInit();
    SystemParameterLesen();
    belegAuskunft_.reset();  // the branch cache starts empty
    konten_->KontenIni_einlesen();
  } catch (...) {
    QTXInfo().RegisterCurrentException("SaldixDataModuleCreate", true);
  }
}

// Suite parameters live in the settings store (program "SUITE", mask "PARAMETER");
// a client's system phases under mask "PHASEN", indexed by the client's key text.
void TSaldixDataModule::SystemParameterLesen() {
  // A client without the phase has no domestic-revenue account; that is no error.
  TSimpleMask phasen("SUITE", "PHASEN");
  FKontoErloeseInland =
      Trim(phasen.ReadByIndexDef(qtx_TIntPair2String(AktMandant()), "ALLGPHAS", ""));
  konten_->SetKontoErloeseInland(FKontoErloeseInland);

  TSimpleMask parameter("SUITE", "PARAMETER");
  FMitKontoNummern = parameter.ReadGlobalDef("KONTONRN", false);
  FParamBonuAufw = parameter.ReadGlobalDef("BONUAUFW", "N") == "J";
  FUnvollStPruefen = parameter.ReadGlobalDef("UNVOLLST", false);
  konten_->SetParamBonuAufw(FParamBonuAufw);
}

void TSaldixDataModule::SaldixDataModuleDestroy() {
  const auto& hooks = start_.Hooks;
  TeardownStep(kDestroy, [&] { RunHook(hooks.VorManipulatorFreigeben); });
  TeardownStep(kDestroy, [&] { fbdeMani_.reset(); });
  // Ends the current exporter with Done (its settings are stored), then the accounts,
  // settings stores and servers.
  TeardownStep(kDestroy, [&] { konten_.reset(); });
  TeardownStep(kDestroy, [&] { belegAuskunft_.reset(); });
  TeardownStep(kDestroy, [&] { RunHook(hooks.NachExporterFreigeben); });
  TeardownStep(kDestroy, [&] { unvoSelekt_.reset(); });
  QTXInfo().FehlerTerminate(kDestroy);
}

TBelegAuskunft& TSaldixDataModule::BelegAuskunft() {
  if (!belegAuskunft_) belegAuskunft_ = std::make_unique<TBelegAuskunft>(SuiteDatabase::Get());
  return *belegAuskunft_;
}

TKontenEinstellungen& TSaldixDataModule::KontenEinstellungen() {
  if (!konten_) throw std::logic_error("Die Konten des Datenmoduls sind nicht angelegt");
  return *konten_;
}

void TSaldixDataModule::SetAktMandant(const TIntPair& AFirma) {
  Guarded("TSaldixDataModule.SetAktMandant", [&] {
    KontenEinstellungen().SetAktMandant(AFirma);
    QTXProgramm().SetAktMandant(AFirma, AktTextMandant);
  });
}

void TSaldixDataModule::MandantWechseln(const TIntPair& mandant, const std::string& name) {
  // The program object takes the name together with the client.
  AktTextMandant = name;
  SetAktMandant(mandant);
  SetAktMandKurzNr();
}

void TSaldixDataModule::SetAktMandKurzNr() {
  Guarded("TSaldixDataModule.SetAktMandKurzNr", [&] { KontenEinstellungen().SetAktMandKurzNr(); });
}

void TSaldixDataModule::Filterlisten_Restore() {
  Guarded("TSaldixDataModule.Filterlisten_Restore", [&] {
    fstFilterlisten.SetFormName({"SALDIX", "FLISTEN", QTXProgramm().GetSprache()});
    SpezKontenZuord.Items.clear();
    fstFilterlisten.RestoreDefault("0", SpezKontenZuord);
  });
}

void TSaldixDataModule::Filterlisten_Buchen() {
  Guarded("TSaldixDataModule.Filterlisten_Buchen", [&] {
    fstFilterlisten.SetFormName({"SALDIX", "FLISTEN", QTXProgramm().GetSprache()});
    fstFilterlisten.StoreDefault("0", SpezKontenZuord);
  });
}

TFBDEMani& TSaldixDataModule::FBDEMani_Get() {
  // A reopened suite database must not leave the manipulator on the closed connection.
  if (!fbdeMani_ || &fbdeMani_->Connection() != &SuiteDatabase::Get()) {
    fbdeMani_ = std::make_unique<TFBDEMani>(SuiteDatabase::Get(), QTXProgramm().GetRId());
  }
  return *fbdeMani_;
}

bool TSaldixDataModule::FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& AIdentArray,
                                                 bool AExport) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_ExportKZ", [&] {
    FBDEMani_Get().ExportKzUpdate(CFBDE_BV_Saldix, AIdentArray, AExport);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& AIdentArray,
                                              int AAbrNr, int AAbrJahr,
                                              const std::optional<TFbdeBereich>& ABereich,
                                              const TAbrechnungsStand& AErwartet) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_AbrNr", [&] {
    FBDEMani_Get().AbrNrUpdate(CFBDE_BV_Saldix, AIdentArray, AAbrNr, AAbrJahr, ABereich,
                               AErwartet);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_Update(const std::vector<TIntTrio>& AIdentArray,
                                               const std::string& ABeschreibung,
                                               const std::string& AUstId,
                                               const std::string& AZMZusatz, int AKost1,
                                               int AKost2) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_Update", [&] {
    FBDEMani_Get().BeschreibungUpdate(CFBDE_BV_Saldix, AIdentArray, ABeschreibung, AUstId,
                                      AZMZusatz, AKost1, AKost2);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& AIdentArray) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_Umkehrung", [&] {
    FBDEMani_Get().UmkehrungBuchen(CFBDE_BV_Saldix, AIdentArray);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Loeschen(const std::vector<TIntTrio>& AIdentArray) {
  return Guarded("TSaldixDataModule.FBDEMani_Loeschen", [&] {
    FBDEMani_Get().Loeschen(CFBDE_BV_Saldix, AIdentArray);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_Insert(
    TIntTrio& AProtNr, const TIntPair& AFirma, TDateTime ADatum, long double ABetragSoll,
    long double ABetragHaben, const std::string& AWaehrung, const std::string& AKonto,
    const std::string& AGegenkonto, const std::string& ABeleg1, const std::string& ABeleg2,
    const std::string& AUmstId, const std::string& ABeschreibung, int ARechner, int AKost1,
    int AKost2, int AFiliale, const std::string& AKontoZusatz,
    const std::string& AGegenkontoZusatz) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_Insert", [&] {
    TFBDEDaten satz = FBDEDaten_Init();
    satz.FiBuGVorfall = C_FBDE_GV_Zu_BV(CFBDE_BV_Saldix);
    satz.Erstellt = qtx_Now();
    satz.Belegart = "PN";
    satz.Manuell = 1;
    satz.Firma = AFirma;
    satz.Belegdatum = ADatum;
    satz.Buchungsdatum = ADatum;
    satz.SetIdent(AProtNr);
    satz.LfdNr = -1;
    satz.BetragSoll = ABetragSoll;
    satz.BetragHaben = ABetragHaben;
    satz.Waehrung = AWaehrung;
    satz.KtoName = AKonto;
    satz.KtoZusatz = AKontoZusatz;
    satz.GegenKtoName = AGegenkonto;
    satz.GegenKtoZusatz = AGegenkontoZusatz;
    satz.Beleg1 = ABeleg1;
    satz.Beleg2 = ABeleg2;
    satz.UStID = AUmstId;
    satz.Beschreibung = ABeschreibung;
    satz.BelegRNr = ARechner;
    satz.Kost1 = AKost1;
    satz.Kost2 = AKost2;
    satz.Filiale = AFiliale;
    FBDEMani_Get().SatzSchreiben(CFBDE_BV_Saldix, satz, true);
    AProtNr = satz.Ident();
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_Update_Aufwand(const TIntTrio& AProtNr,
                                                       const TQTX_Aufwandsbuchung& AAufwand) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_Update_Aufwand", [&] {
    const int int1 = AAufwand.Zeilen.empty() ? 0 : AAufwand.Zeilen.front().Int1;
    const int int2 = AAufwand.Zeilen.empty() ? 0 : AAufwand.Zeilen.front().Int2;
    FBDEMani_Get().AufwandEntnahmeUpdate(CFBDE_BV_Saldix, AProtNr, AufwandEintraege(AAufwand),
                                         AAufwand.Text, AAufwand.Datum, int1, int2);
    return true;
  });
}

bool TSaldixDataModule::FBDEMani_Buchen_Update_Entname(const TIntTrio& AProtNr,
                                                       const TQTX_EntnahmeBestand& AEntnahme) {
  return Guarded("TSaldixDataModule.FBDEMani_Buchen_Update_Entname", [&] {
    FBDEMani_Get().AufwandEntnahmeUpdate(CFBDE_BV_Saldix, AProtNr, EntnahmeEintraege(AEntnahme),
                                         AEntnahme.Text, 0, 0, 0);
    return true;
  });
}

bool TSaldixDataModule::FBEX_Loeschen(const TIntPair& AFirma, int AAbrNr, int AAbrJahr) {
  return Guarded("TSaldixDataModule.FBEX_Loeschen", [&] {
    if (!Frage("Wollen Sie die Abrechnung " + std::to_string(AAbrNr) + " / " +
               std::to_string(AAbrJahr) + " wirklich löschen?")) {
      return false;
    }
    if (!Frage("Stellen Sie bitte sicher, dass die Abrechnung nicht in ihr "
               "Buchhaltungssystem eingespielt wird. Wollen Sie fortfahren?")) {
      return false;
    }
    QTXBuchung buchung;
    buchung.Start(QTXBuchung::kExport);
    auto& db = SuiteDatabase::Get();
    // The settlement's files stay, renamed, so that nobody imports them as valid ones and a
    // later export under the same number does not meet them; the history says so.
    TAbrechnungsVerlauf verlauf(db);
    TAbrechnungsEreignis geloescht;
    geloescht.Firma = AFirma;
    geloescht.AbrJahr = AAbrJahr;
    geloescht.AbrNr = AAbrNr;
    geloescht.Zustand = abrechnungszustand::Geloescht;
    geloescht.Zeit = qtx_Now();
    geloescht.Rechner = QTXProgramm().GetRId();
    geloescht.Benutzer = AngemeldeterBenutzer();
    std::vector<std::pair<std::string, std::string>> umbenennen;
    for (const auto& datei : verlauf.AktuelleDateien(AFirma, AAbrJahr, AAbrNr)) {
      std::error_code fehler;
      if (!std::filesystem::exists(datei, fehler)) continue;
      umbenennen.emplace_back(datei, StornoDateiname(datei));
      geloescht.Dateien.push_back(umbenennen.back().second);
    }
    auto& zaehlen = db.Cached(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = ? AND firma2 = ? AND abr_jahr = ? AND "
        "abr_nr = ?");
    zaehlen.With(AFirma.Nr1, AFirma.Nr2, AAbrJahr, AAbrNr);
    if (zaehlen.Step()) geloescht.Buchungen = static_cast<int>(zaehlen.Int(0));
    zaehlen.Reset();
    db.Cached("DELETE FROM fbex WHERE firma1 = ? AND firma2 = ? AND abr_jahr = ? AND "
              "abr_nr = ?")
        .With(AFirma.Nr1, AFirma.Nr2, AAbrJahr, AAbrNr)
        .Run();
    FBDEMani_Get().AbrNrZurueckSetzen(CFBDE_BV_Saldix, AFirma, AAbrNr, AAbrJahr);
    verlauf.Eintragen(geloescht);
    buchung.Commit();
    for (const auto& [alt, neu] : umbenennen) {
      std::error_code fehler;
      std::filesystem::rename(alt, neu, fehler);
      if (fehler) {
        QTXInfo().RegisterException("TSaldixDataModule.FBEX_Loeschen",
                                    "Die Datei \"" + alt + "\" der gelöschten Abrechnung konnte "
                                    "nicht umbenannt werden: " + fehler.message(),
                                    false);
      }
    }
    return true;
  });
}

bool TSaldixDataModule::ExportErlaubt_Get() const {
  return Guarded("TSaldixDataModule.ExportErlaubt_Get", [&] {
    if (QTXProgramm().GetRTyp() == kProgrammTypAlleRechte) return true;
    return MandKonfFibu_ExportRechner(AktMandant()) == QTXProgramm().GetRId();
  });
}

bool TSaldixDataModule::Vollstaendigkeiten_pruefen(const TKWX_VonBisDatum& ASelectedZeitRaum) {
  return GuardedOr("TSaldixDataModule.Vollstaendigkeiten_pruefen", true, [&] {
    if (!FUnvollStPruefen) return true;
    if (!unvoSelekt_) {
      unvoSelekt_ = start_.Unvollstaendig ? start_.Unvollstaendig
                                          : std::make_shared<Tfrmunvoselekt>();
    }
    if (unvoSelekt_->Pruefung(AktMandant(), ASelectedZeitRaum, 0, CQTX_UnVollst_Fibu_moeglich)) {
      return true;
    }
    return Frage("Wollen Sie obwohl unvollständige Daten vorliegen fortfahren?");
  });
}

bool TSaldixDataModule::Buchungen_Lesen(const TBuchungsAuswahl& AAuswahl,
                                        const std::function<bool(TfbdetempSatz&)>& each,
                                        const TBookingReader::TVorlauf& vorlauf) {
  return Guarded("TSaldixDataModule.Buchungen_Lesen", [&] {
    // One reading statement sees one state of the database, and a year of bookings has a
    // few hundred partners: each name is asked once.
    std::map<std::pair<std::int32_t, std::int32_t>, std::string> partnerNamen;
    TBookingReader(SuiteDatabase::Get(), [&](TfbdetempSatz& satz) {
      KontenAufloesen(satz);
      auto [name, neu] = partnerNamen.try_emplace({satz.GepNr.Nr1, satz.GepNr.Nr2});
      if (neu) name->second = BelegAuskunft().Belege().GEPGet_Name(satz.GepNr);
      satz.GepBez = name->second;
      if (start_.Hooks.BuchungErgaenzen) start_.Hooks.BuchungErgaenzen(*this, satz);
    }, vorlauf).ForEach(AAuswahl, each);
    return true;
  });
}

// Both accounts resolve with the booking's branch, document computer, partner and date.
void TSaldixDataModule::KontenAufloesen(TfbdetempSatz& satz) {
  auto& konten = KontenEinstellungen();
  const auto filiale = static_cast<std::int16_t>(satz.Filiale);
  const auto kurzBez = [&](const std::string& name, const std::string& zusatz) {
    const int nummer = konten.Get_Konto_Nummer(name, zusatz, satz.Belegdatum, satz.GepNr,
                                               satz.BelegRNr, filiale);
    return KontoKurzText(nummer, name, zusatz);
  };
  satz.KtoBez = konten.Get_Konto_Bezeichnung(satz.KtoName, satz.KtoZusatz, satz.Belegdatum);
  satz.GegenKtoBez =
      konten.Get_Konto_Bezeichnung(satz.GegenKtoName, satz.GegenKtoZusatz, satz.Belegdatum);
  satz.KtoKurzBez = kurzBez(satz.KtoName, satz.KtoZusatz);
  satz.GegenKtoKurzBez = kurzBez(satz.GegenKtoName, satz.GegenKtoZusatz);
}

std::string TSaldixDataModule::CreateIdent() { return ::CreateIdent(); }

std::string TSaldixDataModule::TextOhneZeilenumbruch(const std::string& AText) {
  return ::TextOhneZeilenumbruch(AText);
}

std::string TSaldixDataModule::GetKurzBeschreibung(const std::string& S) {
  return ::GetKurzBeschreibung(S);
}

std::string TSaldixDataModule::BLB(const std::string& BKB) { return ::BLB(BKB); }

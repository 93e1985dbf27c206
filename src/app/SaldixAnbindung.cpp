#include "app/SaldixAnbindung.h"

#include "export/FibuExportKatalog.h"
#include "export/fibuexportclass.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXBuchung.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

TSaldixDaten::TSaldixDaten(TSaldixDataModule& modul)
    : modul_(modul),
      auskunft_(SuiteDatabase::Get()),
      abrechnungen_(SuiteDatabase::Get()) {}

// --- TExportAnbindung ----------------------------------------------------------------

int TExportAnbindung::GetMaxBelegNrFBEX(TIntPair firma, int abrJahr, int abrNr) {
  return Dienst().Nummern().GetMaxBelegNrFBEX(firma, abrJahr, abrNr);
}
bool TExportAnbindung::FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int abrNr,
                                             int abrJahr, const TFbdeBereich& bereich,
                                             const TAbrechnungsStand& erwartet) {
  if (buchung_) return buchung_->Markieren(idents, abrNr, abrJahr, bereich, erwartet);
  return d_.Modul().FBDEMani_Buchen_AbrNr(idents, abrNr, abrJahr, bereich, erwartet);
}
std::unique_ptr<IExportDienste::Markierung> TExportAnbindung::MarkierungBeginnen(
    const std::vector<TIntTrio>& idents, int abrNr, int abrJahr, const TFbdeBereich& bereich,
    const TAbrechnungsStand& erwartet) {
  if (buchung_) return buchung_->MarkierungBeginnen(idents, abrNr, abrJahr, bereich, erwartet);
  return IExportDienste::MarkierungBeginnen(idents, abrNr, abrJahr, bereich, erwartet);
}
std::string TExportAnbindung::InzwischenVergeben(const std::vector<TIntTrio>& idents,
                                                 const TAbrechnungsStand& erwartet) {
  if (buchung_) return buchung_->InzwischenVergeben(idents, erwartet);
  return d_.Modul().FBDEMani_Get().Vergeben(idents, erwartet);
}
void TExportAnbindung::DateienVormerken(const TFertigeDateien& dateien,
                                        const std::string& anlass) {
  TDateiFreigaben(buchung_ ? buchung_->Verbindung() : SuiteDatabase::Get())
      .Vormerken(dateien, anlass);
}
std::vector<std::string> TExportAnbindung::DateienVeroeffentlichen(TFertigeDateien& dateien) {
  // The bracket has ended: its notes are forgotten on the program's connection.
  return TDateiFreigaben(SuiteDatabase::Get()).Veroeffentlichen(dateien);
}
bool TExportAnbindung::AbrNrNachFBEX(TIntPair firma, int abrJahr, int abrNr, TDateTime datumVon,
                                     TDateTime datumBis, const TSelektTab& markiert,
                                     int maxBelegNr) {
  return Dienst().Nummern().AbrNrNachFBEX(firma, abrJahr, abrNr, datumVon, datumBis, markiert,
                                 maxBelegNr);
}
bool TExportAnbindung::AbrechnungProtokollieren(const TAbrechnungsEreignis& ereignis) {
  return Guarded("TSaldixDataModule.AbrechnungProtokollieren", [&] {
    // On the bracket's connection: committed or undone with the journal lines.
    TAbrechnungsVerlauf(buchung_ ? buchung_->Verbindung() : SuiteDatabase::Get())
        .Eintragen(ereignis);
    return true;
  });
}
char TExportAnbindung::Get_Aufwand_Erloes_Bestand(const std::string& kontoName,
                                                  const std::string& kontoZusatz,
                                                  TDateTime datum) {
  return d_.Konten().Get_Aufwand_Erloes_Bestand(kontoName, kontoZusatz, datum);
}
bool TExportAnbindung::IstSteuerkonto(const std::string& kontoName, const std::string&,
                                      TDateTime, std::string& steuerName) {
  // The suite's VAT accounts are named after their tax and rate (MWST1900, VORST0700).
  const std::string name = Utf8Upper(Trim(kontoName));
  if (name.rfind("MWST", 0) != 0 && name.rfind("VORST", 0) != 0) return false;
  steuerName = name;
  return true;
}
bool TExportAnbindung::HatKontoArt(const std::string& kontoName, const std::string& kontoZusatz,
                                   TDateTime, int art) {
  return d_.KontoServer().KontoHatCode(d_.Konten().AktMandant(), kontoName, kontoZusatz, {art});
}
std::string TExportAnbindung::SteuerSchlNachKonto(const std::string& steuerSchl,
                                                  long double& prozent) {
  double wert = 0;
  std::string konto = d_.Konten().Steuer().SteuerSchlNachKonto(steuerSchl, wert);
  prozent = wert;
  return konto;
}
long double TExportAnbindung::SteuerProzentAusKonto(const std::string& steuerName) {
  return qtx_Round(static_cast<long double>(d_.Konten().Steuer().GetProzentSatzAusKonto(steuerName)) *
                       100,
                   2);
}

namespace {

class TBuchungsKlammer final : public IExportDienste::Klammer {
 public:
  explicit TBuchungsKlammer(int art) { buchung_.Start(art); }
  ~TBuchungsKlammer() override {
    if (buchung_.Active()) buchung_.Rollback();
  }
  void Abschliessen() override { buchung_.Commit(); }

 private:
  QTXBuchung buchung_{SuiteDatabase::Get()};
};

// The bracket on a connection of its own: while it is open, the binding's bookkeeping
// goes there.
class TEigeneBuchungsKlammer final : public IExportDienste::Klammer {
 public:
  TEigeneBuchungsKlammer(std::unique_ptr<TExportBuchungsverbindung> verbindung, int art,
                         TExportBuchungsverbindung*& aktiv)
      : verbindung_(std::move(verbindung)), aktiv_(aktiv) {
    verbindung_->Sperren(art);
    aktiv_ = verbindung_.get();
  }
  // Closing the connection undoes what was not committed.
  ~TEigeneBuchungsKlammer() override { aktiv_ = nullptr; }
  void Abschliessen() override { verbindung_->Abschliessen(); }

 private:
  std::unique_ptr<TExportBuchungsverbindung> verbindung_;
  TExportBuchungsverbindung*& aktiv_;
};

class TTransaktion final : public IExportDienste::Klammer {
 public:
  explicit TTransaktion(suitedb::Connection& verbindung) : transaktion_(verbindung) {}
  void Abschliessen() override { transaktion_.Commit(); }

 private:
  suitedb::Transaction transaktion_;
};

}  // namespace

std::unique_ptr<IExportDienste::Klammer> TExportAnbindung::BuchungsklammerOeffnen(int art) {
  std::unique_ptr<TExportBuchungsverbindung> verbindung;
  try {
    verbindung = std::make_unique<TExportBuchungsverbindung>(SuiteDatabase::Get(),
                                                             QTXProgramm().GetRId());
  } catch (const suitedb::StorageError&) {
    // A database that cannot be opened twice keeps the bracket on the program's connection.
    return std::make_unique<TBuchungsKlammer>(art);
  }
  return std::make_unique<TEigeneBuchungsKlammer>(std::move(verbindung), art, buchung_);
}
std::unique_ptr<IExportDienste::Klammer> TExportAnbindung::TransaktionOeffnen() {
  return std::make_unique<TTransaktion>(buchung_ ? buchung_->Verbindung() : SuiteDatabase::Get());
}

// --- TBatchAnbindung -----------------------------------------------------------------

TBatchAnbindung::TBatchAnbindung(TSaldixDaten& daten)
    : d_(daten), mandanten_(SuiteDatabase::Get()) {}

int TBatchAnbindung::MandantenAnzahl() { return static_cast<int>(mandanten_.Liste().size()); }

bool TBatchAnbindung::MandantZuKurzNr(int kurzNr, TIntPair& mandant, std::string& name) {
  for (const auto& eintrag : mandanten_.Liste()) {
    if (eintrag.KurzNr != kurzNr) continue;
    mandant = eintrag.GepNr;
    name = eintrag.Name;
    return true;
  }
  return false;
}
void TBatchAnbindung::SetAktMandant(const TIntPair& mandant, int, const std::string& name) {
  d_.Modul().MandantWechseln(mandant, name);
}
TIntPair TBatchAnbindung::AktMandant() const { return d_.Modul().AktMandant(); }
bool TBatchAnbindung::ExporterBekannt(const std::string& kennung) {
  return TFibuExportKatalog::Global().FindExakt(kennung) >= 0;
}
std::string TBatchAnbindung::AktExporterKennung() { return d_.Konten().AktExporterKennung(); }
std::string TBatchAnbindung::AktExporterName() { return d_.Konten().AktExporterName(); }
void TBatchAnbindung::SetAktExporterKennung(const std::string& kennung) {
  d_.Konten().SetAktExporterKennung(kennung);
}
int TBatchAnbindung::ExporterProfilAnzahl() {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter ? exporter->Get_Anzahl_Profile() : 0;
}
bool TBatchAnbindung::ExporterLadeConfig(const std::string& profil) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->Lade_Config(profil);
}
bool TBatchAnbindung::ExporterProfilGeeignet(const TIntPair& mandant) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->Profil_Geeignet(mandant);
}
bool TBatchAnbindung::ExporterEinstellungenVorhanden() {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->EinstellungenVorhanden();
}
void TBatchAnbindung::KontenIni_einlesen() { d_.Konten().KontenIni_einlesen(); }


std::string THauptAnbindung::ProgrammMandantText() { return QTXProgramm().GetTextMandant(); }

int THauptAnbindung::ExporterProfilAnzahl() {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter ? exporter->Get_Anzahl_Profile() : 0;
}

bool THauptAnbindung::ExporterProfilGeeignet(const TIntPair& mandant) {
  TFibuExporter* exporter = d_.Konten().AktExporter();
  return exporter && exporter->Profil_Geeignet(mandant);
}

void THauptAnbindung::MandantSetzen(const TIntPair& mandant, const std::string& name) {
  d_.Modul().MandantWechseln(mandant, name);
}

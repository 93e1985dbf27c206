// The unattended export of one client's year of open bookings, as `saldix -MAND:n
// -VDATUM -BDATUM` runs it (load, combine, check, write, mark, journal), and the writing
// step alone (a test export of the loaded list). Each run of the whole road starts from a
// fresh copy of the demo database, because a real export closes the bookings it files.
//
//   bench/batch_timing.sh prepares the database and runs this with:
//   SALDIX_BENCH_DB=/tmp/demo.db [SALDIX_BENCH_MAND=1] [SALDIX_BENCH_JAHR=2025] bench_batchlauf
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/SaldixBatchProgramm.h"
#include "app/SaldixSitzung.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace {

struct TBenchAuftrag {
  std::string vorlage;  // the demo database; never changed
  std::string arbeit;   // the copy each run works on
  int kurzNr = 1;
  int jahr = 2025;
  TIntPair firma;
  std::int64_t offene = 0;  // open bookings of the period that the run exports
};

int ZahlAusUmgebung(const char* name, int vorgabe) {
  const char* wert = std::getenv(name);
  return wert == nullptr || *wert == '\0' ? vorgabe : std::atoi(wert);
}

// Opens a fresh copy of the demo database as the current connection.
void FrischeKopieOeffnen(const TBenchAuftrag& auftrag) {
  if (SuiteDatabase::IsOpen()) SuiteDatabase::Close();
  for (const char* endung : {"", "-wal", "-shm"}) {
    std::filesystem::remove(auftrag.arbeit + endung);
  }
  std::filesystem::copy_file(auftrag.vorlage, auftrag.arbeit);
  SuiteDatabase::Open(auftrag.arbeit, false);
}

const TBenchAuftrag& Auftrag() {
  static const TBenchAuftrag auftrag = [] {
    TBenchAuftrag a;
    const char* pfad = std::getenv("SALDIX_BENCH_DB");
    if (pfad == nullptr || *pfad == '\0') {
      std::cerr << "SALDIX_BENCH_DB nennt keine Demo-Datenbank (bench/batch_timing.sh legt "
                   "sie an)\n";
      std::exit(2);
    }
    a.vorlage = pfad;
    a.arbeit = a.vorlage + ".lauf";
    a.kurzNr = ZahlAusUmgebung("SALDIX_BENCH_MAND", 1);
    a.jahr = ZahlAusUmgebung("SALDIX_BENCH_JAHR", 2025);
    FrischeKopieOeffnen(a);
    ExportFormateRegistrieren(TFibuExportKatalog::Global());
    QTXInfo().SetPresenter(std::make_shared<SilentPresenter>());
    QTXProgramm().Init("Saldix", 3);
    QTXProgramm().SetSilentMode(true);
    auto& mandant = SuiteDatabase::Get().Cached(
        "SELECT firma1, firma2 FROM mandanten WHERE kurz_nr = ?");
    if (!mandant.With(a.kurzNr).Step()) {
      std::cerr << "Die Demo-Datenbank kennt den Mandanten " << a.kurzNr << " nicht\n";
      std::exit(2);
    }
    a.firma = {static_cast<std::int32_t>(mandant.Int(0)), static_cast<std::int32_t>(mandant.Int(1))};
    mandant.Reset();
    auto& offene = SuiteDatabase::Get().Cached(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = ? AND firma2 = ? AND abr_jahr = 0 AND "
        "abr_nr = 0 AND export_kz = 'J' AND belegdatum >= ? AND belegdatum < ?");
    offene.With(a.firma.Nr1, a.firma.Nr2, EncodeDate(a.jahr, 1, 1), EncodeDate(a.jahr + 1, 1, 1));
    a.offene = offene.Step() ? offene.Int(0) : 0;
    offene.Reset();
    return a;
  }();
  return auftrag;
}

std::string Datum(int tag, int monat, int jahr) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%04d", tag, monat, jahr);
  return text;
}

// The whole batch run; items are the bookings it files.
void BM_BatchLauf(benchmark::State& state) {
  const TBenchAuftrag& a = Auftrag();
  const std::vector<std::string> argumente{"-MAND:" + std::to_string(a.kurzNr),
                                           "-VDATUM:" + Datum(1, 1, a.jahr),
                                           "-BDATUM:" + Datum(31, 12, a.jahr)};
  for (auto _ : state) {
    state.PauseTiming();
    FrischeKopieOeffnen(a);
    state.ResumeTiming();
    if (SaldixBatchProgramm(argumente) != 0) {
      state.SkipWithError("Der Batchlauf hat nicht exportiert (saldix-suite log)");
      break;
    }
  }
  state.SetItemsProcessed(a.offene * state.iterations());
  state.counters["Buchungen"] = static_cast<double>(a.offene);
}
BENCHMARK(BM_BatchLauf)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// Writing alone: the list is loaded and marked once as the batch run does it, then every
// iteration is a test export of it (the same file, nothing filed).
void BM_Schreiben(benchmark::State& state) {
  const TBenchAuftrag& a = Auftrag();
  FrischeKopieOeffnen(a);
  TKeineAbrechnungsWahl keineWahl;
  TSaldixSitzung sitzung(TSaldixDataModuleStart{}, keineWahl);
  sitzung.Modul().SetAktMandant(a.firma);
  sitzung.Modul().SetAktMandKurzNr();
  sitzung.Modul().KontenEinstellungen().KontenIni_einlesen();
  TSaldixBearbeiten& form = sitzung.Liste();
  form.FBatchmode = true;
  form.SetDatumVon(EncodeDate(a.jahr, 1, 1));
  form.SetDatumBis(EncodeDate(a.jahr, 12, 31));
  form.SetAbrechnung(1, a.jahr);
  form.OffeneAbrechnung = true;
  form.FormShow();
  form.FormActivate();
  std::size_t zeilen = 0;
  for (auto _ : state) {
    auto liste = form.ExportListe();
    TExportMeldung meldung(true);
    TExportLauf lauf(*liste, sitzung.ExportDienste(), meldung, &sitzung.Anreicherung());
    TExportAbrechnung abrechnung{form.FFirma, form.AbrNr, form.AbrJahr, form.DatumVon,
                                 form.DatumBis, form.Buchungsmonat};
    const TExportErgebnis ergebnis =
        lauf.Ausfuehren(sitzung.Daten().Konten().AktExporter(), false, abrechnung);
    if (!ergebnis.ok) {
      state.SkipWithError("Der Testexport ist fehlgeschlagen (saldix-suite log)");
      break;
    }
    zeilen = static_cast<std::size_t>(ergebnis.zeilen);
  }
  state.SetItemsProcessed(a.offene * state.iterations());
  state.counters["Buchungen"] = static_cast<double>(a.offene);
  state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(BM_Schreiben)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

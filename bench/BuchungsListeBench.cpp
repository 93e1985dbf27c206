// Loading a year of one client's open bookings into the booking list and combining them
// with criterion "FILIALEDATUM": bookings per second through load, account resolution and
// combination, and the memory the list holds per booking.
//
//   saldix-suite demo --bookings 1000000 --db /tmp/demo.db
//   SALDIX_BENCH_DB=/tmp/demo.db bench_buchungsliste
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/SaldixBearbAnbindung.h"
#include "app/SaldixBearbLaden.h"
#include "app/SaldixBearbZusammenfassung.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace {

struct TBenchUmgebung {
  std::unique_ptr<TSaldixDataModule> dm;
  std::unique_ptr<TBearbDatenmodulAnbindung> anbindung;
  TLadeAuftrag auftrag;
};

// The client with the most open bookings and the year of its latest open booking.
TBenchUmgebung& Umgebung() {
  static TBenchUmgebung umgebung = [] {
    const char* pfad = std::getenv("SALDIX_BENCH_DB");
    if (pfad == nullptr || *pfad == '\0') {
      std::cerr << "SALDIX_BENCH_DB nennt keine Demo-Datenbank "
                   "(saldix-suite demo --bookings 1000000 --db PFAD)\n";
      std::exit(2);
    }
    SuiteDatabase::Open(pfad);
    QTXInfo().SetPresenter(std::make_shared<SilentPresenter>());
    QTXProgramm().Init("Saldix", 3);
    TBenchUmgebung u;
    auto& frage = SuiteDatabase::Get().Cached(
        "SELECT firma1, firma2, MAX(belegdatum), COUNT(*) FROM fbde WHERE abr_jahr = 0 AND "
        "abr_nr = 0 GROUP BY firma1, firma2 ORDER BY COUNT(*) DESC LIMIT 1");
    if (!frage.Step()) {
      std::cerr << "Die Demo-Datenbank enthält keine offenen Buchungen\n";
      std::exit(2);
    }
    const TIntPair firma{static_cast<std::int32_t>(frage.Int(0)),
                         static_cast<std::int32_t>(frage.Int(1))};
    int jahr = 0, monat = 0, tag = 0;
    DecodeDate(frage.Real(2), jahr, monat, tag);
    frage.Reset();
    u.dm = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    u.dm->SetAktMandant(firma);
    u.anbindung = std::make_unique<TBearbDatenmodulAnbindung>(*u.dm);
    u.auftrag.Firma = firma;
    u.auftrag.DatumVon = EncodeDate(jahr, 1, 1);
    u.auftrag.DatumBis = EncodeDate(jahr, 12, 31);
    return u;
  }();
  return umgebung;
}

std::size_t BelegterSpeicher() { return mallinfo2().uordblks; }

void BM_LadenUndZusammenfassen(benchmark::State& state) {
  TBenchUmgebung& u = Umgebung();
  TListenEinstellungen einstellungen = u.anbindung->Einstellungen();
  einstellungen.MaxZeilen = 0;
  einstellungen.KontoKombination = true;
  einstellungen.Kriterien = "FILIALEDATUM";
  einstellungen.NachNummer = true;
  einstellungen.Beschreibung = true;
  const TListenExporter exporter = u.anbindung->Exporter();
  std::size_t buchungen = 0, zeilen = 0, speicher = 0;
  for (auto _ : state) {
    const std::size_t vorher = BelegterSpeicher();
    TLadeErgebnis ergebnis =
        TBuchungsLader(u.anbindung->Dienste(), einstellungen, exporter).Laden(u.auftrag);
    TBuchungsListe liste;
    TBuchungsZusammenfassung(*u.anbindung, einstellungen, false, false)
        .Aufbauen(ergebnis.Buchungen, liste);
    speicher = BelegterSpeicher() - vorher;
    buchungen = ergebnis.Buchungen.size();
    zeilen = liste.Oberste().size();
    benchmark::DoNotOptimize(liste);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(buchungen) * state.iterations());
  state.counters["Buchungen"] = static_cast<double>(buchungen);
  state.counters["Exportzeilen"] = static_cast<double>(zeilen);
  state.counters["Bytes_je_Buchung"] =
      buchungen == 0 ? 0.0 : static_cast<double>(speicher) / static_cast<double>(buchungen);
}
BENCHMARK(BM_LadenUndZusammenfassen)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reading alone (booking file and account resolution of the data module), for
// comparison with the whole road.
void BM_NurLesen(benchmark::State& state) {
  TBenchUmgebung& u = Umgebung();
  TBuchungsFilter filter;
  filter.Firma = u.auftrag.Firma;
  filter.DatumVon = u.auftrag.DatumVon;
  filter.DatumBis = u.auftrag.DatumBis;
  std::size_t buchungen = 0;
  for (auto _ : state) {
    buchungen = 0;
    u.anbindung->BuchungenLesen(filter, [&](const TBuchungsRohsatz&) {
      ++buchungen;
      return true;
    });
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(buchungen) * state.iterations());
}
BENCHMARK(BM_NurLesen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

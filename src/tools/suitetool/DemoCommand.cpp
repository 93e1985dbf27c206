#include "suitetool/DemoCommand.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Paths.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

constexpr std::int64_t kMaxBookings = 100000000;

// "YYYY-MM" as year and month; UsageError otherwise.
void ParseMonth(const std::string& text, int& year, int& month) {
  std::int64_t y = 0, m = 0;
  if (text.size() != 7 || text[4] != '-' || !ParseInteger(text.substr(0, 4), y) ||
      !ParseInteger(text.substr(5), m) || y < 1900 || y > 9999 || m < 1 || m > 12) {
    throw UsageError("Die Option \"--until\" erwartet einen Monat als JJJJ-MM, nicht \"" + text +
                     "\"");
  }
  year = static_cast<int>(y);
  month = static_cast<int>(m);
}

}  // namespace

std::string DemoCommand::Help() const {
  return "Aufruf: saldix-suite demo [--bookings N] [--seed S] [--until JJJJ-MM] [--db PFAD]\n\n"
         "Füllt eine leere Suite-Datenbank mit einer Demo-Suite: zwei Mandanten (Kurznummer 1\n"
         "mit Kalender-Wirtschaftsjahr, Kurznummer 2 mit Wirtschaftsjahr ab Juli), Filialen,\n"
         "Rechner, Kontenplan mit Steuerkonten, Geschäftspartner, Rechnungen und Gutschriften,\n"
         "Kassenberichte und Buchungen aller Herkünfte über die 24 Monate vor dem aktuellen\n"
         "Monat. Die Monate bis auf die letzten zwei sind bereits abgerechnet. Gleicher Seed\n"
         "und gleiches --until ergeben dieselbe Datenbank.\n\n"
         "  --bookings N     Anzahl Buchungssätze (Vorgabe 5000)\n"
         "  --seed S         Startwert der Zufallszahlen (Vorgabe 1)\n"
         "  --until JJJJ-MM  die Buchungen enden vor diesem Monat (Vorgabe: aktueller Monat)\n";
}

int DemoCommand::Run(const CommandLine& line, ToolContext& context) {
  DemoOptions options;
  options.bookings = static_cast<std::uint64_t>(
      line.IntValue("bookings", static_cast<std::int64_t>(kDefaultDemoBookings), 1, kMaxBookings));
  options.seed = static_cast<std::uint64_t>(
      line.IntValue("seed", 1, 0, std::numeric_limits<std::int64_t>::max()));
  if (line.Has("until")) {
    ParseMonth(line.Value("until"), options.untilYear, options.untilMonth);
  } else {
    int day = 0;
    DecodeDate(qtx_Date(), options.untilYear, options.untilMonth, day);
  }

  OpenSuiteDatabase(line, false);
  const auto started = std::chrono::steady_clock::now();
  ProgressDisplay progress(context.showProgress ? &context.err : nullptr, "Demo-Buchungen",
                           options.bookings);
  DemoGenerator generator(SuiteDatabase::Get(), options);
  const DemoSummary summary = generator.Run(progress);
  // Ready to export: every format that has a demo profile stores it through its own
  // settings; DATEV 700 stays the active format.
  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  const std::string exportDir = ConcatPathNames(SaldixHome(), "export");
  for (const TFibuExpRegInfo& row : TFibuExportKatalog::Global().Rows()) {
    if (row.DemoProfil && !row.DemoProfil(exportDir)) {
      SuiteDatabase::Close();
      context.err << "Die Einstellungen von \"" << row.Name
                  << "\" konnten in der Demo-Suite nicht gespeichert werden.\n";
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const std::string path = SuiteDatabase::Get().Path();
  SuiteDatabase::Close();

  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  char elapsed[32];
  std::snprintf(elapsed, sizeof elapsed, "%.1f", seconds);
  context.out << "Demo-Suite angelegt in " << path << ":\n"
              << "  " << summary.bookings << " Buchungen vom " << DateText(summary.from)
              << " bis " << DateText(summary.to) << "\n"
              << "  " << summary.settlements << " Abrechnungen, " << summary.documents
              << " Belege, " << summary.cashReports << " Kassenberichte\n"
              << "  " << summary.accounts << " Konten, " << summary.partners
              << " Geschäftspartner, 2 Mandanten\n"
              << "  Exportformat DATEV 700, Exportverzeichnis " << exportDir << "\n"
              << "  Dauer " << elapsed << " s";
  if (!error) context.out << ", Dateigröße " << size / (1024 * 1024) << " MB";
  context.out << '\n';
  return 0;
}

}  // namespace suitetool

#include "suitetool/JournalCommand.h"

#include <map>
#include <stdexcept>
#include <tuple>

#include "data/AbrechnungsVerlauf.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

struct ClientFilter {
  bool all = true;
  std::int64_t firma1 = 0;
  std::int64_t firma2 = 0;
};

ClientFilter FindClient(suitedb::Connection& db, std::int64_t shortNumber) {
  auto& stmt = db.Cached("SELECT firma1, firma2 FROM mandanten WHERE kurz_nr = ?");
  stmt.With(shortNumber);
  if (!stmt.Step()) {
    throw std::runtime_error("Einen Mandanten mit der Kurznummer " + std::to_string(shortNumber) +
                             " gibt es nicht");
  }
  ClientFilter filter{false, stmt.Int(0), stmt.Int(1)};
  stmt.Reset();
  return filter;
}

using SettlementKey = std::tuple<std::int64_t, std::int64_t, std::int64_t, std::int64_t>;

void PrintEvent(std::ostream& out, const TAbrechnungsEreignis& e) {
  out << "    " << EreignisText(e) << '\n';
  for (const auto& file : e.Dateien) out << "      Datei: " << file << '\n';
}

}  // namespace

std::string JournalCommand::Help() const {
  return "Aufruf: saldix-suite journal [--client N] [--year JJJJ] [--db PFAD]\n\n"
         "Listet die Abrechnungen des Exportjournals: Mandant, Abrechnung (Nummer/Jahr),\n"
         "Zeitraum, beteiligte Rechner und Anzahl der abgerechneten Buchungen, darunter\n"
         "den Verlauf jeder Abrechnung, neueste zuletzt: Zeit, Zustand (exportiert, erneut\n"
         "ausgegeben, gelöscht), Rechner, Benutzer, Buchungen, Zeilen, Soll- und\n"
         "Habensumme und Datei(en). Gelöschte Abrechnungen folgen am Ende.\n\n"
         "  --client N   nur der Mandant mit der Kurznummer N\n"
         "  --year JJJJ  nur das Abrechnungsjahr JJJJ\n";
}

int JournalCommand::Run(const CommandLine& line, ToolContext& context) {
  const std::int64_t shortNumber = line.IntValue("client", 0, 1, 255);
  const std::int64_t year = line.IntValue("year", 0, 1900, 9999);
  OpenSuiteDatabase(line, false);
  auto& db = SuiteDatabase::Get();
  const ClientFilter client = line.Has("client") ? FindClient(db, shortNumber) : ClientFilter{};

  auto& stmt = db.Cached(
      "SELECT x.firma1, x.firma2, COALESCE(m.kurz_nr, 0), COALESCE(m.name, ''), x.abr_jahr, "
      "x.abr_nr, MIN(x.datum_von), MAX(x.datum_bis), group_concat(x.rnr, ', '), "
      "(SELECT COUNT(*) FROM fbde b WHERE b.firma1 = x.firma1 AND b.firma2 = x.firma2 "
      "AND b.abr_jahr = x.abr_jahr AND b.abr_nr = x.abr_nr AND b.abr_nr <> 0) "
      "FROM fbex x LEFT JOIN mandanten m ON m.firma1 = x.firma1 AND m.firma2 = x.firma2 "
      "WHERE (?1 OR (x.firma1 = ?2 AND x.firma2 = ?3)) AND (?4 = 0 OR x.abr_jahr = ?4) "
      "GROUP BY x.firma1, x.firma2, x.abr_jahr, x.abr_nr "
      "ORDER BY x.firma1, x.firma2, x.abr_jahr, x.abr_nr");
  stmt.With(client.all, client.firma1, client.firma2, year);

  // Each settlement's history, oldest event first.
  std::map<SettlementKey, std::vector<TAbrechnungsEreignis>> history;
  std::vector<SettlementKey> historyOrder;
  const TIntPair clientKey = client.all ? TIntPair{}
                                        : TIntPair{static_cast<std::int32_t>(client.firma1),
                                                   static_cast<std::int32_t>(client.firma2)};
  for (auto& e : TAbrechnungsVerlauf(db).Ereignisse(clientKey, static_cast<int>(year))) {
    const SettlementKey key{e.Firma.Nr1, e.Firma.Nr2, e.AbrJahr, e.AbrNr};
    if (!history.count(key)) historyOrder.push_back(key);
    history[key].push_back(std::move(e));
  }

  auto& out = context.out;
  std::size_t count = 0;
  while (stmt.Step()) {
    if (count++ == 0) {
      out << PadRight("Mandant", 34) << PadRight("Abrechnung", 12) << PadRight("Zeitraum", 25)
          << PadRight("Rechner", 14) << "Buchungen\n";
    }
    std::string clientText = std::to_string(stmt.Int(2)) + " " + stmt.Text(3);
    if (stmt.Int(2) == 0) clientText = std::to_string(stmt.Int(0)) + "/" + std::to_string(stmt.Int(1));
    const std::string settlement = std::to_string(stmt.Int(5)) + "/" + std::to_string(stmt.Int(4));
    const std::string period = DateText(stmt.Real(6)) + " - " + DateText(stmt.Real(7));
    out << PadRight(clientText, 34) << PadRight(settlement, 12) << PadRight(period, 25)
        << PadRight(stmt.Text(8), 14) << stmt.Int(9) << '\n';
    const auto found = history.find({stmt.Int(0), stmt.Int(1), stmt.Int(4), stmt.Int(5)});
    if (found != history.end()) {
      for (const auto& e : found->second) PrintEvent(out, e);
      history.erase(found);
    }
  }
  stmt.Reset();
  // Settlements that are no longer in the journal: deleted ones.
  bool deletedHeading = false;
  for (const auto& key : historyOrder) {
    const auto found = history.find(key);
    if (found == history.end()) continue;
    if (!deletedHeading) {
      out << (count ? "\n" : "") << "Gelöschte Abrechnungen:\n";
      deletedHeading = true;
    }
    const auto& first = found->second.front();
    out << "  Mandant " << first.Firma.Nr1 << "/" << first.Firma.Nr2 << "  Abrechnung "
        << first.AbrNr << "/" << first.AbrJahr << '\n';
    for (const auto& e : found->second) PrintEvent(out, e);
  }
  if (count > 0) {
    out << count << (count == 1 ? " Abrechnung\n" : " Abrechnungen\n");
  } else if (!deletedHeading) {
    out << "Keine Abrechnungen gefunden.\n";
  }
  return 0;
}

}  // namespace suitetool

#include "data/BookingReader.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "data/BookingTexts.h"
#include "suite/Text.h"
#include "suite/records/FbdeFile.h"

namespace {

using Parameter = std::variant<std::int64_t, double, std::string>;

class Query {
 public:
  void Where(const char* condition, Parameter value) {
    Where(condition);
    parameters_.push_back(std::move(value));
  }
  // A condition spelt out in the statement, where an index over part of the table must
  // see that it applies.
  void Where(const char* condition) {
    sql_ += sql_.empty() ? " WHERE " : " AND ";
    sql_ += condition;
  }
  // Without statistics SQLite would rather scan a client's whole file in date order than
  // sort a settlement read through its index.
  void Index(const char* name) { index_ = std::string(" INDEXED BY ") + name; }
  std::string Sql() const {
    return "SELECT " + TFbdeFile::Columns() + " FROM fbde" + index_ + sql_ +
           " ORDER BY belegdatum";
  }
  void Bind(suitedb::Statement& stmt) const {
    stmt.Reset();
    int index = 0;
    for (const auto& value : parameters_) {
      ++index;
      std::visit([&](const auto& v) { stmt.Bind(index, v); }, value);
    }
  }

 private:
  std::string index_;
  std::string sql_;
  std::vector<Parameter> parameters_;
};

Query BuildQuery(const TBuchungsAuswahl& a) {
  Query q;
  q.Where("firma1 = ?", std::int64_t{a.Firma.Nr1});
  q.Where("firma2 = ?", std::int64_t{a.Firma.Nr2});
  using TArt = TBuchungsAuswahl::TArt;
  if (a.Art != TArt::Zeitraum) {
    const bool offen = a.Art == TArt::Offen;
    q.Where("abr_jahr = ?", std::int64_t{offen ? 0 : a.AbrJahr});
    q.Where("abr_nr = ?", std::int64_t{offen ? 0 : a.AbrNr});
    // Settled bookings are indexed apart from the open ones.
    if (!offen && a.AbrNr != 0) {
      q.Index("fbde_abrechnung");
      q.Where("abr_nr <> 0");
    }
  }
  if (a.Art != TArt::Abrechnung) {
    // A booking at 14:00 on the last day belongs to the period; without this it would
    // fall between this period and the next one.
    if (a.DatumVon > 0) q.Where("belegdatum >= ?", std::floor(a.DatumVon));
    if (a.DatumBis > 0) q.Where("belegdatum < ?", std::floor(a.DatumBis) + 1);
  }
  if (a.Export) q.Where("export_kz = ?", BoolToJN(*a.Export));
  if (a.BelegRechner > 0) q.Where("beleg_rnr = ?", std::int64_t{a.BelegRechner});
  if (a.Filiale > 0) q.Where("filiale = ?", std::int64_t{a.Filiale});
  if (!a.Belegart.empty()) q.Where("belegart = ?", a.Belegart);
  if (!a.FiBuGVorfall.empty()) q.Where("fibu_gvorfall = ?", a.FiBuGVorfall);
  return q;
}

}  // namespace

TBookingReader::TBookingReader(suitedb::Connection& connection, TKontoAufloesung aufloesung)
    : db_(connection), aufloesung_(std::move(aufloesung)) {}

void TBookingReader::KurzBezOhneNummer(TfbdetempSatz& satz) {
  satz.KtoKurzBez = Trim(satz.KtoName + " " + satz.KtoZusatz);
  satz.GegenKtoKurzBez = Trim(satz.GegenKtoName + " " + satz.GegenKtoZusatz);
}

std::size_t TBookingReader::ForEach(const TBuchungsAuswahl& auswahl,
                                    const std::function<bool(TfbdetempSatz&)>& each) {
  const Query query = BuildQuery(auswahl);
  std::vector<int> ausgeschlossen = auswahl.FilialenAusgeschlossen;
  std::sort(ausgeschlossen.begin(), ausgeschlossen.end());

  auto& stmt = db_.Cached(query.Sql());
  query.Bind(stmt);
  std::size_t count = 0;
  try {
    while (stmt.Step()) {
      TfbdetempSatz satz(TFbdeFile::FromRow(stmt));
      if (std::binary_search(ausgeschlossen.begin(), ausgeschlossen.end(), satz.Filiale)) {
        continue;
      }
      // The list shows and exports the text on one line.
      satz.Beschreibung = TextOhneZeilenumbruch(satz.Beschreibung);
      if (aufloesung_) {
        aufloesung_(satz);
      } else {
        KurzBezOhneNummer(satz);
      }
      ++count;
      if (!each(satz)) break;
    }
  } catch (...) {
    stmt.Reset();
    throw;
  }
  // Left on a row, the statement would pin this connection's read snapshot.
  stmt.Reset();
  return count;
}

std::vector<TfbdetempSatz> TBookingReader::Read(const TBuchungsAuswahl& auswahl) {
  std::vector<TfbdetempSatz> result;
  ForEach(auswahl, [&](TfbdetempSatz& satz) {
    result.push_back(std::move(satz));
    return true;
  });
  return result;
}

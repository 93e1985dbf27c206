#include "data/BookingReader.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "data/BookingReadAhead.h"
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

TBookingReader::TBookingReader(suitedb::Connection& connection, TKontoAufloesung aufloesung,
                               TVorlauf vorlauf)
    : db_(connection), aufloesung_(std::move(aufloesung)), vorlauf_(std::move(vorlauf)) {}

void TBookingReader::KurzBezOhneNummer(TfbdetempSatz& satz) {
  satz.KtoKurzBez = Trim(satz.KtoName + " " + satz.KtoZusatz);
  satz.GegenKtoKurzBez = Trim(satz.GegenKtoName + " " + satz.GegenKtoZusatz);
}

namespace {

// The record of a row, or false when its branch is excluded.
bool SatzAusZeile(const suitedb::Statement& row, const std::vector<int>& ausgeschlossen,
                  TfbdetempSatz& satz) {
  static_cast<TFBDEDaten&>(satz) = TFbdeFile::FromRow(row);
  if (std::binary_search(ausgeschlossen.begin(), ausgeschlossen.end(), satz.Filiale)) {
    return false;
  }
  // The list shows and exports the text on one line.
  satz.Beschreibung = TextOhneZeilenumbruch(satz.Beschreibung);
  return true;
}

std::unique_ptr<TBookingReadAhead> ReadAhead(const suitedb::Connection& db,
                                             const std::string& sql, const Query& query,
                                             const std::vector<int>& ausgeschlossen,
                                             const TBookingReader::TVorlauf& vorlauf) {
  // A connection that has already read or written in its transaction sees a state of its
  // own; a second connection would not share it. Otherwise the bookings are read first and
  // every lookup made for them afterwards sees the same state or a newer one.
  if (db.SnapshotTaken()) return nullptr;
  try {
    return std::make_unique<TBookingReadAhead>(
        db.OpenAnother(), sql, [query](suitedb::Statement& stmt) { query.Bind(stmt); },
        [ausgeschlossen, vorlauf](suitedb::Connection& leser, const suitedb::Statement& row,
                                  TfbdetempSatz& satz) {
          if (!SatzAusZeile(row, ausgeschlossen, satz)) return false;
          if (vorlauf) vorlauf(leser, satz);
          return true;
        });
  } catch (const std::exception&) {
    // Without a second connection or thread the bookings are read here, only slower.
    return nullptr;
  }
}

}  // namespace

std::size_t TBookingReader::ForEach(const TBuchungsAuswahl& auswahl,
                                    const std::function<bool(TfbdetempSatz&)>& each) {
  const Query query = BuildQuery(auswahl);
  std::vector<int> ausgeschlossen = auswahl.FilialenAusgeschlossen;
  std::sort(ausgeschlossen.begin(), ausgeschlossen.end());
  const std::string sql = query.Sql();

  std::size_t count = 0;
  // False when each asked to stop.
  auto weitergeben = [&](TfbdetempSatz& satz) {
    if (aufloesung_) {
      aufloesung_(satz);
    } else {
      KurzBezOhneNummer(satz);
    }
    ++count;
    return each(satz);
  };

  if (const auto voraus = ReadAhead(db_, sql, query, ausgeschlossen, vorlauf_)) {
    for (auto stapel = voraus->Naechste(); !stapel.empty(); stapel = voraus->Naechste()) {
      for (auto& satz : stapel) {
        if (!weitergeben(satz)) return count;
      }
    }
    return count;
  }

  auto& stmt = db_.Cached(sql);
  query.Bind(stmt);
  try {
    while (stmt.Step()) {
      TfbdetempSatz satz;
      if (!SatzAusZeile(stmt, ausgeschlossen, satz)) continue;
      if (!weitergeben(satz)) break;
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

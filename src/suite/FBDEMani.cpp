#include "suite/FBDEMani.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "suite/DateTime.h"
#include "suite/Text.h"
#include "suite/records/FbdeFile.h"

namespace {

constexpr std::int32_t kMaxLfdNr = std::numeric_limits<std::int16_t>::max();

void CheckVorgang(int vorgang) {
  if (vorgang <= 0) {
    throw suitedb::StorageError("Ungültiger Buchungsvorgang " + std::to_string(vorgang));
  }
}

[[noreturn]] void NotFound(const TIntTrio& ident) {
  throw suitedb::StorageError("Die Buchung " + FBDEIdentText(ident) +
                              " ist nicht vorhanden; es wurde nichts geändert.");
}

bool IsSettled(const TFBDEDaten& satz) { return satz.AbrJahr != 0 || satz.AbrNr != 0; }

// Runs one update per identity; a missing booking undoes the whole call.
template <typename Update>
void UpdateEach(suitedb::Connection& db, const std::vector<TIntTrio>& idents, Update update) {
  suitedb::Transaction transaction(db);
  for (const auto& ident : idents) {
    if (update(ident) == 0) NotFound(ident);
  }
  transaction.Commit();
}

const char* const kWhereIdent = " WHERE rechner = ? AND transaktions_nr = ? AND lfd_nr = ?";

}  // namespace

std::string C_FBDE_GV_Zu_BV(int vorgang) {
  return vorgang == CFBDE_BV_Saldix ? "PRIMANOTA" : "";
}

std::string FBDEIdentText(const TIntTrio& ident) {
  std::string text;
  text.reserve(17);
  AppendDigits(text, ident.RNr, 4);
  AppendDigits(text, ident.LNr, 9);
  AppendDigits(text, ident.SNr, 4);
  return text;
}

TFBDEMani::TFBDEMani(suitedb::Connection& connection, int rechner)
    : db_(connection), rechner_(rechner) {}

void TFBDEMani::ExportKzUpdate(int vorgang, const std::vector<TIntTrio>& idents,
                               bool exportieren) {
  CheckVorgang(vorgang);
  auto& stmt = db_.Cached(std::string("UPDATE fbde SET export_kz = ?") + kWhereIdent);
  const char* flag = exportieren ? "J" : "N";
  UpdateEach(db_, idents, [&](const TIntTrio& id) {
    return stmt.With(flag, id.RNr, id.LNr, static_cast<int>(id.SNr)).Run();
  });
}

void TFBDEMani::AbrNrUpdate(int vorgang, const std::vector<TIntTrio>& idents, int abrNr,
                            int abrJahr, const std::optional<TFbdeBereich>& bereich,
                            const TAbrechnungsStand& erwartet) {
  CheckVorgang(vorgang);
  // 0 is the mark of an open booking; a settlement always has both parts.
  if (abrNr <= 0 || abrJahr <= 0) {
    throw suitedb::StorageError("Ungültige Abrechnung " + std::to_string(abrNr) + " / " +
                                std::to_string(abrJahr));
  }
  const TAbrechnungsStand neu{abrNr, abrJahr};
  // A settlement marks a whole year of bookings at once: one statement over a table of
  // the identities instead of one search per booking.
  suitedb::Transaction transaction(db_);
  const int anzahl = IdentsVormerken(idents);
  int geaendert = 0;
  // Confirming a settlement would count its bookings twice over two statements.
  if (bereich && erwartet != neu) {
    // Walking the period in file order and looking each booking up among the identities
    // is cheaper than a search in the file per identity.
    geaendert = db_.Cached(
                       "UPDATE fbde SET abr_nr = ?, abr_jahr = ? WHERE firma1 = ? AND firma2 = ? "
                       "AND belegdatum >= ? AND belegdatum < ? AND abr_nr = ? AND abr_jahr = ? "
                       "AND EXISTS (SELECT 1 FROM temp.fbde_idents i WHERE i.rechner = "
                       "fbde.rechner AND i.transaktions_nr = fbde.transaktions_nr AND i.lfd_nr = "
                       "fbde.lfd_nr)")
                    .With(abrNr, abrJahr, bereich->Firma.Nr1, bereich->Firma.Nr2,
                          std::floor(bereich->Von), std::floor(bereich->Bis) + 1,
                          erwartet.AbrNr, erwartet.AbrJahr)
                    .Run();
  }
  if (geaendert != anzahl) {
    // Some bookings lie outside the period: mark the rest by identity. Those marked above
    // no longer carry the expected settlement, so every identity is counted once.
    geaendert +=
        db_.Cached("UPDATE fbde SET abr_nr = ?, abr_jahr = ? WHERE (rechner, transaktions_nr, "
                   "lfd_nr) IN (SELECT rechner, transaktions_nr, lfd_nr FROM temp.fbde_idents) "
                   "AND abr_nr = ? AND abr_jahr = ?")
            .With(abrNr, abrJahr, erwartet.AbrNr, erwartet.AbrJahr)
            .Run();
  }
  if (geaendert != anzahl) {
    const std::string vergeben = VergebeneBeschreiben(erwartet, neu);
    if (!vergeben.empty()) throw TBuchungenVergeben(vergeben);
    NotFound(ErstesFehlendesIdent());
  }
  db_.Cached("DELETE FROM temp.fbde_idents").Run();
  transaction.Commit();
}

std::string TFBDEMani::Vergeben(const std::vector<TIntTrio>& idents,
                                const TAbrechnungsStand& erwartet) {
  IdentsVormerken(idents);
  std::string text = VergebeneBeschreiben(erwartet, erwartet);
  db_.Cached("DELETE FROM temp.fbde_idents").Run();
  return text;
}

std::string TFBDEMani::VergebeneBeschreiben(const TAbrechnungsStand& erwartet,
                                            const TAbrechnungsStand& neu) {
  auto& vergeben = db_.Cached(
      "SELECT f.abr_nr, f.abr_jahr, count(*) FROM fbde f JOIN temp.fbde_idents i ON "
      "f.rechner = i.rechner AND f.transaktions_nr = i.transaktions_nr AND f.lfd_nr = i.lfd_nr "
      "WHERE NOT (f.abr_nr = ? AND f.abr_jahr = ?) AND NOT (f.abr_nr = ? AND f.abr_jahr = ?) "
      "GROUP BY f.abr_jahr, f.abr_nr ORDER BY f.abr_jahr, f.abr_nr");
  vergeben.Reset();
  vergeben.With(erwartet.AbrNr, erwartet.AbrJahr, neu.AbrNr, neu.AbrJahr);
  std::string meldung;
  while (vergeben.Step()) {
    const std::string anzahl = std::to_string(vergeben.Int(2));
    const std::string teil =
        vergeben.Int(0) == 0 && vergeben.Int(1) == 0
            ? anzahl + " Buchungen wurden inzwischen wieder geöffnet"
            : anzahl + " Buchungen wurden inzwischen mit Abrechnung " +
                  std::to_string(vergeben.Int(0)) + "/" + std::to_string(vergeben.Int(1)) +
                  " exportiert";
    meldung += (meldung.empty() ? "" : "; ") + teil;
  }
  vergeben.Reset();
  return meldung;
}

int TFBDEMani::IdentsVormerken(const std::vector<TIntTrio>& idents) {
  db_.Cached(
         "CREATE TEMP TABLE IF NOT EXISTS fbde_idents (rechner INTEGER, transaktions_nr INTEGER, "
         "lfd_nr INTEGER, PRIMARY KEY (rechner, transaktions_nr, lfd_nr)) WITHOUT ROWID")
      .Run();
  db_.Cached("DELETE FROM temp.fbde_idents").Run();
  auto& einfuegen = db_.Cached(
      "INSERT OR IGNORE INTO temp.fbde_idents (rechner, transaktions_nr, lfd_nr) VALUES (?, ?, ?)");
  int anzahl = 0;
  for (const auto& id : idents) {
    anzahl += einfuegen.With(id.RNr, id.LNr, static_cast<int>(id.SNr)).Run();
  }
  return anzahl;
}

TIntTrio TFBDEMani::ErstesFehlendesIdent() {
  auto& fehlend = db_.Cached(
      "SELECT i.rechner, i.transaktions_nr, i.lfd_nr FROM temp.fbde_idents i WHERE NOT EXISTS "
      "(SELECT 1 FROM fbde f WHERE f.rechner = i.rechner AND f.transaktions_nr = "
      "i.transaktions_nr AND f.lfd_nr = i.lfd_nr) LIMIT 1");
  fehlend.Reset();
  TIntTrio ident;
  if (fehlend.Step()) {
    ident = {static_cast<std::int32_t>(fehlend.Int(0)), static_cast<std::int32_t>(fehlend.Int(1)),
             static_cast<std::int16_t>(fehlend.Int(2))};
  }
  fehlend.Reset();
  return ident;
}

void TFBDEMani::BeschreibungUpdate(int vorgang, const std::vector<TIntTrio>& idents,
                                   const std::string& beschreibung, const std::string& ustId,
                                   const std::string& zmZusatz, int kost1, int kost2) {
  CheckVorgang(vorgang);
  auto& stmt = db_.Cached(
      std::string("UPDATE fbde SET beschreibung = ?, ust_id = ?, zm_zusatz = ?, kost1 = ?, "
                  "kost2 = ?") +
      kWhereIdent);
  UpdateEach(db_, idents, [&](const TIntTrio& id) {
    return stmt
        .With(beschreibung, ustId, zmZusatz, kost1, kost2, id.RNr, id.LNr,
              static_cast<int>(id.SNr))
        .Run();
  });
}

std::vector<TIntTrio> TFBDEMani::UmkehrungBuchen(int vorgang,
                                                 const std::vector<TIntTrio>& idents) {
  CheckVorgang(vorgang);
  std::vector<TIntTrio> written;
  if (idents.empty()) return written;
  suitedb::Transaction transaction(db_);
  TFbdeFile file(db_);
  const TDateTime now = qtx_Now();
  std::int32_t transaktion = NextTransaktionsNr(rechner_);
  std::int32_t lfdNr = 0;
  for (const auto& ident : idents) {
    TFBDEDaten umkehrung = ReadExisting(ident);
    if (lfdNr == kMaxLfdNr) {
      transaktion = NextTransaktionsNr(rechner_);
      lfdNr = 0;
    }
    umkehrung.Rechner = rechner_;
    umkehrung.TransaktionsNr = transaktion;
    umkehrung.LfdNr = ++lfdNr;
    std::swap(umkehrung.BetragSoll, umkehrung.BetragHaben);
    umkehrung.AbrJahr = 0;
    umkehrung.AbrNr = 0;
    umkehrung.Export = true;
    umkehrung.Buchungsdatum = std::floor(now);
    umkehrung.Erstellt = now;
    umkehrung.Vorgang = vorgang;
    file.Insert(umkehrung);
    written.push_back(umkehrung.Ident());
  }
  transaction.Commit();
  return written;
}

void TFBDEMani::Loeschen(int vorgang, const std::vector<TIntTrio>& idents) {
  CheckVorgang(vorgang);
  suitedb::Transaction transaction(db_);
  TFbdeFile file(db_);
  for (const auto& ident : idents) {
    const TFBDEDaten satz = ReadExisting(ident);
    // An exported booking is part of what the accounting system received.
    if (IsSettled(satz)) {
      throw suitedb::StorageError(
          "Die Buchung " + FBDEIdentText(ident) + " ist bereits mit der Abrechnung " +
          std::to_string(satz.AbrNr) + " / " + std::to_string(satz.AbrJahr) +
          " exportiert und kann nicht gelöscht werden. Bitte erzeugen Sie eine Umkehrbuchung; "
          "es wurde nichts gelöscht.");
    }
    file.Delete(ident);
  }
  transaction.Commit();
}

void TFBDEMani::SatzSchreiben(int vorgang, TFBDEDaten& satz, bool neu) {
  CheckVorgang(vorgang);
  if (satz.Firma.IsEmpty()) throw suitedb::StorageError("Die Buchung hat keinen Mandanten");
  if (!std::isfinite(static_cast<double>(satz.BetragSoll)) ||
      !std::isfinite(static_cast<double>(satz.BetragHaben))) {
    throw suitedb::StorageError("Die Buchung hat keinen gültigen Betrag");
  }
  suitedb::Transaction transaction(db_);
  TFbdeFile file(db_);
  TFBDEDaten record = satz;
  if (neu) {
    if (record.Rechner == 0) record.Rechner = rechner_;
    if (record.TransaktionsNr == 0) {
      record.TransaktionsNr = NextTransaktionsNr(record.Rechner);
      if (record.LfdNr == -1) record.LfdNr = 1;
    } else if (record.LfdNr == -1) {
      record.LfdNr = NextLfdNr(record.Rechner, record.TransaktionsNr);
    }
    if (record.LfdNr < 0 || record.LfdNr > kMaxLfdNr) {
      throw suitedb::StorageError("Die laufende Nummer " + std::to_string(record.LfdNr) +
                                  " ist ungültig");
    }
    if (record.Erstellt == 0) record.Erstellt = qtx_Now();
    record.Vorgang = vorgang;
    if (file.Read(record.Ident())) {
      throw suitedb::StorageError("Die Buchung " + FBDEIdentText(record.Ident()) +
                                  " ist bereits vorhanden");
    }
  } else if (!file.Delete(record.Ident())) {
    NotFound(record.Ident());
  }
  file.Insert(record);
  transaction.Commit();
  satz = record;
}

void TFBDEMani::AufwandEntnahmeUpdate(int vorgang, const TIntTrio& protNr,
                                      const std::vector<TFBDEKontoBetrag>& eintraege,
                                      const std::string& text, TDateTime datum, int int1,
                                      int int2) {
  CheckVorgang(vorgang);
  if (eintraege.empty() || static_cast<long>(eintraege.size()) > kMaxLfdNr) {
    throw suitedb::StorageError("Die Buchung braucht zwischen 1 und 32767 Zeilen");
  }
  suitedb::Transaction transaction(db_);
  auto& select = db_.Cached("SELECT " + TFbdeFile::Columns() +
                            " FROM fbde WHERE rechner = ? AND transaktions_nr = ? "
                            "ORDER BY lfd_nr");
  select.With(protNr.RNr, protNr.LNr);
  std::vector<TFBDEDaten> lines;
  while (select.Step()) lines.push_back(TFbdeFile::FromRow(select));
  select.Reset();
  if (lines.empty()) NotFound({protNr.RNr, protNr.LNr, 0});
  for (const auto& line : lines) {
    if (IsSettled(line)) {
      throw suitedb::StorageError("Die Buchung " + FBDEIdentText(line.Ident()) +
                                  " ist bereits exportiert und kann nicht geändert werden");
    }
  }
  db_.Cached("DELETE FROM fbde WHERE rechner = ? AND transaktions_nr = ?")
      .With(protNr.RNr, protNr.LNr)
      .Run();
  // The first line is the pattern: client, counter-account, document and side of the
  // amount stay as they were.
  const TFBDEDaten& muster = lines.front();
  const bool habenSeite = muster.BetragSoll == 0 && muster.BetragHaben != 0;
  TFbdeFile file(db_);
  std::int32_t lfdNr = 0;
  for (const auto& eintrag : eintraege) {
    TFBDEDaten line = muster;
    line.LfdNr = ++lfdNr;
    line.KtoName = eintrag.KontoName;
    line.KtoZusatz = eintrag.KontoZusatz;
    line.BetragSoll = habenSeite ? 0 : eintrag.Betrag2;
    line.BetragHaben = habenSeite ? eintrag.Betrag2 : 0;
    line.Beschreibung = text;
    if (datum != 0) line.Belegdatum = datum;
    // Both 0 (a withdrawal) keeps the cost centres the booking had.
    if (int1 != 0 || int2 != 0) {
      line.Kost1 = int1;
      line.Kost2 = int2;
    }
    line.Vorgang = vorgang;
    file.Insert(line);
  }
  transaction.Commit();
}

int TFBDEMani::AbrNrZurueckSetzen(int vorgang, const TIntPair& firma, int abrNr, int abrJahr) {
  CheckVorgang(vorgang);
  suitedb::Transaction transaction(db_);
  const int count = db_.Cached(
                           "UPDATE fbde SET abr_jahr = 0, abr_nr = 0 WHERE firma1 = ? AND "
                           "firma2 = ? AND abr_jahr = ? AND abr_nr = ? AND abr_nr <> 0")
                        .With(firma.Nr1, firma.Nr2, abrJahr, abrNr)
                        .Run();
  transaction.Commit();
  return count;
}

std::int32_t TFBDEMani::NextTransaktionsNr(std::int32_t rechner) {
  auto& counter = db_.Cached("SELECT letzte_nr FROM fbde_transaktionen WHERE rechner = ?");
  counter.With(rechner);
  std::int64_t last = counter.Step() ? counter.Int(0) : 0;
  counter.Reset();
  // Bookings written by other programs of the suite count as well.
  auto& highest = db_.Cached("SELECT COALESCE(MAX(transaktions_nr), 0) FROM fbde WHERE rechner = ?");
  highest.With(rechner);
  if (highest.Step()) last = std::max(last, highest.Int(0));
  highest.Reset();
  if (last >= std::numeric_limits<std::int32_t>::max()) {
    throw suitedb::StorageError("Die Transaktionsnummern des Rechners " +
                                std::to_string(rechner) + " sind erschöpft");
  }
  const auto next = static_cast<std::int32_t>(last + 1);
  db_.Cached("INSERT INTO fbde_transaktionen (rechner, letzte_nr) VALUES (?, ?) "
             "ON CONFLICT (rechner) DO UPDATE SET letzte_nr = excluded.letzte_nr")
      .With(rechner, next)
      .Run();
  return next;
}

std::int32_t TFBDEMani::NextLfdNr(std::int32_t rechner, std::int32_t transaktionsNr) {
  auto& stmt = db_.Cached(
      "SELECT COALESCE(MAX(lfd_nr), 0) FROM fbde WHERE rechner = ? AND transaktions_nr = ?");
  stmt.With(rechner, transaktionsNr);
  const std::int64_t last = stmt.Step() ? stmt.Int(0) : 0;
  stmt.Reset();
  return static_cast<std::int32_t>(last + 1);
}

TFBDEDaten TFBDEMani::ReadExisting(const TIntTrio& ident) {
  auto found = TFbdeFile(db_).Read(ident);
  if (!found) NotFound(ident);
  return *found;
}

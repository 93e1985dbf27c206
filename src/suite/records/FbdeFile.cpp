#include "suite/records/FbdeFile.h"

#include "suite/Text.h"

namespace {

// Selected and inserted in this order.
const std::string kColumns =
    "rechner, transaktions_nr, lfd_nr, firma1, firma2, gep_nr1, gep_nr2, belegdatum, "
    "buchungsdatum, fibu_gvorfall, betrag_soll, betrag_haben, waehrung, menge, kto_name, "
    "kto_zusatz, gegen_kto_name, gegen_kto_zusatz, beleg1, beleg2, beschreibung, ust_id, "
    "abr_jahr, abr_nr, text_rnr, text_lnr, text_snr, belegart, beleg_rnr, beleg_lnr, "
    "beleg_snr, verw1_art, verw1_rnr, verw1_lnr, verw1_snr, zm_zusatz, filiale, export_kz, "
    "kost1, kost2, erstellt, vorgang, manuell";
constexpr int kColumnCount = 43;

std::string Placeholders(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += i == 0 ? "?" : ", ?";
  return text;
}

std::int32_t I32(const suitedb::Statement& row, int column) {
  return static_cast<std::int32_t>(row.Int(column));
}

}  // namespace

const std::string& TFbdeFile::Columns() { return kColumns; }

TFBDEDaten TFbdeFile::FromRow(const suitedb::Statement& row, int first) {
  TFBDEDaten s;
  int c = first;
  s.Rechner = I32(row, c++);
  s.TransaktionsNr = I32(row, c++);
  s.LfdNr = I32(row, c++);
  s.Firma.Nr1 = I32(row, c++);
  s.Firma.Nr2 = I32(row, c++);
  s.GepNr.Nr1 = I32(row, c++);
  s.GepNr.Nr2 = I32(row, c++);
  s.Belegdatum = row.Real(c++);
  s.Buchungsdatum = row.Real(c++);
  s.FiBuGVorfall = row.Text(c++);
  s.BetragSoll = row.Real(c++);
  s.BetragHaben = row.Real(c++);
  s.Waehrung = row.Text(c++);
  s.Menge = I32(row, c++);
  s.KtoName = row.Text(c++);
  s.KtoZusatz = row.Text(c++);
  s.GegenKtoName = row.Text(c++);
  s.GegenKtoZusatz = row.Text(c++);
  s.Beleg1 = row.Text(c++);
  s.Beleg2 = row.Text(c++);
  s.Beschreibung = row.Text(c++);
  s.UStID = row.Text(c++);
  s.AbrJahr = I32(row, c++);
  s.AbrNr = I32(row, c++);
  s.TextRNr = I32(row, c++);
  s.TextLNr = I32(row, c++);
  s.TextSNr = I32(row, c++);
  s.Belegart = row.Text(c++);
  s.BelegRNr = I32(row, c++);
  s.BelegLNr = I32(row, c++);
  s.BelegSNr = I32(row, c++);
  s.Verw1Art = row.Text(c++);
  s.Verw1RNr = I32(row, c++);
  s.Verw1LNr = I32(row, c++);
  s.Verw1SNr = I32(row, c++);
  s.ZMZusatz = row.Text(c++);
  s.Filiale = I32(row, c++);
  s.Export = JNToBool(row.Text(c++));
  s.Kost1 = I32(row, c++);
  s.Kost2 = I32(row, c++);
  s.Erstellt = row.Real(c++);
  s.Vorgang = I32(row, c++);
  s.Manuell = I32(row, c++);
  return s;
}

std::optional<TFBDEDaten> TFbdeFile::Read(const TIntTrio& ident) {
  auto& stmt = db_.Cached("SELECT " + kColumns +
                          " FROM fbde WHERE rechner = ? AND transaktions_nr = ? AND lfd_nr = ?");
  stmt.With(ident.RNr, ident.LNr, static_cast<int>(ident.SNr));
  std::optional<TFBDEDaten> found;
  if (stmt.Step()) found = FromRow(stmt);
  stmt.Reset();
  return found;
}

void TFbdeFile::Insert(const TFBDEDaten& s) {
  auto& stmt = db_.Cached("INSERT INTO fbde (" + kColumns + ") VALUES (" +
                          Placeholders(kColumnCount) + ")");
  stmt.With(s.Rechner, s.TransaktionsNr, s.LfdNr, s.Firma.Nr1, s.Firma.Nr2, s.GepNr.Nr1,
            s.GepNr.Nr2, s.Belegdatum, s.Buchungsdatum, s.FiBuGVorfall, s.BetragSoll,
            s.BetragHaben, s.Waehrung, s.Menge, s.KtoName, s.KtoZusatz, s.GegenKtoName,
            s.GegenKtoZusatz, s.Beleg1, s.Beleg2, s.Beschreibung, s.UStID, s.AbrJahr, s.AbrNr,
            s.TextRNr, s.TextLNr, s.TextSNr, s.Belegart, s.BelegRNr, s.BelegLNr, s.BelegSNr,
            s.Verw1Art, s.Verw1RNr, s.Verw1LNr, s.Verw1SNr, s.ZMZusatz, s.Filiale,
            BoolToJN(s.Export), s.Kost1, s.Kost2, s.Erstellt, s.Vorgang, s.Manuell)
      .Run();
}

bool TFbdeFile::Delete(const TIntTrio& ident) {
  return db_.Cached("DELETE FROM fbde WHERE rechner = ? AND transaktions_nr = ? AND lfd_nr = ?")
             .With(ident.RNr, ident.LNr, static_cast<int>(ident.SNr))
             .Run() > 0;
}

#include "suitetool/CsvImport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

using suitetool::CsvImport;
using suitetool::ImportRefused;

// A table with every kind of column the suite uses.
void CreateSample() {
  SuiteDatabase::Get().ExecuteScript(R"sql(
    CREATE TABLE sample (
      id       INTEGER PRIMARY KEY,
      nummer   INTEGER NOT NULL,
      datum    REAL NOT NULL,
      betrag   REAL NOT NULL DEFAULT 0,
      text     TEXT NOT NULL DEFAULT '',
      kz       TEXT NOT NULL DEFAULT 'J' CHECK (kz IN ('J', 'N')),
      UNIQUE (nummer)
    ))sql");
}

std::int64_t Count(const std::string& table) {
  auto stmt = SuiteDatabase::Get().Prepare("SELECT COUNT(*) FROM " + table);
  stmt->Step();
  return stmt->Int(0);
}

std::size_t Import(const std::string& table, const std::string& content) {
  std::istringstream in(content);
  return CsvImport(SuiteDatabase::Get()).Import(table, in, "daten.csv");
}

// Imports content, expects a refusal and returns it; the table must be unchanged.
ImportRefused Refusal(const std::string& content, const std::string& table = "sample") {
  const auto before = Count(table);
  try {
    Import(table, content);
  } catch (const ImportRefused& refusal) {
    EXPECT_EQ(Count(table), before) << "a refused file must import nothing";
    return refusal;
  }
  ADD_FAILURE() << "file was not refused";
  return ImportRefused("", 0, "", "");
}

TEST(CsvImport, LoadsRowsWithEitherSeparatorQuotesDatesAndDefaults) {
  TestSuite suite;
  CreateSample();
  EXPECT_EQ(Import("sample",
                   "\xEF\xBB\xBFnummer;datum;betrag;text\r\n"
                   "1;31.12.2024;12,50;\"Müller; Söhne\"\r\n"
                   "2;2024-02-29;-3.5;\"zwei\nZeilen mit \"\"Zitat\"\"\"\r\n"
                   "\r\n"),
            2u);
  EXPECT_EQ(Import("sample", "NUMMER,Datum,kz\n3,1.2.2025,N\n"), 1u);

  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT nummer, datum, betrag, text, kz FROM sample ORDER BY nummer");
  ASSERT_TRUE(stmt->Step());
  EXPECT_DOUBLE_EQ(stmt->Real(1), EncodeDate(2024, 12, 31));
  EXPECT_DOUBLE_EQ(stmt->Real(2), 12.5);
  EXPECT_EQ(stmt->Text(3), "Müller; Söhne");
  EXPECT_EQ(stmt->Text(4), "J");  // the column default
  ASSERT_TRUE(stmt->Step());
  EXPECT_DOUBLE_EQ(stmt->Real(1), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(stmt->Real(2), -3.5);
  EXPECT_EQ(stmt->Text(3), "zwei\nZeilen mit \"Zitat\"");
  ASSERT_TRUE(stmt->Step());
  EXPECT_DOUBLE_EQ(stmt->Real(1), EncodeDate(2025, 2, 1));
  EXPECT_DOUBLE_EQ(stmt->Real(2), 0.0);
  EXPECT_EQ(stmt->Text(4), "N");
}

TEST(CsvImport, RefusesBadValuesNamingFileLineAndColumn) {
  TestSuite suite;
  CreateSample();
  Import("sample", "nummer;datum\n1;01.01.2024\n");

  auto refusal = Refusal("nummer;datum\n2;01.01.2024\n3;31.02.2024\n");
  EXPECT_EQ(refusal.File(), "daten.csv");
  EXPECT_EQ(refusal.Line(), 3);
  EXPECT_EQ(refusal.Column(), "datum");
  EXPECT_NE(refusal.Reason().find("kein gültiges Datum"), std::string::npos);
  EXPECT_NE(std::string(refusal.what()).find("Zeile 3"), std::string::npos);

  refusal = Refusal("nummer;datum\n2;morgen\n");
  EXPECT_EQ(refusal.Column(), "datum");
  EXPECT_NE(refusal.Reason().find("kein Datum"), std::string::npos);

  refusal = Refusal("nummer;datum;betrag\n2;01.01.2024;1.000,00\n4;01.01.2024;12a\n");
  EXPECT_EQ(refusal.Line(), 2);
  EXPECT_EQ(refusal.Column(), "betrag");
  EXPECT_NE(refusal.Reason().find("keine Zahl"), std::string::npos);

  refusal = Refusal("nummer;datum\nzwei;01.01.2024\n");
  EXPECT_EQ(refusal.Column(), "nummer");
  EXPECT_NE(refusal.Reason().find("keine ganze Zahl"), std::string::npos);

  refusal = Refusal("nummer;datum;kz\n2;01.01.2024;X\n");
  EXPECT_EQ(refusal.Line(), 2);
  EXPECT_NE(refusal.Reason().find("nicht zulässig"), std::string::npos);

  refusal = Refusal("nummer;datum\n2;\n");
  EXPECT_EQ(refusal.Column(), "datum");
  EXPECT_EQ(refusal.Reason(), "der Wert fehlt");

  refusal = Refusal("nummer;datum;text\n2;01.01.2024;\xC3\x28\n");
  EXPECT_EQ(refusal.Column(), "text");
  EXPECT_NE(refusal.Reason().find("UTF-8"), std::string::npos);
}

TEST(CsvImport, RefusesHeaderProblems) {
  TestSuite suite;
  CreateSample();

  auto refusal = Refusal("nummer;datum;farbe\n1;01.01.2024;rot\n");
  EXPECT_EQ(refusal.Line(), 1);
  EXPECT_EQ(refusal.Column(), "farbe");
  EXPECT_EQ(refusal.Reason(), "unbekannte Spalte");

  refusal = Refusal("nummer;betrag\n1;2\n");
  EXPECT_EQ(refusal.Column(), "datum");
  EXPECT_EQ(refusal.Reason(), "Pflichtspalte fehlt");

  refusal = Refusal("nummer;datum;Nummer\n1;01.01.2024;2\n");
  EXPECT_EQ(refusal.Reason(), "Spalte doppelt");

  refusal = Refusal("");
  EXPECT_EQ(refusal.Line(), 1);

  refusal = Refusal("nummer;datum\n1;01.01.2024;5\n");
  EXPECT_EQ(refusal.Line(), 2);
  EXPECT_NE(refusal.Reason().find("3 Felder"), std::string::npos);

  refusal = Refusal("nummer;datum;text\n1;01.01.2024;\"offen\n2;01.01.2024;x\n");
  EXPECT_EQ(refusal.Line(), 2);

  std::istringstream in("a\n1\n");
  try {
    CsvImport(SuiteDatabase::Get()).Import("gibtesnicht", in, "x.csv");
    FAIL() << "unknown table accepted";
  } catch (const ImportRefused& e) {
    EXPECT_NE(e.Reason().find("gibtesnicht"), std::string::npos);
    EXPECT_NE(e.Reason().find("sample"), std::string::npos) << "names the tables there are";
  }
}

TEST(CsvImport, RefusesDuplicateIdentityInFileOrDatabase) {
  TestSuite suite;
  CreateSample();
  Import("sample", "nummer;datum\n1;01.01.2024\n");

  auto refusal = Refusal("nummer;datum\n2;01.01.2024\n3;01.01.2024\n2;02.01.2024\n");
  EXPECT_EQ(refusal.Line(), 4);
  EXPECT_EQ(refusal.Column(), "nummer");
  EXPECT_NE(refusal.Reason().find("doppelte Identität"), std::string::npos);

  refusal = Refusal("nummer;datum\n5;01.01.2024\n1;01.01.2024\n");
  EXPECT_EQ(refusal.Line(), 3);
}

void ClientOneAnlegen() {
  SuiteDatabase::Get().ExecuteScript(
      "INSERT INTO mandanten (firma1, firma2, kurz_nr, name) VALUES (1, 1, 1, 'Eins')");
}

TEST(CsvImport, LoadsBookingsAndRefusesADuplicateBookingIdentity) {
  TestSuite suite;
  ClientOneAnlegen();
  const std::string header =
      "rechner;transaktions_nr;lfd_nr;firma1;firma2;belegdatum;betrag_soll;kto_name;"
      "gegen_kto_name\n";
  EXPECT_EQ(Import("fbde", header + "1;10;1;1;1;15.03.2025;119,00;KASSE;ERLWARE\n"
                                    "1;10;2;1;1;15.03.2025;19,00;KASSE;MWST1900\n"),
            2u);
  auto refusal = Refusal(header + "1;11;1;1;1;16.03.2025;5;KASSE;ERLWARE\n"
                                  "1;10;2;1;1;16.03.2025;5;KASSE;ERLWARE\n",
                         "fbde");
  EXPECT_EQ(refusal.Line(), 3);
  EXPECT_EQ(refusal.Column(), "rechner, transaktions_nr, lfd_nr");

  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT export_kz, abr_jahr, abr_nr FROM fbde WHERE transaktions_nr = 10 AND lfd_nr = 1");
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Text(0), "J");
  EXPECT_EQ(stmt->Int(1), 0);
}

// Values the suite's programs cannot hold or the formats cannot write refuse the whole
// file, naming line, column, value and rule.
TEST(CsvImport, RefusesBookingValuesOutsideTheSuitesRanges) {
  TestSuite suite;
  ClientOneAnlegen();
  const std::string header =
      "rechner;transaktions_nr;lfd_nr;firma1;firma2;belegdatum;betrag_soll;kto_name;"
      "beschreibung;abr_jahr;abr_nr\n";
  const std::string good = "1;10;1;1;1;15.03.2025;119,00;KASSE;Bar;0;0\n";
  struct Fall {
    std::string row;
    std::string column;
    std::string reason;  // a part of the reason
  };
  const std::vector<Fall> faelle = {
      {"10000;10;2;1;1;15.03.2025;1;KASSE;x;0;0", "rechner", "\"10000\" liegt außerhalb von 0 bis 9999"},
      {"-1;10;2;1;1;15.03.2025;1;KASSE;x;0;0", "rechner", "0 bis 9999"},
      {"1;1000000000;2;1;1;15.03.2025;1;KASSE;x;0;0", "transaktions_nr", "0 bis 999999999"},
      {"1;4294967297;2;1;1;15.03.2025;1;KASSE;x;0;0", "transaktions_nr", "0 bis 999999999"},
      {"1;10;32768;1;1;15.03.2025;1;KASSE;x;0;0", "lfd_nr", "-32768 bis 32767"},
      {"1;10;2;1;1;15.03.2025;1000000000000000000000;KASSE;x;0;0", "betrag_soll", "10^13"},
      {"1;10;2;1;1;15.03.2025;10000000000000;KASSE;x;0;0", "betrag_soll", "10^13"},
      {"1;10;2;1;1;15.03.2025;1,23456;KASSE;x;0;0", "betrag_soll", "Nachkommastellen"},
      {"1;10;2;1;1;31.12.9999;1;KASSE;x;0;0", "belegdatum", "1900 bis 2200"},
      {"1;10;2;1;1;45000;1;KASSE;x;0;0", "belegdatum", "kein Datum"},
      {"1;10;2;1;1;15.03.2025;1;KASSE;a\x01" "b;0;0", "beschreibung", "U+0001 an Stelle 2"},
      {"1;10;2;1;1;15.03.2025;1;KASSE;\xC3\xA4\xC2\x85;0;0", "beschreibung", "U+0085 an Stelle 2"},
      {"1;10;2;2;1;15.03.2025;1;KASSE;x;0;0", "firma1, firma2", "\"2/1\" gibt es"},
      {"1;10;2;1;1;15.03.2025;1;KASSE;x;2025;0", "abr_nr, abr_jahr", "\"0/2025\""},
      {"1;10;2;1;1;15.03.2025;1;KASSE;x;2025;10000", "abr_nr", "\"10000\" liegt außerhalb von 0 bis 9999"},
      {"1;10;2;1;1;15.03.2025;1;KASSE;x;99999;1", "abr_jahr", "1900 bis 2200"},
      {"1;10;2;1;1;15.03.2025;1;KASSE;x;0;5", "abr_nr, abr_jahr", "entweder offen"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.row);
    const auto refusal = Refusal(header + good + fall.row + "\n", "fbde");
    EXPECT_EQ(refusal.Line(), 3);
    EXPECT_EQ(refusal.Column(), fall.column);
    EXPECT_NE(refusal.Reason().find(fall.reason), std::string::npos) << refusal.Reason();
    EXPECT_NE(std::string(refusal.what()).find("nichts importiert"), std::string::npos);
  }
  // A NUL byte read from the file is refused the same way.
  const auto nul = Refusal(header + "1;10;2;1;1;15.03.2025;1;KASSE;" + std::string("a\0b", 3) +
                               ";0;0\n",
                           "fbde");
  EXPECT_NE(nul.Reason().find("U+0000"), std::string::npos) << nul.Reason();
  // A refused value is shown without its control characters and cut when long.
  const auto roh = Refusal(header + "1\x1B[2J;10;2;1;1;15.03.2025;1;KASSE;x;0;0\n", "fbde");
  EXPECT_NE(roh.Reason().find("\"1\\x1B[2J\" ist keine ganze Zahl"), std::string::npos)
      << roh.Reason();
  const auto lang =
      Refusal(header + "1;10;2;1;1;15.03.2025;" + std::string(500, '9') + ";KASSE;x;0;0\n", "fbde");
  EXPECT_LT(lang.Reason().size(), 200u) << lang.Reason();

  // The edges themselves, a settled booking, tab and line break in a text are fine.
  EXPECT_EQ(Import("fbde", header +
                               "9999;999999999;-32768;1;1;01.01.1900;9999999999999,99;KASSE;"
                               "\"Zeile\tzwei\nZeilen\";2025;9999\n"
                               "0;0;32767;1;1;31.12.2200;-0,01;KASSE;;0;0\n"),
            2u);
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT abr_jahr, abr_nr, belegdatum FROM fbde WHERE rechner = 9999");
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Int(0), 2025);
  EXPECT_EQ(stmt->Int(1), 9999);
  EXPECT_DOUBLE_EQ(stmt->Real(2), EncodeDate(1900, 1, 1));
}

TEST(CsvImport, AJournalLineIsAlwaysASettlementOfAKnownClient) {
  TestSuite suite;
  ClientOneAnlegen();
  const std::string header = "firma1;firma2;abr_jahr;abr_nr;rnr;datum_von\n";
  auto refusal = Refusal(header + "1;1;2025;0;1;01.01.2025\n", "fbex");
  EXPECT_EQ(refusal.Column(), "abr_nr, abr_jahr");
  EXPECT_NE(refusal.Reason().find("braucht Nummer 1 bis 9999"), std::string::npos);
  refusal = Refusal(header + "1;1;0;0;1;01.01.2025\n", "fbex");
  EXPECT_EQ(refusal.Column(), "abr_nr, abr_jahr");
  refusal = Refusal(header + "7;7;2025;1;1;01.01.2025\n", "fbex");
  EXPECT_EQ(refusal.Column(), "firma1, firma2");
  EXPECT_EQ(Import("fbex", header + "1;1;2025;1;1;01.01.2025\n"), 1u);

  // A client imported before is known; an empty date stays "not set".
  EXPECT_EQ(Import("mandanten", "firma1;firma2;kurz_nr\n5;1;5\n"), 1u);
  EXPECT_EQ(Import("fbex", "firma1;firma2;abr_jahr;abr_nr;rnr;datum_von\n5;1;2026;3;1;\n"), 1u);
}

}  // namespace

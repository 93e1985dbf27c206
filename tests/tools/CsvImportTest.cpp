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

TEST(CsvImport, LoadsBookingsAndRefusesADuplicateBookingIdentity) {
  TestSuite suite;
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

}  // namespace

#include <gtest/gtest.h>

#include "app/ExportVersand.h"
#include "suite/DateTime.h"
#include "support/TestSuite.h"

namespace {

class TAufzeichnung final : public IDocBroadcast {
 public:
  std::vector<TBroadcastDokument> gesendet;
  bool Eingerichtet(std::string&) const override { return true; }
  bool Senden(const TBroadcastDokument& dokument) override {
    gesendet.push_back(dokument);
    return true;
  }
};

TVersandAbrechnung Abrechnung() {
  return {{1, 1}, 12, 2024, EncodeDate(2024, 11, 1), EncodeDate(2024, 11, 30)};
}

TEST(ExportVersand, AttachmentsPlaceholdersAndDocumentData) {
  const auto einzeln = VersandDokument(Abrechnung(), "/x/a.csv", "/x/b.ini", {"/x/a.csv"},
                                       EncodeDate(2024, 12, 2));
  EXPECT_EQ(einzeln.Anhaenge, (std::vector<std::string>{"/x/a.csv", "/x/b.ini"}));
  EXPECT_EQ(einzeln.HauptName, "SALDIX");
  EXPECT_EQ(einzeln.UnterName, "Versand");
  EXPECT_EQ(einzeln.DokumentText, "12/2024");
  EXPECT_EQ(einzeln.DokumentTyp, 2);
  ASSERT_EQ(einzeln.Platzhalter.size(), 4u);
  EXPECT_EQ(einzeln.Platzhalter[1].Anzeige, "Erstelldatum des Exports");

  const auto serie = VersandDokument(Abrechnung(), "/x/c.csv", "", {"/x/a.csv", "/x/c.csv"},
                                     EncodeDate(2024, 12, 2));
  EXPECT_EQ(serie.Anhaenge, (std::vector<std::string>{"/x/a.csv", "/x/c.csv"}));

  EXPECT_EQ(PlatzhalterErsetzen("Export #abrnummer# vom #VonDatum# bis #BISDATUM#, #ABRNUMMER#",
                                einzeln.Platzhalter),
            "Export 12/2024 vom 01.11.2024 bis 30.11.2024, 12/2024");
}

TEST(ExportVersand, WithoutMailDispatchItSaysSoAndSendsNothing) {
  TestSuite suite;
  EXPECT_FALSE(AlsMailVersenden(Abrechnung(), "/x/a.csv", "", {}, DocBroadcast()));
  EXPECT_NE(suite.Messages().LastText().find("Der Mailversand ist nicht eingerichtet."),
            std::string::npos);
  TAufzeichnung aufzeichnung;
  EXPECT_TRUE(AlsMailVersenden(Abrechnung(), "/x/a.csv", "", {}, aufzeichnung));
  ASSERT_EQ(aufzeichnung.gesendet.size(), 1u);
}

}  // namespace

// The exit code of a run of two passes, from what each pass reports.
#include <gtest/gtest.h>

#include "app/saldixbatchmode.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "support/FakeAbrechnungen.h"
#include "support/TestSuite.h"

namespace {

class TDaten final : public IBatchDaten {
 public:
  int MandantenAnzahl() override { return 1; }
  bool MandantZuKurzNr(int kurzNr, TIntPair& m, std::string& name) override {
    m = {kurzNr, 1};
    name = "Firma";
    return true;
  }
  void SetAktMandant(const TIntPair& m, int, const std::string&) override { mandant = m; }
  TIntPair AktMandant() const override { return mandant; }
  bool ExporterBekannt(const std::string&) override { return true; }
  std::string AktExporterKennung() override { return "DATEV1.4"; }
  std::string AktExporterName() override { return "DATEV"; }
  void SetAktExporterKennung(const std::string&) override {}
  int ExporterProfilAnzahl() override { return 0; }
  bool ExporterLadeConfig(const std::string&) override { return true; }
  bool ExporterProfilGeeignet(const TIntPair&) override { return true; }
  bool ExporterEinstellungenVorhanden() override { return true; }
  bool ExportErlaubt() override { return true; }
  void KontenIni_einlesen() override {}
  IAbrechnungsDienst& Abrechnungen() override { return abrechnungen; }
  TFakeAbrechnungen abrechnungen;
  TIntPair mandant;
};

// Each pass answers as scripted: 'E' exported, 'N' nothing found, 'F' failed.
class TListe final : public IBatchBuchungsliste {
 public:
  explicit TListe(std::string antworten) : antworten_(std::move(antworten)) {}
  void SetDatumVon(TDateTime) override {}
  void SetDatumBis(TDateTime) override {}
  void SetAbrJahr(int j) override { jahr_ = j; }
  int AbrJahr() const override { return jahr_; }
  void SetAbrNr(int) override {}
  void SetOffeneAbrechnung(bool) override {}
  void SetHerkunft(const std::string&) override {}
  bool Batchmode_Liste_Laden_Und_Exportieren() override {
    letzte_ = antworten_.at(pass_++);
    return letzte_ == 'E' || letzte_ == 'V';
  }
  bool NichtsGefunden() const override { return letzte_ == 'N'; }
  void SetVersand(bool versand) override { versand_ = versand; }
  // 'V' exported, but the mail asked for did not go out.
  bool VersandFehlgeschlagen() const override { return versand_ && letzte_ == 'V'; }

 private:
  bool versand_ = false;
  std::string antworten_;
  std::size_t pass_ = 0;
  char letzte_ = ' ';
  int jahr_ = 0;
};

int Lauf(const std::string& antworten, const std::string& zusatz = "-HERKUNFT:") {
  TDaten daten;
  TListe liste(antworten);
  return SaldixBatchLauf({"-MAND:1", "-VDATUM:01122023", "-BDATUM:31012024", zusatz}, daten, liste);
}

TEST(BatchDurchlauf, OnePassExportingIsEnoughWhenTheOtherFoundNothing) {
  TestSuite suite;
  EXPECT_EQ(Lauf("EN"), 0);
  EXPECT_EQ(MenuLog_Tail(1).at(0).text,
            "Ein Abrechnungsjahr des Zeitraums enthielt keine Sätze; der übrige Zeitraum wurde "
            "exportiert");
  EXPECT_EQ(Lauf("NE"), 0);
  EXPECT_EQ(Lauf("EE"), 0);
  // Nothing in either year is its own outcome; a failure beside it stays a failure.
  EXPECT_EQ(Lauf("NN"), 3);
  EXPECT_EQ(Lauf("EF"), 1);
  EXPECT_EQ(Lauf("FN"), 1);
  EXPECT_EQ(Lauf("NF"), 1);
}

TEST(BatchDurchlauf, AnExportWhoseMailFailedEndsWithItsOwnCode) {
  TestSuite suite;
  EXPECT_EQ(Lauf("VE", "-versand"), kBatchNichtVersandt);
  EXPECT_EQ(Lauf("EV", "-VERSAND"), kBatchNichtVersandt);
  EXPECT_EQ(Lauf("EE", "-VERSAND"), 0);
  // A failed export outranks the mail.
  EXPECT_EQ(Lauf("VF", "-VERSAND"), 1);
  // With a value it is no known switch and nothing is exported.
  EXPECT_EQ(Lauf("EE", "-VERSAND:J"), 2);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/KontenEinstellungen.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"
#include "suitetool/DemoGenerator.h"
#include "support/TestSuite.h"

namespace {

// A format with a key for every kind of tax, standing in for the demo's format.
class KeyedExporter : public TFibuExporter {
 public:
  std::string_view ClassName() const override { return "KeyedExporter"; }
  void LoadSaveProps() override { UseProfileMask("DEMOTEST"); }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&, const TFibuExportBuchInfoZusatz&) override {
    return true;
  }
  bool Export_Fibu_Ende() override { return true; }
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override {
    return std::to_string(static_cast<int>(ASteuer) + 1);
  }
  bool EinstellungenVorhanden() override { return true; }
  bool Profil_Geeignet(TIntPair) override { return true; }
};

std::optional<TFibuExpRegInfo> AnyFormat(const std::string& kennung) {
  return TFibuExpRegInfo{ExporterClassOf<KeyedExporter>(), "Demo", kennung, nullptr};
}

bool IsTaxAccount(TKontenEinstellungen& k, const std::string& name) {
  return name.rfind("MWST", 0) == 0 || name.rfind("VORST", 0) == 0 ||
         qtx_strmatch(name, k.Konten().KontoSteuernFremd());
}

struct Side {
  std::string name;
  std::string zusatz;
};

TEST(DemoSuite, EveryBookingResolvesToAccountNumbersAndTaxKeys) {
  TestSuite suite;
  suitetool::DemoOptions options;
  options.bookings = 3000;
  options.seed = 11;
  options.untilYear = 2025;
  options.untilMonth = 3;
  suitetool::ProgressDisplay silent(nullptr, "", 0);
  suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(silent);

  TKontenEinstellungen k(AnyFormat);
  k.ExporterInit();
  ASSERT_NE(k.AktExporter(), nullptr);

  std::vector<TIntPair> clients;
  auto list = SuiteDatabase::Get().Prepare("SELECT firma1, firma2 FROM mandanten ORDER BY kurz_nr");
  while (list->Step()) clients.push_back({static_cast<int>(list->Int(0)), static_cast<int>(list->Int(1))});
  ASSERT_EQ(clients.size(), 2u);

  std::size_t bookings = 0, taxBookings = 0;
  std::vector<std::string> unresolved;
  for (const auto& client : clients) {
    k.SetAktMandant(client);
    auto stmt = SuiteDatabase::Get().Prepare(
        "SELECT kto_name, kto_zusatz, gegen_kto_name, gegen_kto_zusatz, belegdatum, gep_nr1,"
        " gep_nr2, beleg_rnr, filiale, rechner, transaktions_nr, lfd_nr FROM fbde"
        " WHERE firma1 = ? AND firma2 = ?");
    stmt->With(client.Nr1, client.Nr2);
    while (stmt->Step()) {
      ++bookings;
      const TDateTime datum = stmt->Real(4);
      const TIntPair partner{static_cast<int>(stmt->Int(5)), static_cast<int>(stmt->Int(6))};
      const std::string ident = std::to_string(stmt->Int(9)) + "/" + std::to_string(stmt->Int(10)) +
                                "/" + std::to_string(stmt->Int(11));
      for (const Side& side : {Side{stmt->Text(0), stmt->Text(1)}, Side{stmt->Text(2), stmt->Text(3)}}) {
        const int nummer = k.Get_Konto_Nummer(side.name, side.zusatz, datum, partner,
                                              static_cast<int>(stmt->Int(7)),
                                              static_cast<std::int16_t>(stmt->Int(8)));
        if (nummer <= 0) unresolved.push_back(ident + " " + side.name + "+" + side.zusatz);
        if (IsTaxAccount(k, side.name)) {
          ++taxBookings;
          if (k.Steuer().AKPrefixZuKonto(side.name, datum).empty()) {
            unresolved.push_back(ident + " tax key of " + side.name);
          }
        }
      }
    }
  }
  EXPECT_GT(bookings, 2000u);
  EXPECT_GT(taxBookings, 100u);
  EXPECT_TRUE(unresolved.empty()) << unresolved.size() << " unresolved, first: " << unresolved.front();
}

}  // namespace

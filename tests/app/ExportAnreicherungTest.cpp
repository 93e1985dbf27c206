// The session's enrichment follows the active format's catalogue row.
#include <gtest/gtest.h>

#include "app/SaldixBelegQuelle.h"

namespace {

class TKeineBelege final : public IExportBelegQuelle {
 public:
  std::string AktTextMandant() override { return "Firma"; }
  std::optional<TExportBelegkopf> Belegkopf(const TIntTrio&) override {
    TExportBelegkopf k;
    k.OrderID = "A-17";
    return k;
  }
  std::optional<std::vector<TExportPosition>> ArtikelPositionen(const TIntTrio&) override {
    return std::nullopt;
  }
  bool LAR_Ist_Versand(const TIntTrio&) override { return false; }
  bool LAR_Ist_Gutschein(const TIntTrio&) override { return false; }
  std::string Get_Subherkunft_4_Beleg(const TIntTrio&) override { return {}; }
  std::string Zahlungsreferenz(const TIntTrio&) override { return {}; }
  int Kundennummer(const TIntPair&, const TIntPair&) override { return -1; }
  std::optional<TAdresse> PartnerAdresse(const TIntPair&) override { return std::nullopt; }
};

class TAuftrag final : public IBuchungsAnreicherung {
 public:
  explicit TAuftrag(IExportBelegQuelle& q) : q_(q) {}
  void Init(int maxLfdNr) override { lfd_ = maxLfdNr; }
  void Fuellen(const TFibuExportBuchInfo&, const TIntTrio& beleg, const std::string&,
               TFibuExportBuchInfoZusatz& zusatz) override {
    ++lfd_;
    zusatz.AuftragsNr = q_.Belegkopf(beleg)->OrderID;
  }
  int LfdNr() const override { return lfd_; }

 private:
  IExportBelegQuelle& q_;
  int lfd_ = 0;
};

TEST(ExportAnreicherung, FollowsTheActiveRowAndKeepsTheNumberWithoutOne) {
  TKeineBelege quelle;
  TFibuExpRegInfo mit;
  mit.Anreicherung = [](IExportBelegQuelle& q, TFibuExporter*) {
    return std::make_unique<TAuftrag>(q);
  };
  TFibuExpRegInfo ohne;
  const TFibuExpRegInfo* aktiv = &mit;
  TExportAnreicherung anreicherung(quelle, [] { return nullptr; }, [&] { return aktiv; });

  anreicherung.Init(40);
  TFibuExportBuchInfoZusatz zusatz;
  anreicherung.Fuellen({}, {1, 2, 0}, "ARE", zusatz);
  EXPECT_EQ(zusatz.AuftragsNr, "A-17");
  EXPECT_EQ(anreicherung.LfdNr(), 41);

  // The next run's format has none: nothing is filled and the journalled number stays.
  aktiv = &ohne;
  anreicherung.Init(41);
  TFibuExportBuchInfoZusatz leer;
  anreicherung.Fuellen({}, {1, 2, 0}, "ARE", leer);
  EXPECT_EQ(leer.AuftragsNr, "");
  EXPECT_EQ(anreicherung.LfdNr(), 41);
  aktiv = nullptr;  // no active format at all
  anreicherung.Init(3);
  EXPECT_EQ(anreicherung.LfdNr(), 3);
}

}  // namespace

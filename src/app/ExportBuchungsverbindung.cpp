#include "app/ExportBuchungsverbindung.h"

#include <system_error>

#include "suite/Guarded.h"

namespace {

constexpr char kMarkierenKontext[] = "TSaldixDataModule.FBDEMani_Buchen_AbrNr";

class TNebenherMarkierung final : public IExportDienste::Markierung {
 public:
  explicit TNebenherMarkierung(std::shared_future<void> laeuft) : laeuft_(std::move(laeuft)) {}
  // The marking uses the connection: it must have ended before anything else may.
  ~TNebenherMarkierung() override {
    if (laeuft_.valid()) laeuft_.wait();
  }

  bool Ergebnis() override {
    // A failure is reported here, on the caller's thread, as the marking itself would.
    return Guarded(kMarkierenKontext, [&] {
      laeuft_.get();
      return true;
    });
  }

 private:
  std::shared_future<void> laeuft_;
};

}  // namespace

TExportBuchungsverbindung::TExportBuchungsverbindung(const suitedb::Connection& programm,
                                                     int rechner)
    : db_(programm.OpenAnother()), abrechnungen_(*db_), mani_(*db_, rechner), buchung_(*db_) {}

std::unique_ptr<IExportDienste::Markierung> TExportBuchungsverbindung::MarkierungBeginnen(
    const std::vector<TIntTrio>& idents, int abrNr, int abrJahr, const TFbdeBereich& bereich,
    const TAbrechnungsStand& erwartet) {
  auto markieren = [this, &idents, abrNr, abrJahr, bereich, erwartet] {
    mani_.AbrNrUpdate(CFBDE_BV_Saldix, idents, abrNr, abrJahr, bereich, erwartet);
  };
  try {
    MarkierungAbwarten();
    markierung_ = std::async(std::launch::async, markieren).share();
    return std::make_unique<TNebenherMarkierung>(markierung_);
  } catch (const std::system_error&) {
    // No thread to be had: it marks here, when the result is asked for.
    return std::make_unique<TSpaeteMarkierung>([this, &idents, abrNr, abrJahr, bereich, erwartet] {
      return Markieren(idents, abrNr, abrJahr, bereich, erwartet);
    });
  }
}

bool TExportBuchungsverbindung::Markieren(const std::vector<TIntTrio>& idents, int abrNr,
                                          int abrJahr, const TFbdeBereich& bereich,
                                          const TAbrechnungsStand& erwartet) {
  MarkierungAbwarten();
  return Guarded(kMarkierenKontext, [&] {
    mani_.AbrNrUpdate(CFBDE_BV_Saldix, idents, abrNr, abrJahr, bereich, erwartet);
    return true;
  });
}

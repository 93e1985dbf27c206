#include "UiDemo.h"

#include "suite/SuiteDatabase.h"

namespace {

// Enough bookings for a year of settlements; the dialogs need no more.
constexpr int kBuchungen = 400;

}  // namespace

UiDemo::UiDemo() : demo_(kBuchungen) {}

std::vector<TMandListeEintrag> UiDemo::Mandanten() const {
  return TMandListeServer(SuiteDatabase::Get()).Liste();
}

TSaldixDataModule& UiDemo::Modul() { return demo_.Sitzung(keineWahl_).Modul(); }

int UiDemo::Zahl(const std::string& sql) const {
  auto& stmt = SuiteDatabase::Get().Cached(sql);
  const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
  stmt.Reset();
  return n;
}

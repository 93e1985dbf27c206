#include "data/BookingReadAhead.h"

TBookingReadAhead::TBookingReadAhead(std::unique_ptr<suitedb::Connection> connection,
                                     std::string sql, TBinden binden,
                                     TSatzAusZeile satzAusZeile)
    : connection_(std::move(connection)),
      sql_(std::move(sql)),
      binden_(std::move(binden)),
      satzAusZeile_(std::move(satzAusZeile)),
      thread_([this] { Lesen(); }) {}

TBookingReadAhead::~TBookingReadAhead() {
  {
    std::lock_guard lock(mutex_);
    angehalten_ = true;
  }
  geaendert_.notify_all();
  thread_.join();
}

std::vector<TfbdetempSatz> TBookingReadAhead::Naechste() {
  std::unique_lock lock(mutex_);
  geaendert_.wait(lock, [&] { return !stapel_.empty() || fertig_; });
  if (!stapel_.empty()) {
    std::vector<TfbdetempSatz> stapel = std::move(stapel_.front());
    stapel_.pop_front();
    lock.unlock();
    geaendert_.notify_all();
    return stapel;
  }
  if (fehler_) std::rethrow_exception(fehler_);
  return {};
}

void TBookingReadAhead::Lesen() {
  try {
    // One statement reads one snapshot.
    const auto stmt = connection_->Prepare(sql_);
    binden_(*stmt);
    std::vector<TfbdetempSatz> stapel;
    stapel.reserve(kStapelGroesse);
    while (stmt->Step()) {
      TfbdetempSatz satz;
      if (!satzAusZeile_(*connection_, *stmt, satz)) continue;
      stapel.push_back(std::move(satz));
      if (stapel.size() < kStapelGroesse) continue;
      if (!Abgeben(std::move(stapel))) break;
      stapel = {};
      stapel.reserve(kStapelGroesse);
    }
    if (!stapel.empty()) Abgeben(std::move(stapel));
  } catch (...) {
    std::lock_guard lock(mutex_);
    fehler_ = std::current_exception();
  }
  {
    std::lock_guard lock(mutex_);
    fertig_ = true;
  }
  geaendert_.notify_all();
}

bool TBookingReadAhead::Abgeben(std::vector<TfbdetempSatz>&& stapel) {
  std::unique_lock lock(mutex_);
  geaendert_.wait(lock, [&] { return stapel_.size() < kStapelVorrat || angehalten_; });
  if (angehalten_) return false;
  stapel_.push_back(std::move(stapel));
  lock.unlock();
  geaendert_.notify_all();
  return true;
}

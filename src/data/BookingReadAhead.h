// Reads bookings on a connection and a thread of its own, a few batches ahead of the
// caller: the rows of the next batch are decoded while the caller works on this one.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "data/TfbdetempSatz.h"
#include "suite/db/Storage.h"

class TBookingReadAhead {
 public:
  using TBinden = std::function<void(suitedb::Statement&)>;
  // Fills the record of the current row; false leaves the row out. Runs on the reading
  // thread, so it may touch nothing but the row, its record, the reading connection and
  // what is made for use from there.
  using TSatzAusZeile =
      std::function<bool(suitedb::Connection&, const suitedb::Statement&, TfbdetempSatz&)>;

  // Starts reading at once. The reading thread's snapshot is taken before the first batch
  // is handed out.
  TBookingReadAhead(std::unique_ptr<suitedb::Connection> connection, std::string sql,
                    TBinden binden, TSatzAusZeile satzAusZeile);
  // Stops the reading, also in the middle, and waits for the thread.
  ~TBookingReadAhead();
  TBookingReadAhead(const TBookingReadAhead&) = delete;
  TBookingReadAhead& operator=(const TBookingReadAhead&) = delete;

  // The next records in order; empty once all are read. Throws what the reading threw.
  std::vector<TfbdetempSatz> Naechste();

 private:
  static constexpr std::size_t kStapelGroesse = 512;
  static constexpr std::size_t kStapelVorrat = 8;

  void Lesen();
  // False when the reader was stopped meanwhile.
  bool Abgeben(std::vector<TfbdetempSatz>&& stapel);

  std::unique_ptr<suitedb::Connection> connection_;
  std::string sql_;
  TBinden binden_;
  TSatzAusZeile satzAusZeile_;

  std::mutex mutex_;
  std::condition_variable geaendert_;
  std::deque<std::vector<TfbdetempSatz>> stapel_;
  bool fertig_ = false;
  bool angehalten_ = false;
  std::exception_ptr fehler_;
  std::thread thread_;  // last: starts when everything it uses exists
};

// Access to the booking file: reading and writing whole booking records by identity.
#pragma once

#include <optional>
#include <string>

#include "suite/db/Storage.h"
#include "suite/records/FBDEDaten.h"

class TFbdeFile {
 public:
  explicit TFbdeFile(suitedb::Connection& connection) : db_(connection) {}

  // Every column of a booking record, in the order FromRow reads them.
  static const std::string& Columns();
  // Reads a record from the columns of Columns(), starting at column first.
  static TFBDEDaten FromRow(const suitedb::Statement& row, int first = 0);

  std::optional<TFBDEDaten> Read(const TIntTrio& ident);
  // Inserts the record with its identity as given; a taken identity throws.
  void Insert(const TFBDEDaten& satz);
  // Deletes one record; false when there was none.
  bool Delete(const TIntTrio& ident);

 private:
  suitedb::Connection& db_;
};

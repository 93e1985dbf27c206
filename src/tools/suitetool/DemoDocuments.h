// The demo's documents: outgoing invoices and credit notes, incoming invoices and
// credit notes, with positions, payment conditions, tax lines and payment reference.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suitetool/DemoRandom.h"

namespace suitetool {

struct DemoDocumentRequest {
  TIntPair firma;
  TIntPair partner;
  int computer = 0;
  int branch = 0;
  const char* belegart = "";  // "AR" invoice, "GU" credit note, "ER"/"EG" incoming
  const char* prefix = "";    // number prefix
  TDateTime date = 0;
  std::int64_t netCents = 0;
  int taxRate = 0;  // hundredths of a percent
  std::int64_t taxCents = 0;
  std::string lieferLand;
  std::string steuerLand;
  bool paymentTerms = false;
  bool orderId = false;
  TIntTrio predecessor;
};

struct DemoDocument {
  TIntTrio ident;
  std::string number;  // printable document number
  std::string orderId;
};

class DemoDocuments {
 public:
  DemoDocuments(suitedb::Connection& db, DemoRandom& random);

  DemoDocument Write(const DemoDocumentRequest& request);
  std::size_t Count() const { return count_; }

 private:
  void WritePositions(const TIntTrio& ident, std::int64_t netCents, bool order);
  void WriteDeliveryAddress(const TIntTrio& ident, int running);
  void WriteTerms(const TIntTrio& ident, TDateTime date);

  suitedb::Connection& db_;
  DemoRandom& random_;
  std::map<int, int> lastNumberOfComputer_;
  std::map<std::string, int> lastRunningNumber_;  // by client, prefix and year
  std::size_t count_ = 0;
};

}  // namespace suitetool

// The schema steps, one file each; Schema.cpp lists them in order.
#pragma once

#include "suite/db/Schema.h"

namespace suitedb {

extern const Migration kFoundationSchema;  // 1: stores, logs, computers
extern const Migration kBookingSchema;     // 2: record files and the servers' data
extern const Migration kRightsSchema;      // 3: user rights
extern const Migration kBookingOrderSchema;  // 4: booking file clustered by settlement and date
extern const Migration kDocumentDetailsSchema;  // 5: document marks, addresses, service types
extern const Migration kBookingDateOrderSchema;  // 6: booking file clustered by date only
extern const Migration kConnectionsSchema;  // 7: connection entries for FTPS, key files, time-out
extern const Migration kFileReleaseSchema;  // 8: export files waiting for their final name
extern const Migration kSettlementHistorySchema;  // 10: what happened to each settlement
extern const Migration kMailSettingsSchema;  // 11: mail dispatch per client

}  // namespace suitedb

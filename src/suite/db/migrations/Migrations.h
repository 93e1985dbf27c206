// The schema steps, one file each; Schema.cpp lists them in order.
#pragma once

#include "suite/db/Schema.h"

namespace suitedb {

extern const Migration kFoundationSchema;  // 1: stores, logs, computers

}  // namespace suitedb

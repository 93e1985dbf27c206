#include "suite/QTXBuchung.h"

#include <string>

#include "suite/SuiteDatabase.h"

QTXBuchung::QTXBuchung() : QTXBuchung(SuiteDatabase::Get()) {}

QTXBuchung::QTXBuchung(suitedb::Connection& connection) : db_(connection) {}

QTXBuchung::~QTXBuchung() = default;

void QTXBuchung::Start(int kind) {
  if (kind != kExport && kind != kManuell) {
    throw suitedb::StorageError("Unbekannte Art der Buchungssperre: " + std::to_string(kind));
  }
  if (transaction_) throw suitedb::StorageError("Die Buchungstransaktion ist bereits gestartet");
  try {
    transaction_ = std::make_unique<suitedb::Transaction>(db_);
  } catch (const suitedb::LockTimeout& e) {
    throw suitedb::LockTimeout(
        "Die Buchungssperre konnte nicht erhalten werden, weil ein anderer Arbeitsplatz gerade "
        "bucht. Bitte versuchen Sie es später noch einmal. (" + std::string(e.what()) + ")");
  }
  kind_ = kind;
}

void QTXBuchung::Commit() {
  if (!transaction_) throw suitedb::StorageError("Die Buchungstransaktion ist nicht gestartet");
  transaction_->Commit();
  transaction_.reset();
}

void QTXBuchung::Rollback() { transaction_.reset(); }

#include "data/SaldixData.h"

// The program's wiring of the module's further operations into its creation and
// destruction; each operation's unit fills its hook here.
TSaldixDataModuleHooks SaldixDataModuleHooks() {
  TSaldixDataModuleHooks hooks;
  return hooks;
}

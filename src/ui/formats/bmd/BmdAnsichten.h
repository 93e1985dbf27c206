// The BMD part of the settings form: export path and client grid.
#pragma once

#include "ui/FormatAnsichten.h"

namespace bmd {
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace bmd

// The program's export formats, registered in the catalogue in their fixed order.
#pragma once

#include "export/FibuExportKatalog.h"

// Registers every format this build knows; rows of formats not built are left out.
void ExportFormateRegistrieren(TFibuExportKatalog& katalog);

// The booking record a list row becomes: the fields every format reads. The run adds what
// a format asks for on top; the check before export looks at the same record.
#pragma once

#include "app/ExportZeilen.h"
#include "export/ExportRecords.h"

void BuchInfoGrunddatenFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile);

#include "formats/ExportFormate.h"

#include "formats/datev/FibuExpDatevFrm.h"
#include "formats/datev700/FibuExpDatev700Frm.h"
#include "formats/datevpost/FibuExpPostversandFrm.h"

void ExportFormateRegistrieren(TFibuExportKatalog& katalog) {
  if (katalog.Count() > 0) return;  // complete once; never registered twice
  for (const TFibuExpRegInfo& row : {RegInfo_Datev(), RegInfo_Datev_700(), RegInfo_Postversand()}) {
    katalog.Register(row);
  }
}

#include "formats/ExportFormate.h"

#include "formats/abacus/FibuExpAbacusFrm.h"
#include "formats/ascii/FibuExpAsciiFrm.h"
#include "formats/bmd/FibuExpBMDFrm.h"
#include "formats/datev/FibuExpDatevFrm.h"
#include "formats/datev700/FibuExpDatev700Frm.h"
#include "formats/datevpost/FibuExpPostversandFrm.h"
#include "formats/dvo/FibuExpDVOFrm.h"
#include "formats/his/FibuExpHISFrm.h"
#include "formats/rza/FibuExpRZAFrm.h"
#include "formats/sbs/FibuExpSBSFrm.h"
#include "formats/varial/FibuExpVarialFrm.h"

void ExportFormateRegistrieren(TFibuExportKatalog& katalog) {
  if (katalog.Count() > 0) return;  // complete once; never registered twice
  // The catalogue's fixed order; one row per format.
  for (const TFibuExpRegInfo& row : {
           RegInfo_Datev(),
           RegInfo_Datev_700(),
           RegInfo_Postversand(),
           ascii::RegInfo_Ascii(),
           RegInfo_BMD(),
           RegInfo_DVO(),
           RegInfo_SBS(),
           RegInfo_Varial(),
           RegInfo_RZA(),
           abacus::RegInfo_Abacus(),
           RegInfo_HIS(),
       }) {
    katalog.Register(row);
  }
}

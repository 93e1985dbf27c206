#include "formats/datev700/FibuExporter_Datev_700.h"

#include "suite/Text.h"

void TFibuExporter_Datev_700::Properties2Config() {
  TFibuExporter_Datev::Properties2Config();
  Guard("Properties2Config", [&] {
    strConfig.SetValue("ORDERID", BoolToJN(FExportOrderID));
    strConfig.SetValue("SOLLHABENT", BoolToJN(FSollHabenTauschen));
  });
}

void TFibuExporter_Datev_700::Config2Properties() {
  TFibuExporter_Datev::Config2Properties();
  Guard("Config2Properties", [&] {
    FExportOrderID = JNToBool(strConfig.Value("ORDERID"));
    FSollHabenTauschen = JNToBool(strConfig.Value("SOLLHABENT"));
  });
}

void TFibuExporter_Datev_700::Lade_Einstellungen_Alt() {
  TFibuExporter_Datev::Lade_Einstellungen_Alt();
  FExportOrderID = false;
  FSollHabenTauschen = false;
}

long double TFibuExporter_Datev_700::Differenz(const TFibuExportBuchInfo& ABuchInfo) const {
  const long double D = TFibuExporter_Datev::Differenz(ABuchInfo);
  return FSollHabenTauschen ? -D : D;
}

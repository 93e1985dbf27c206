#include "formats/datev700/FibuExporter_Datev_700.h"

#include "suite/Text.h"

const TEinstellungsTabelle<TFibuExporter_Datev_700>& TFibuExporter_Datev_700::Einstellungen700() {
  using T = TFibuExporter_Datev_700;
  static const TEinstellungsTabelle<T> tabelle{
      {.Schluessel = "ORDERID",
       .Member = &T::FExportOrderID,
       .Beschriftung = "Order-ID bei OC-Belegen im Feld Auftragsnummer exportieren"},
      {.Schluessel = "SOLLHABENT",
       .Member = &T::FSollHabenTauschen,
       .Beschriftung = "Soll und Haben tauschen - für alle Buchungen",
       .Hinweis = "Wenn im DATEV umgekehrte Soll / Haben benötigt werden, kann diese Option "
                  "gewählt werden."},
  };
  return tabelle;
}

void TFibuExporter_Datev_700::Properties2Config() {
  TFibuExporter_Datev::Properties2Config();
  Guard("Properties2Config", [&] { EinstellungenSchreiben(*this, strConfig, Einstellungen700()); });
}

void TFibuExporter_Datev_700::Config2Properties() {
  TFibuExporter_Datev::Config2Properties();
  Guard("Config2Properties", [&] { EinstellungenLesen(*this, strConfig, Einstellungen700()); });
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

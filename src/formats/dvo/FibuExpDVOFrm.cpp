#include "formats/dvo/FibuExpDVOFrm.h"

#include <stdexcept>

#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace dvo {

namespace {

bool EineZiffer(const std::string& text) {
  return text.empty() || (text.size() == 1 && text[0] >= '0' && text[0] <= '9');
}

}  // namespace

TFibuExporter_DVO& TfrmFibuExpDVO::DvoExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_DVO*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen DVO-Export.");
  return *exporter;
}

void TfrmFibuExpDVO::SetSachKtoLng(const std::string& text) {
  if (EineZiffer(text)) FSachKtoLng = text;
}

void TfrmFibuExpDVO::SetPersKtoLng(const std::string& text) {
  if (EineZiffer(text)) FPersKtoLng = text;
}

bool TfrmFibuExpDVO::SetzeBelegart(std::size_t zeile, const std::string& text) {
  if (zeile >= FFilialZeilen.size() || Utf8Length(text) > 3) return false;
  FFilialZeilen[zeile].Belegart = text;
  return true;
}

void TfrmFibuExpDVO::Spezial_DatenZuMaske() {
  TfrmMandantenExport::Spezial_DatenZuMaske();
  const auto& exporter = DvoExporter();
  FSachKtoLng = std::to_string(exporter.SachKtoLng());
  FPersKtoLng = std::to_string(exporter.PersKtoLng());
  FFilialZeilen = exporter.Filialen();
}

void TfrmFibuExpDVO::Spezial_DatenVonMaske() {
  TfrmMandantenExport::Spezial_DatenVonMaske();
  auto& exporter = DvoExporter();
  exporter.SetSachKtoLng(StrToIntDef(FSachKtoLng, 0));
  exporter.SetPersKtoLng(StrToIntDef(FPersKtoLng, 0));
  for (const auto& zeile : FFilialZeilen) exporter.SetBelegart(zeile.Nummer, zeile.Belegart);
}

bool TfrmFibuExpDVO::Spezial_TesteMaskenDaten() {
  if (!PfadPruefen()) return false;
  const int sach = StrToIntDef(FSachKtoLng, 0);
  if (sach < 4 || sach > 6) {
    Eingabefehler(CSeiteParameter, "Die Länge des Sachkontos muss zwischen 4 und 6 liegen.");
    return false;
  }
  const int pers = StrToIntDef(FPersKtoLng, 0);
  if (pers < 5 || pers > 7) {
    Eingabefehler(CSeiteParameter, "Die Länge des Personenkontos muss zwischen 5 und 7 liegen.");
    return false;
  }
  if (!RasterPruefen()) return false;
  for (const auto& zeile : FFilialZeilen) {
    if (TrimView(zeile.Belegart).empty()) {
      Eingabefehler(CSeiteParameter, "Die DVO-Belegart ist nicht gefüllt.");
      return false;
    }
  }
  return true;
}

bool DemoProfilEinrichten(const std::string& exportDir) {
  return Guarded("dvo.DemoProfilEinrichten", [&] {
    TFibuExporter_DVO exporter;
    exporter.Init();
    exporter.SetVerzExport(exportDir);
    const auto eintraege = exporter.Mandanten().Eintraege();  // the calls change the table
    for (const auto& mandant : eintraege) {
      exporter.SetMandantenDaten(mandant.GepNr, true, {std::to_string(1000 + mandant.KurzNr)});
    }
    for (const auto& filiale : exporter.Filialen()) {
      exporter.SetBelegart(filiale.Nummer, Utf8Left("B" + std::to_string(filiale.Nummer), 3));
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace dvo

TFibuExpRegInfo RegInfo_DVO() {
  return {ExporterClassOf<dvo::TFibuExporter_DVO>(), dvo::TFibuExporter_DVO::CName,
          dvo::TFibuExporter_DVO::CKennung, EditClassOf<dvo::TFibuExpEdit_DVO>(), {}, dvo::DemoProfilEinrichten};
}

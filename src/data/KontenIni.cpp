#include "data/KontenIni.h"

#include <cmath>
#include <optional>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

std::vector<std::string> SplitAt(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const auto pos = line.find(separator, start);
    fields.push_back(line.substr(start, pos == std::string::npos ? std::string::npos : pos - start));
    if (pos == std::string::npos) return fields;
    start = pos + 1;
  }
}

bool IstJ(const std::string& field) { return qtx_strmatch(field, "J"); }

// Fields: Kuerzel;SteuerSchl;Filiale;AbDatum;BisDatum;KontoNr;MitSteuerSchl
//         [;NeuerStSchl;MitNeuStSchl[;Rechner]]
std::optional<TKontenIni> NummernZeile(const std::string& line) {
  const auto f = SplitAt(line, ';');
  if (f.size() != 7 && f.size() != 9 && f.size() != 10) return std::nullopt;
  TKontenIni zeile;
  zeile.Kuerzel = f[0];
  zeile.SteuerSchl = f[1];
  zeile.Filiale = StrToIntDef(f[2], 0);
  zeile.AbDatum = StrToDateDef(f[3], 0);
  zeile.BisDatum = StrToDateDef(f[4], 0);
  zeile.KontoNr = StrToIntDef(f[5], 0);
  zeile.MitSteuerSchl = IstJ(f[6]);
  if (f.size() >= 9) {
    zeile.NeuerStSchl = f[7];
    zeile.MitNeuStSchl = IstJ(f[8]);
  }
  if (f.size() == 10) zeile.Rechner = StrToIntDef(f[9], 0);
  return zeile;
}

std::optional<TKontenIniExport> ExportZeile(const std::string& line) {
  const auto pos = line.find('=');
  if (pos == std::string::npos) return std::nullopt;
  return TKontenIniExport{line.substr(0, pos), line.substr(pos + 1)};
}

std::string SeitenSchluessel(const std::string& konto, bool soll) {
  return konto + (soll ? "_SOLL" : "_HABEN");
}

}  // namespace

void TKontenSpezTabelle::KontenIni_einlesen(const std::vector<std::string>* zeilen) {
  Guarded("TSaldixDataModule.KontenIni_einlesen", [&] {
    spezDaten_.clear();
    export_.clear();
    if (zeilen == nullptr) return;
    Einlesen(*zeilen);
    if (!spezDaten_.empty()) spezVorhanden_ = true;
    if (!export_.empty()) exportVorhanden_ = true;
  });
}

void TKontenSpezTabelle::Einlesen(const std::vector<std::string>& zeilen) {
  bool exportTeil = false;
  for (const auto& line : zeilen) {
    if (Trim(line).empty() || line.front() == '#') continue;
    if (line == "[EXPORT]") {
      exportTeil = true;
      continue;
    }
    if (line == "[NUMMER]") {
      exportTeil = false;
      continue;
    }
    bool gelesen = false;
    if (exportTeil) {
      if (auto zeile = ExportZeile(line)) {
        export_.push_back(std::move(*zeile));
        gelesen = true;
      }
    } else if (auto zeile = NummernZeile(line)) {
      spezDaten_.push_back(std::move(*zeile));
      gelesen = true;
    }
    if (!gelesen) {
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {line}, "SALDIX", 1007);
      QTXInfo().ResetError();
      if (exportTeil) {
        export_.clear();
      } else {
        spezDaten_.clear();
      }
      return;
    }
  }
}

bool TKontenSpezTabelle::Konto_Gefunden(const std::string& AAltesKonto,
                                        const std::string& AAlterStSchl, int AFiliale,
                                        int ARechner, TDateTime ADatum, bool ASoll,
                                        std::string& ANeueKontoNr,
                                        std::string& ANeuerStSchl) const {
  ANeueKontoNr.clear();
  ANeuerStSchl.clear();
  return Guarded("TSaldixDataModule.Konto_Gefunden", [&] {
    const std::string suchKonto = SeitenSchluessel(AAltesKonto, ASoll);
    // A booking at some time of its last valid day is still inside the range.
    const TDateTime tag = std::floor(ADatum);
    for (const auto& zeile : spezDaten_) {
      if (!qtx_strmatch(zeile.Kuerzel, AAltesKonto) && !qtx_strmatch(zeile.Kuerzel, suchKonto)) {
        continue;
      }
      if (!qtx_strmatch(zeile.SteuerSchl, AAlterStSchl)) continue;
      if (zeile.Filiale != 0 && zeile.Filiale != AFiliale) continue;
      if (zeile.Rechner != 0 && zeile.Rechner != ARechner) continue;
      if (ADatum < zeile.AbDatum) continue;
      if (zeile.BisDatum != 0 && tag > zeile.BisDatum) continue;
      ANeueKontoNr = std::to_string(zeile.KontoNr);
      if (zeile.MitSteuerSchl) {
        ANeuerStSchl = AAlterStSchl;
      } else if (zeile.MitNeuStSchl) {
        ANeuerStSchl = zeile.NeuerStSchl;
      }
      return true;
    }
    return false;
  });
}

std::string TKontenSpezTabelle::HoleExportKuerzel(const std::string& AKonto, bool ASoll) const {
  return Guarded("TSaldixDataModule.HoleExportKuerzel", [&]() -> std::string {
    const std::string suchKonto = SeitenSchluessel(AKonto, ASoll);
    for (const auto& zeile : export_) {
      if (qtx_strmatch(zeile.Konto, suchKonto)) return zeile.ExportKuerzel;
    }
    for (const auto& zeile : export_) {
      if (qtx_strmatch(zeile.Konto, AKonto)) return zeile.ExportKuerzel;
    }
    return {};
  });
}

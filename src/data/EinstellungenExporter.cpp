#include "data/EinstellungenExporter.h"

#include "suite/Guarded.h"
#include "suite/Text.h"

namespace {
constexpr const char* kAktExp = "FIBUAKTEXP";
}

std::optional<TFibuExpRegInfo> ExporterKatalogGlobal(const std::string& kennung) {
  const auto& katalog = TFibuExportKatalog::Global();
  const int index = katalog.Find(kennung);
  if (index < 0) return std::nullopt;
  return katalog.Row(index);
}

const TFibuExporterclass& TAktExporterWahl::AktExporterKlasse() const {
  static const TFibuExporterclass keineKlasse;
  return regInfo_ ? regInfo_->TypKlasse : keineKlasse;
}

TAktExporterWahl::TAktExporterWahl(TExporterKatalogSuche suche) : suche_(std::move(suche)) {}

TAktExporterWahl::~TAktExporterWahl() { Freigeben(); }

void TAktExporterWahl::SetNachWechsel(std::function<void()> kontenIniEinlesen,
                                      std::function<void()> steuerschlListeFreigeben) {
  kontenIniEinlesen_ = std::move(kontenIniEinlesen);
  steuerschlListeFreigeben_ = std::move(steuerschlListeFreigeben);
}

void TAktExporterWahl::Freigeben() {
  TeardownStep("TSaldixDataModule.SetAktExporterKennung", [&] {
    if (exporter_) exporter_->Done();
  });
  exporter_.reset();
  regInfo_.reset();
  auto_ = false;
}

bool TAktExporterWahl::Erzeugen(const std::string& kennung) {
  const auto row = suche_ ? suche_(kennung) : std::nullopt;
  if (!row || !row->TypKlasse) return false;
  auto exporter = row->TypKlasse();
  if (!exporter) return false;
  exporter->Init();
  regInfo_ = row;
  auto_ = exporter->Automatikkonten();
  exporter_ = std::move(exporter);
  return true;
}

void TAktExporterWahl::ExporterInit() {
  Guarded("TSaldixDataModule.ExporterInit", [&] {
    const std::string kennung = fsmExporter_.ReadGlobalDef(kAktExp, std::string());
    if (Erzeugen(kennung)) kennung_ = kennung;
  });
}

void TAktExporterWahl::SetAktExporterKennung(const std::string& Kennung) {
  Guarded("TSaldixDataModule.SetAktExporterKennung", [&] {
    if (!qtx_strmatch(Kennung, kennung_)) {
      Freigeben();
      kennung_ = Kennung;
      // An identifier no format answers to is neither kept nor stored.
      if (!Kennung.empty() && Erzeugen(Kennung)) {
        fsmExporter_.WriteGlobal(kAktExp, Kennung);
      } else {
        kennung_.clear();
      }
      // The old format's special accounts must not outlive it.
      if (kontenIniEinlesen_) kontenIniEinlesen_();
    }
    if (!kennung_.empty()) {
      auto_ = exporter_ && exporter_->Automatikkonten();
      if (steuerschlListeFreigeben_) steuerschlListeFreigeben_();
    }
  });
}

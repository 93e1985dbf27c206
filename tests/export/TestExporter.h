// A minimal format for tests: loads and saves like the real formats, keeps one key of
// its own ("PFAD") and can be told to fail.
#pragma once

#include <stdexcept>
#include <string>

#include "export/fibuexportclass.h"

class TTestExporter final : public TFibuExporter {
 public:
  explicit TTestExporter(std::string mask = "TESTFORMAT", bool legacyFallback = true)
      : mask_(std::move(mask)), legacyFallback_(legacyFallback) {}

  std::string_view ClassName() const override { return "TTestExporter"; }

  bool Config_Load(const std::string& ProfilName) override {
    return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, legacyFallback_); });
  }
  void Config_Save(const std::string& ProfilName) override {
    Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
  }
  bool Config_Load_Dialog() override {
    return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
  }
  bool Config_Save_Dialog() override {
    return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
  }
  void LoadSaveProps() override { UseProfileMask(mask_); }

  void Resources_DoneF(const std::string& ProfilName) override {
    if (failDoneF) throw std::runtime_error("Speichern gescheitert");
    TFibuExporter::Resources_DoneF(ProfilName);
  }

  void Properties2Config() override {
    Guard("Properties2Config", [&] {
      TFibuExporter::Properties2Config();
      strConfig.SetValue("PFAD", pfad);
    });
  }
  void Config2Properties() override {
    Guard("Config2Properties", [&] {
      TFibuExporter::Config2Properties();
      pfad = strConfig.Value("PFAD");
    });
  }

  bool Export_Fibu_Kopf(const TFibuExportFileInfo&) override {
    return Guard("Export_Fibu_Kopf", [&] {
      if (pfad.empty()) throw std::runtime_error("Kein Exportpfad");
      return true;
    });
  }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&, const TFibuExportBuchInfoZusatz&) override {
    return true;
  }
  bool Export_Fibu_Ende() override { return true; }
  bool EinstellungenVorhanden() override { return !pfad.empty(); }
  bool Profil_Geeignet(TIntPair) override { return true; }

  std::string pfad;
  bool failDoneF = false;

 private:
  std::string mask_;
  bool legacyFallback_;
};

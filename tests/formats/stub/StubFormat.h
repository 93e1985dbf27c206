// A format that lives in the tests only: it proves that a format joins the program with
// its own folder and one catalogue row, without an edit of the run, the session or the
// views. It writes one line per booking and asks for the per-booking enrichment.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "export/FibuExportKatalog.h"
#include "export/fibuexportclass.h"
#include "suite/AnsiTextFile.h"
#include "suite/Format.h"

namespace stub {

// Where the stub writes; set by the test before a run.
inline std::filesystem::path& Zielverzeichnis() {
  static std::filesystem::path verzeichnis;
  return verzeichnis;
}

class TStubExporter final : public TFibuExporter {
 public:
  static constexpr const char* CKennung = "STUB1";
  static constexpr const char* CName = "Stub-Format";

  std::string_view ClassName() const override { return "TStubExporter"; }
  bool Config_Load(const std::string& ProfilName) override {
    return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, false); });
  }
  void Config_Save(const std::string& ProfilName) override {
    Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
  }
  void LoadSaveProps() override { UseProfileMask("STUBFMT"); }
  TExportFaehigkeiten Faehigkeiten() const override {
    return TExportFaehigkeiten().Mit(TExportFaehigkeit::BuchungsZusatz);
  }

  bool Export_Fibu_Kopf(const TFibuExportFileInfo& info) override {
    return Guard("Export_Fibu_Kopf", [&] {
      const auto ziel =
          Zielverzeichnis() / Format("stub_%d_%.4d.txt", info.AbrJahr, info.AbrNr);
      dateiName_ = ziel.string();
      dateien_.clear();
      dateien_.push_back(std::make_unique<TAnsiTextFile>(dateiName_));
      dateien_.back()->WriteLine("KOPF;" + std::to_string(info.AbrNr));
      return true;
    });
  }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& b) override {
    return Export_Fibu_Daten(b, TFibuExportBuchInfoZusatz{});
  }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& b,
                         const TFibuExportBuchInfoZusatz& zusatz) override {
    return Guard("Export_Fibu_Daten", [&] {
      dateien_.back()->WriteLine(Format("%d;%d;%.2f;%.2f;", b.Konto, b.GegenKonto,
                                        static_cast<double>(b.BetragSoll),
                                        static_cast<double>(b.BetragHaben)) +
                                 zusatz.ZusatzItem(1).Inhalt);
      return true;
    });
  }
  bool Export_Fibu_Ende() override {
    return Guard("Export_Fibu_Ende", [&] {
      DateienFertigstellen(dateien_);
      return true;
    });
  }
  bool EinstellungenVorhanden() override { return true; }
  bool Profil_Geeignet(TIntPair) override { return true; }
  std::string GetDateiName() override { return dateiName_; }
  int GetMaxLfdNr() override { return lfdNr_; }
  void SetMaxLfdNr(int value) override { lfdNr_ = value; }

 private:
  std::vector<std::unique_ptr<TAnsiTextFile>> dateien_;
  std::string dateiName_;
  int lfdNr_ = 0;
};

// Numbers the bookings on from the journal's last number and asks the document lookup
// for each booking's order.
class TStubAnreicherung final : public IBuchungsAnreicherung {
 public:
  explicit TStubAnreicherung(IExportBelegQuelle& quelle) : quelle_(quelle) {}
  void Init(int maxLfdNr) override { lfdNr_ = maxLfdNr; }
  void Fuellen(const TFibuExportBuchInfo&, const TIntTrio& beleg, const std::string&,
               TFibuExportBuchInfoZusatz& zusatz) override {
    ++lfdNr_;
    const auto kopf = quelle_.Belegkopf(beleg);
    zusatz.ZusatzItem(1).Art = "LFD";
    zusatz.ZusatzItem(1).Inhalt =
        std::to_string(lfdNr_) + (kopf ? ";Beleg " + kopf->OrderID : ";ohne Beleg");
  }
  int LfdNr() const override { return lfdNr_; }

 private:
  IExportBelegQuelle& quelle_;
  int lfdNr_ = 0;
};

// The stub's catalogue row.
inline TFibuExpRegInfo RegInfo_Stub() {
  return {ExporterClassOf<TStubExporter>(), TStubExporter::CName, TStubExporter::CKennung,
          nullptr, [](IExportBelegQuelle& quelle, TFibuExporter*) {
            return std::make_unique<TStubAnreicherung>(quelle);
          }};
}

}  // namespace stub

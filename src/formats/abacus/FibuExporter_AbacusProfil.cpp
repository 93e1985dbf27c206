// The profile of the Abacus export: its keys, the defaults of a new profile, the clients
// with their Abacus numbers and the rule for usable settings.
#include "formats/abacus/FibuExporter_Abacus.h"

#include "suite/Format.h"
#include "suite/Paths.h"
#include "suite/Text.h"
#include "suite/db/Storage.h"

namespace abacus {
namespace {

struct TSteuerKey {
  TQTX_FibuExport_Steuer Steuer;
  const char* Schluessel;
};
constexpr TSteuerKey kSteuerKeys[] = {
    {CQTX_FibuExport_Ust_Reduz, "UMST_REDUZ"},     {CQTX_FibuExport_Ust_Speziell, "UMST_SPEZ"},
    {CQTX_FibuExport_Ust_Normal, "UMST_NORMAL"},   {CQTX_FibuExport_Ust_Normal_Alt, "UMST_NORM_ALT"},
    {CQTX_FibuExport_Ust_EG, "UMST_EG"},           {CQTX_FibuExport_Vst_Reduz, "VST_REDUZ"},
    {CQTX_FibuExport_Vst_Speziell, "VST_SPEZ"},    {CQTX_FibuExport_Vst_Normal, "VST_NORMAL"},
    {CQTX_FibuExport_Vst_Normal_Alt, "VST_NORM_ALT"}, {CQTX_FibuExport_Vst_Ohne, "VST_OHNE"},
};

std::string MandantSchluessel(const TIntPair& gepNr) { return qtx_TIntPair2String(gepNr); }

bool IstMandantenSchluessel(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return false;
  const auto zahl = [](std::string_view teil) {
    if (!teil.empty() && teil.front() == '-') teil.remove_prefix(1);
    return !teil.empty() && teil.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return zahl(text.substr(0, slash)) && zahl(text.substr(slash + 1));
}

std::string MediumText(TFibuExpMedium medium) { return medium == femFTP ? "FTP" : "DISC"; }
TFibuExpMedium MediumAus(const std::string& text) { return text == "FTP" ? femFTP : femDisc; }

std::string MandantLand(suitedb::Connection& db, const TIntPair& firma) {
  auto& stmt = db.Cached("SELECT land FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(firma.Nr1, firma.Nr2);
  std::string land = stmt.Step() ? stmt.Text(0) : std::string();
  stmt.Reset();
  return IsoLand(land);
}

}  // namespace

bool TFibuExporter_Abacus::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] {
    if (!LoadThenApply(ProfilName, false)) return false;
    if (strConfig.Items.empty()) Einstellungen_Init();
    return true;
  });
}

void TFibuExporter_Abacus::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_Abacus::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_Abacus::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_Abacus::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask("ABACUS"); });
}

const TEinstellungsTabelle<TFibuExporter_Abacus>& TFibuExporter_Abacus::Einstellungen() {
  using T = TFibuExporter_Abacus;
  static const TEinstellungsTabelle<T> tabelle{
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"VERZ-EXPORT", &T::FVerzExport, "", nullptr, SuitePfadGeladen, SuitePfadZumSpeichern},
      {"VERZ-FTP", &T::FVerzExportFTP},
      {"MITDEBI", &T::FMitDebitoren},
      {"VERZ-EXP-DEBI", &T::FVerzExportDebi, "", nullptr, SuitePfadGeladen, SuitePfadZumSpeichern},
      {"VERZ-FTP-DEBI", &T::FVerzExportFTPDebi},
      {"ABRECHART", &T::FAbrechArt_vereinnahmt},
      {"EXPMANDANT", &T::FMandantExport},
      {"SAMMELBUCHUNG", &T::FSammelbuchung},
      {"MITBELEGNUMMER", &T::FMitBelegnummer},
      {"KOSTKTOMIN", &T::FKostKtoMin, "0"},
      {"KOSTKTOMAX", &T::FKostKtoMax, "0"},
      {"KDNRMIN", &T::FKundenNrMin, "0"},
      {"KDNRMAX", &T::FKundenNrMax, "0"},
  };
  return tabelle;
}

void TFibuExporter_Abacus::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    strConfig.SetValue("EXPMEDIUM", MediumText(FExportMedium));
    strConfig.SetValue("EXPMEDIUM-DEBI", MediumText(FExportMediumDebi));
    strConfig.SetValue("AUTOMATIK", BoolToJN(FAutomatikkonten));
    for (const auto& steuer : kSteuerKeys) {
      strConfig.SetValue(steuer.Schluessel, FSteuerSchl[steuer.Steuer]);
    }
    for (const auto& mandant : FMandanten) {
      const std::string schluessel = MandantSchluessel(mandant.GepNr);
      strConfig.SetValue("MANDANT" + schluessel, std::to_string(mandant.Mandant));
      strConfig.SetValue("MANDAKTV" + schluessel, BoolToJN(mandant.Aktiv));
    }
  });
}

bool TFibuExporter_Abacus::EigenerConfigSchluessel(const std::string& key) const {
  for (const std::string_view prefix : {"MANDANT", "MANDAKTV"}) {
    if (key.starts_with(prefix) && IstMandantenSchluessel(std::string_view(key).substr(prefix.size()))) {
      return true;
    }
  }
  return false;
}

void TFibuExporter_Abacus::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FAutomatikkonten = true;
    FAbacusZusatz = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    FExportMedium = MediumAus(strConfig.Value("EXPMEDIUM"));
    FExportMediumDebi = MediumAus(strConfig.Value("EXPMEDIUM-DEBI"));
    FAutomatikkonten = JNToBool(strConfig.Value("AUTOMATIK"));
    FSteuerSchl.fill("");
    for (const auto& steuer : kSteuerKeys) FSteuerSchl[steuer.Steuer] = strConfig.Value(steuer.Schluessel);
    LeseMandanten();
    for (auto& mandant : FMandanten) {
      const std::string schluessel = MandantSchluessel(mandant.GepNr);
      mandant.Mandant = StrToIntDef(strConfig.Value("MANDANT" + schluessel), 0);
      mandant.Aktiv = JNToBool(strConfig.Value("MANDAKTV" + schluessel));
    }
  });
}

void TFibuExporter_Abacus::Einstellungen_Init() {
  Guard("Einstellungen_Init", [&] {
    FExportMedium = FExportMediumDebi = femDisc;
    FVerzExport.clear();
    FVerzExportFTP.clear();
    FVerzExportDebi.clear();
    FVerzExportFTPDebi.clear();
    FMitDebitoren = FAbrechArt_vereinnahmt = FMandantExport = FSammelbuchung = FMitBelegnummer = false;
    FKostKtoMin = FKostKtoMax = FKundenNrMin = FKundenNrMax = 0;
    FSteuerSchl.fill("");
    LeseMandanten();
    for (auto& mandant : FMandanten) {
      mandant.Mandant = 0;
      mandant.Aktiv = true;
    }
    FAutomatikkonten = true;
    FAbacusZusatz = true;
  });
}

void TFibuExporter_Abacus::LeseMandanten() {
  FMandanten.clear();
  if (!FMandantenLesbar) return;
  for (const auto& eintrag : Kontext().Mandanten()) {
    TMandInfo mandant;
    mandant.KurzNr = eintrag.KurzNr;
    mandant.GepNr = eintrag.GepNr;
    mandant.Name = eintrag.Name;
    mandant.Land = MandantLand(Kontext().Datenbank(), eintrag.GepNr);
    FMandanten.push_back(std::move(mandant));
  }
}

int TFibuExporter_Abacus::GetMandantIndex(TIntPair AGepNr) const {
  for (std::size_t i = 0; i < FMandanten.size(); ++i) {
    if (FMandanten[i].GepNr == AGepNr) return static_cast<int>(i);
  }
  return -1;
}

void TFibuExporter_Abacus::SetMandantenDaten(TIntPair AGepNr, int AMandant, bool AAktiv) {
  for (auto& mandant : FMandanten) {
    if (mandant.GepNr != AGepNr) continue;
    mandant.Mandant = AMandant;
    mandant.Aktiv = AAktiv;
  }
}

void TFibuExporter_Abacus::SetSteuerschluessel(TQTX_FibuExport_Steuer ASteuer, const std::string& code) {
  FSteuerSchl.at(static_cast<std::size_t>(ASteuer)) = code;
}

std::string TFibuExporter_Abacus::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel",
               [&] { return FSteuerSchl.at(static_cast<std::size_t>(ASteuer)); });
}

bool TFibuExporter_Abacus::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    const auto ohneZiel = [](TFibuExpMedium medium, const std::string& verz, const std::string& ftp) {
      return medium == femDisc ? verz.empty() : ftp.empty();
    };
    if (ohneZiel(FExportMedium, FVerzExport, FVerzExportFTP)) return false;
    if (FMitDebitoren && ohneZiel(FExportMediumDebi, FVerzExportDebi, FVerzExportFTPDebi)) return false;
    bool einerAktiv = false;
    for (const auto& mandant : FMandanten) {
      if (!mandant.Aktiv) continue;
      if (mandant.Mandant == 0) return false;
      einerAktiv = true;
    }
    return einerAktiv;
  });
}

bool TFibuExporter_Abacus::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] {
    const int index = GetMandantIndex(AMandant);
    return index >= 0 && FMandanten[static_cast<std::size_t>(index)].Aktiv;
  });
}

}  // namespace abacus

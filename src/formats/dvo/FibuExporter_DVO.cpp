#include "formats/dvo/FibuExporter_DVO.h"

#include <array>
#include <stdexcept>

#include "formats/dvo/DvoFormat.h"
#include "formats/dvo/DvoRegeln.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/QTXProgramm.h"
#include "suite/db/Storage.h"

namespace dvo {

namespace {

constexpr const char* kBelegart = "BELEGART";
// The batch type of bookings entered by hand.
constexpr const char* kArt = "3";

constexpr std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> kSteuerschluessel{
    "310", "300", "320", "300", "312", "210", "200", "220", "200", "212", "999", ""};

bool IstZahl(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

TFibuExporter_DVO::TFibuExporter_DVO()
    : TMandantenExporter({{"KLIENT", TMandantenFeld::TArt::Zahl, true, 6, "Klient",
                           "Die DVO-Klienten-Nummer ist nicht gefüllt."}},
                         "DVO") {}

const TEinstellungsTabelle<TFibuExporter_DVO>& TFibuExporter_DVO::Einstellungen() {
  using T = TFibuExporter_DVO;
  static const TEinstellungsTabelle<T> tabelle{
      {"SACHKTOLNG", &T::FSachKtoLng, "4", "SACHKTOLNG"},
      {"PERSKTOLNG", &T::FPersKtoLng, "5", "PERSKTOLNG"},
  };
  return tabelle;
}

void TFibuExporter_DVO::SchalterSetzen() {
  FAutomatikkonten = true;
  FNachDatumSortieren = true;
  FNachFilialeSortieren = true;
}

void TFibuExporter_DVO::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FFilialen.clear(); });
  TMandantenExporter::Resources_Destroy();
}

std::vector<TFilialeInfo> TFibuExporter_DVO::Filialliste() const {
  std::vector<TFilialeInfo> liste;
  auto& filialen = Kontext().Datenbank().Cached("SELECT nummer, name FROM filialen ORDER BY nummer");
  while (filialen.Step()) {
    liste.push_back({static_cast<int>(filialen.Int(0)), filialen.Text(1), {}});
  }
  return liste;
}

void TFibuExporter_DVO::Config2Properties() {
  Guard("Config2Properties", [&] {
    FFilialen = Filialliste();
    TMandantenExporter::Config2Properties();
  });
}

void TFibuExporter_DVO::Lade_Einstellungen_Alt() {
  Guard("Lade_Einstellungen_Alt", [&] {
    FFilialen = Filialliste();
    TMandantenExporter::Lade_Einstellungen_Alt();
  });
}

void TFibuExporter_DVO::EigeneEinstellungenLesen(const TQTXStrings& config) {
  EinstellungenLesen(*this, config, Einstellungen());
  for (auto& filiale : FFilialen) {
    filiale.Belegart = config.Value(kBelegart + std::to_string(filiale.Nummer));
  }
}

void TFibuExporter_DVO::EigeneEinstellungenSchreiben(TQTXStrings& config) const {
  EinstellungenSchreiben(*this, config, Einstellungen());
  for (const auto& filiale : FFilialen) {
    config.SetValue(kBelegart + std::to_string(filiale.Nummer), filiale.Belegart);
  }
}

void TFibuExporter_DVO::EigeneEinstellungenAltLesen(const TSimpleMask& maske) {
  EinstellungenAltLesen(*this, maske, Einstellungen());
  for (auto& filiale : FFilialen) {
    filiale.Belegart = maske.ReadGlobalDef(kBelegart + std::to_string(filiale.Nummer), "");
  }
}

bool TFibuExporter_DVO::EigenerConfigSchluessel(const std::string& key) const {
  // The document series of a branch no longer listed goes with the next save.
  return TMandantenExporter::EigenerConfigSchluessel(key) ||
         (key.starts_with(kBelegart) && IstZahl(std::string_view(key).substr(8)));
}

int TFibuExporter_DVO::GetFilialenIndex(int nummer) const {
  for (std::size_t i = 0; i < FFilialen.size(); ++i) {
    if (FFilialen[i].Nummer == nummer) return static_cast<int>(i);
  }
  return -1;
}

void TFibuExporter_DVO::SetBelegart(int filiale, const std::string& belegart) {
  for (auto& eintrag : FFilialen) {
    if (eintrag.Nummer == filiale) eintrag.Belegart = belegart;
  }
}

std::string TFibuExporter_DVO::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return std::string(kSteuerschluessel.at(static_cast<std::size_t>(ASteuer)));
  });
}

bool TFibuExporter_DVO::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    return FSachKtoLng >= 4 && FSachKtoLng <= 6 && FPersKtoLng >= 5 && FPersKtoLng <= 7 &&
           GrundeinstellungenVorhanden();
  });
}

std::unique_ptr<IExportRegeln> TFibuExporter_DVO::Importregeln(TIntPair /*AMandant*/) const {
  return std::make_unique<TDvoRegeln>(FFilialen);
}

void TFibuExporter_DVO::Schreiben(const TRautenVorlage& vorlage) {
  FPuffer.clear();
  vorlage.Fuellen(FPuffer, FWerte);
  Datei().Write(FPuffer);
}

std::string TFibuExporter_DVO::Dateiname(const TMandantenEintrag& mandant,
                                         const TFibuExportFileInfo& AFileInfo) const {
  return Format("BUCHUNG_KWX_%d_%d_%d.txt", mandant.Zahl(CFeldKlient), AFileInfo.AbrJahr,
                AFileInfo.AbrNr);
}

bool TFibuExporter_DVO::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    const TMandantenEintrag& mandant = MandantDesLaufs(AFileInfo.Firma);
    const TDateTime beginn = BeginnGeschaeftsjahr(AFileInfo.DatumVon, mandant.BeginnWJ);
    FDokument = TRautenDokument::Laden(
        VorlagenText(CVorlage, MitgelieferteVorlage(CVorlage)),
        VorlagenText(CFibBuchung, MitgelieferteVorlage(CFibBuchung)),
        VorlagenText(CBuchung, MitgelieferteVorlage(CBuchung)), Platzhalter(), phFibBuchung,
        phBuchungen);
    DateiOeffnen(Dateiname(mandant, AFileInfo));
    FWerte.assign(phAnzahl, std::string());
    FWerte[phKlient] = std::to_string(mandant.Zahl(CFeldKlient));
    FWerte[phGeschaeftsjahr] = std::to_string(YearOf(AFileInfo.DatumVon));
    FWerte[phBeginnGJ] = FormatiereDatum(beginn);
    FWerte[phSachkontoLng] = std::to_string(FSachKtoLng);
    FWerte[phPerskontoLng] = std::to_string(FPersKtoLng);
    FWerte[phWaehrung] = Anfuehrungstext(QTXProgramm().GetWaehrung());
    Schreiben(FDokument.RahmenKopf);
    FMonat = 0;
    FFiliale = 0;
    FSumme = 0;
    return true;
  });
}

void TFibuExporter_DVO::StapelSchliessen() {
  if (FMonat == 0) return;
  FWerte[phSumme] = FormatiereBetrag(FSumme);
  Schreiben(FDokument.BlockFuss);
  FMonat = 0;
}

void TFibuExporter_DVO::Buchung(const TFibuExportBuchInfo& ABuchInfo) {
  // Everything that can refuse the booking comes before anything is written.
  const long long beleg = Belegnummer(ABuchInfo.Beleg1, ABuchInfo.Beleg2);
  const int monat = YearOf(ABuchInfo.BelegDatum) * 100 + MonthOf(ABuchInfo.BelegDatum);
  if (monat != FMonat || ABuchInfo.Filiale != FFiliale) {
    const int index = GetFilialenIndex(ABuchInfo.Filiale);
    if (index < 0) {
      throw std::invalid_argument(Format("Die Filiale %d ist nicht in der Filialtabelle.", ABuchInfo.Filiale));
    }
    StapelSchliessen();
    FMonat = monat;
    FFiliale = ABuchInfo.Filiale;
    FSumme = 0;
    FWerte[phBelegkreis] = Anfuehrungstext(FFilialen[static_cast<std::size_t>(index)].Belegart);
    FWerte[phArt] = kArt;
    FWerte[phEingabedatum] = FormatiereDatum(StartOfMonth(ABuchInfo.BelegDatum));
    FWerte[phPeriode] = std::to_string(MonthOf(ABuchInfo.BelegDatum));
    Schreiben(FDokument.BlockKopf);
  }
  const long double betrag = qtx_Round(ABuchInfo.BetragSoll - ABuchInfo.BetragHaben, 2);
  FSumme += betrag;
  FWerte[phKonto] = FormatiereSachkonto(ABuchInfo.Konto);
  FWerte[phGegenkonto] = FormatiereSachkonto(ABuchInfo.GegenKonto);
  FWerte[phDatum] = FormatiereDatum(ABuchInfo.BelegDatum);
  FWerte[phBeleg] = std::to_string(beleg);
  FWerte[phBetrag] = FormatiereBetrag(betrag);
  FWerte[phSteuercode] = std::to_string(ABuchInfo.StSchlGgKto);
  FWerte[phUStID] = Anfuehrungstext(ABuchInfo.UStID);
  FWerte[phKostenstelle] = Freitext(ABuchInfo.KOST1);
  FWerte[phText] = Anfuehrungstext(ABuchInfo.Text);
  Schreiben(FDokument.Buchung);
}

void TFibuExporter_DVO::DateiAbschluss() {
  StapelSchliessen();
  Schreiben(FDokument.RahmenFuss);
}

}  // namespace dvo

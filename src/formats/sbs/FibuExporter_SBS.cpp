#include "formats/sbs/FibuExporter_SBS.h"

#include <array>

#include "formats/sbs/SbsVorlagen.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace sbs {

namespace {

constexpr std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> kSteuerschluessel{
    "101", "100", "102", "100", "122", "201", "200", "202", "200", "222", "999", ""};

constexpr std::string_view kEinzug = "          ";  // the inner lines of a booking

// The suite's date and time texts for the metafile.
std::string Datum(TDateTime datum) { return DateToStr(datum); }

// A value stays on its line: a line break would end the record's field early.
std::string Zeilenwert(const std::string& text) { return OhneSteuerzeichen(text); }

}  // namespace

TFibuExporter_SBS::TFibuExporter_SBS()
    : TMandantenExporter({{"MANDANT", TMandantenFeld::TArt::Zahl, true, 5, "SBS-Mandant",
                           "Die SBS-Mandantennummer ist nicht gefüllt."}},
                         "SBS") {}

const TEinstellungsTabelle<TFibuExporter_SBS>& TFibuExporter_SBS::Einstellungen() {
  using T = TFibuExporter_SBS;
  static const TEinstellungsTabelle<T> tabelle{
      {"LANGVERSION", &T::FLangVersion, "", "LANGVERSION"},
  };
  return tabelle;
}

void TFibuExporter_SBS::SchalterSetzen() {
  FAutomatikkonten = true;
  FNachDatumSortieren = true;
}

void TFibuExporter_SBS::EigeneEinstellungenLesen(const TQTXStrings& config) {
  EinstellungenLesen(*this, config, Einstellungen());
}

void TFibuExporter_SBS::EigeneEinstellungenSchreiben(TQTXStrings& config) const {
  EinstellungenSchreiben(*this, config, Einstellungen());
}

void TFibuExporter_SBS::EigeneEinstellungenAltLesen(const TSimpleMask& maske) {
  EinstellungenAltLesen(*this, maske, Einstellungen());
}

std::string TFibuExporter_SBS::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return std::string(kSteuerschluessel.at(static_cast<std::size_t>(ASteuer)));
  });
}

bool TFibuExporter_SBS::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    return !TrimView(FLangVersion).empty() && GrundeinstellungenVorhanden();
  });
}

void TFibuExporter_SBS::Schreiben(const TRautenVorlage& vorlage) {
  FPuffer.clear();
  vorlage.Fuellen(FPuffer, FWerte);
  Datei().Write(FPuffer);
}

std::string TFibuExporter_SBS::Dateiname(const TMandantenEintrag& mandant,
                                         const TFibuExportFileInfo& AFileInfo) const {
  return Format("BUCHUNG_QTX_%d_%d_%d.MTA", mandant.Zahl(CFeldMandant), AFileInfo.AbrJahr,
                AFileInfo.AbrNr);
}

bool TFibuExporter_SBS::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    const TMandantenEintrag& mandant = MandantDesLaufs(AFileInfo.Firma);
    FDokument = TRautenDokument::Laden(
        VorlagenText(CVorlage, MitgelieferteVorlage(CVorlage)),
        VorlagenText(CFibBuchung, MitgelieferteVorlage(CFibBuchung)),
        VorlagenText(CBuchung, MitgelieferteVorlage(CBuchung)), Platzhalter(), phFibBuchung,
        phBuchungen);
    DateiOeffnen(Dateiname(mandant, AFileInfo));
    const TDateTime jetzt = Kontext().Jetzt();
    FWerte.assign(phAnzahl, std::string());
    FWerte[phHerkunft] = "QTX";
    FWerte[phVersion] = Zeilenwert(FLangVersion);
    FWerte[phWorkstation] = "0";
    FWerte[phKommentar] = Format("Abr. %d/%d", AFileInfo.AbrNr, AFileInfo.AbrJahr);
    FWerte[phErstellung] = Datum(jetzt) + " " + FormatDateTime("hh:nn:ss", jetzt);
    FWerte[phMandant] = std::to_string(mandant.Zahl(CFeldMandant));
    Schreiben(FDokument.RahmenKopf);
    FMonat = 0;
    return true;
  });
}

void TFibuExporter_SBS::Buchung(const TFibuExportBuchInfo& ABuchInfo) {
  const int monat = YearOf(ABuchInfo.BelegDatum) * 100 + MonthOf(ABuchInfo.BelegDatum);
  if (monat != FMonat) {
    if (FMonat != 0) Schreiben(FDokument.BlockFuss);
    FMonat = monat;
    FWerte[phMonat] = std::to_string(MonthOf(ABuchInfo.BelegDatum));
    FWerte[phBuchdatum] = Datum(StartOfMonth(ABuchInfo.BelegDatum));
    Schreiben(FDokument.BlockKopf);
  }
  const long double diff = ABuchInfo.BetragSoll - ABuchInfo.BetragHaben;
  const bool soll = diff > 0.005L;
  long double betrag = qtx_Round(soll ? diff : -diff, 2);
  if (betrag == 0) betrag = 0;  // no "-0,00"
  FWerte[phHaben] = soll ? "False" : "True";
  FWerte[phBetrag] = FloatToStrF(betrag, 2);
  FWerte[phKontoHaben] = std::to_string(soll ? ABuchInfo.GegenKonto : ABuchInfo.Konto);
  FWerte[phKontoSoll] = std::to_string(soll ? ABuchInfo.Konto : ABuchInfo.GegenKonto);
  FWerte[phBelegdatum] = Datum(ABuchInfo.BelegDatum);
  FWerte[phBeleg1] = Zeilenwert(ABuchInfo.Beleg1);
  FWerte[phBeleg2] = Zeilenwert(ABuchInfo.Beleg2);

  std::string& sonstige = FWerte[phSonstige];
  sonstige.clear();
  const auto zeile = [&](std::string_view text) {
    sonstige.append(text);
    sonstige += "\r\n";
    sonstige.append(kEinzug);
  };
  if (!TrimView(ABuchInfo.Text).empty()) zeile("psText=" + Zeilenwert(ABuchInfo.Text));
  if (!TrimView(ABuchInfo.UStID).empty()) zeile("psUStIdent=" + Zeilenwert(ABuchInfo.UStID));
  if (ABuchInfo.StSchlGgKto > 0) {
    const std::string k = std::to_string(ABuchInfo.StSchlGgKto);
    const std::string seite = soll ? "Haben" : "Soll";
    zeile("pbyStArt_" + seite + "=" + k.substr(0, 1));
    zeile("plStschlNr_" + seite + "=" + k.substr(1, 2));
  }
  Schreiben(FDokument.Buchung);
}

void TFibuExporter_SBS::DateiAbschluss() {
  if (FMonat != 0) Schreiben(FDokument.BlockFuss);
  FMonat = 0;
  Schreiben(FDokument.RahmenFuss);
}

}  // namespace sbs

// The data module's operations on accounts, tax keys, settings and the current
// exporter: each forwards to its TKontenEinstellungen and keeps failures inside.
#include "data/SaldixData.h"
#include "suite/Guarded.h"

int TSaldixDataModule::Get_Konto_Nummer(const std::string& AKontoName,
                                        const std::string& AKontoZusatz, TDateTime ADatum,
                                        const TIntPair& AGepNr, int ARechner,
                                        std::int16_t AFiliale) {
  return Guarded("TSaldixDataModule.Get_Konto_Nummer", [&] {
    return KontenEinstellungen().Get_Konto_Nummer(AKontoName, AKontoZusatz, ADatum, AGepNr,
                                                  ARechner, AFiliale);
  });
}

std::string TSaldixDataModule::Get_Konto_Bezeichnung(const std::string& AKontoName,
                                                     const std::string& AKontoZusatz,
                                                     TDateTime ADatum) {
  return Guarded("TSaldixDataModule.Get_Konto_Bezeichnung", [&] {
    return KontenEinstellungen().Get_Konto_Bezeichnung(AKontoName, AKontoZusatz, ADatum);
  });
}

char TSaldixDataModule::Get_Aufwand_Erloes_Bestand(const std::string& AKontoName,
                                                   const std::string& AKontoZusatz,
                                                   TDateTime ADatum) {
  return GuardedOr("TSaldixDataModule.Get_Aufwand_Erloes_Bestand", ' ', [&] {
    return KontenEinstellungen().Get_Aufwand_Erloes_Bestand(AKontoName, AKontoZusatz, ADatum);
  });
}

bool TSaldixDataModule::Get_Konto_Zu_Nummer(int AKontoNr, const TIntPair& AFirma,
                                            TDateTime ADatum, std::string& AKontoName,
                                            std::string& AKontoZusatz,
                                            std::string& AKontoBezeichnung) {
  return Guarded("TSaldixDataModule.Get_Konto_Zu_Nummer", [&] {
    return KontenEinstellungen().Konten().Get_Konto_Zu_Nummer(AKontoNr, AFirma, ADatum, AKontoName,
                                                              AKontoZusatz, AKontoBezeichnung);
  });
}

int TSaldixDataModule::GetMandKonto_Nummer(const std::string& KontoName,
                                           const std::string& KontoZusatz, TDateTime Datum) {
  return GuardedOr("TSaldixDataModule.GetMandKonto_Nummer", -1, [&] {
    return KontenEinstellungen().Konten().GetMandKonto_Nummer(KontoName, KontoZusatz, Datum);
  });
}

std::string TSaldixDataModule::GetMandKonto_Bezeichnung(const std::string& KontoName,
                                                        const std::string& KontoZusatz) {
  return Guarded("TSaldixDataModule.GetMandKonto_Bezeichnung", [&] {
    return KontenEinstellungen().Konten().GetMandKonto_Bezeichnung(KontoName, KontoZusatz);
  });
}

void TSaldixDataModule::Konten_Zuruecksetzen() {
  Guarded("TSaldixDataModule.Konten_Zuruecksetzen",
          [&] { KontenEinstellungen().Konten_Zuruecksetzen(); });
}

TFibukontenListe TSaldixDataModule::ListeFibukonten_fuellen() {
  return Guarded("TSaldixDataModule.ListeFibukonten_fuellen",
                 [&] { return KontenEinstellungen().Konten().ListeFibukonten_fuellen(); });
}

double TSaldixDataModule::GetProzentSatzAusKonto(const std::string& KontoName) {
  return Guarded("TSaldixDataModule.GetProzentSatzAusKonto",
                 [&] { return KontenEinstellungen().Steuer().GetProzentSatzAusKonto(KontoName); });
}

bool TSaldixDataModule::IstNormOderReduSteuer(const std::string& AKonto) {
  return Guarded("TSaldixDataModule.IstNormOderReduSteuer",
                 [&] { return KontenEinstellungen().Steuer().IstNormOderReduSteuer(AKonto); });
}

bool TSaldixDataModule::KontoIstSteuerEG(const std::string& AKonto) {
  return Guarded("TSaldixDataModule.KontoIstSteuerEG",
                 [&] { return KontenEinstellungen().Steuer().KontoIstSteuerEG(AKonto); });
}

std::string TSaldixDataModule::AKPrefixZuKonto(const std::string& AKonto, TDateTime ADatum) {
  return Guarded("TSaldixDataModule.AKPrefixZuKonto",
                 [&] { return KontenEinstellungen().Steuer().AKPrefixZuKonto(AKonto, ADatum); });
}

std::string TSaldixDataModule::SteuerSchlNachKonto(const std::string& ASteuerSchl,
                                                   double& AProzent) {
  AProzent = 0;
  return Guarded("TSaldixDataModule.SteuerSchlNachKonto", [&] {
    return KontenEinstellungen().Steuer().SteuerSchlNachKonto(ASteuerSchl, AProzent);
  });
}

std::vector<std::string> TSaldixDataModule::Steuerschl_Liste() {
  return Guarded("TSaldixDataModule.Steuerschl_Liste",
                 [&] { return KontenEinstellungen().Steuerschl_Liste(); });
}

void TSaldixDataModule::KontenIni_einlesen() {
  Guarded("TSaldixDataModule.KontenIni_einlesen", [&] { KontenEinstellungen().KontenIni_einlesen(); });
}

bool TSaldixDataModule::Konto_Gefunden(const std::string& AAltesKonto,
                                       const std::string& AAlterStSchl, int AFiliale,
                                       int ARechner, TDateTime ADatum, bool ASoll,
                                       std::string& ANeueKontoNr, std::string& ANeuerStSchl) {
  ANeueKontoNr.clear();
  ANeuerStSchl.clear();
  return Guarded("TSaldixDataModule.Konto_Gefunden", [&] {
    return KontenEinstellungen().Konto_Gefunden(AAltesKonto, AAlterStSchl, AFiliale, ARechner,
                                                ADatum, ASoll, ANeueKontoNr, ANeuerStSchl);
  });
}

std::string TSaldixDataModule::HoleExportKuerzel(const std::string& AKonto, bool ASoll) {
  return Guarded("TSaldixDataModule.HoleExportKuerzel",
                 [&] { return KontenEinstellungen().HoleExportKuerzel(AKonto, ASoll); });
}

void TSaldixDataModule::Allgemeine_Einstellungen_Restore() {
  Guarded("TSaldixDataModule.Allgemeine_Einstellungen_Restore",
          [&] { KontenEinstellungen().Allgemeine_Einstellungen_Restore(); });
}

void TSaldixDataModule::Allgemeine_Einstellungen_Buchen() {
  Guarded("TSaldixDataModule.Allgemeine_Einstellungen_Buchen",
          [&] { KontenEinstellungen().Allgemeine_Einstellungen_Buchen(); });
}

void TSaldixDataModule::Einstellungen_Nach_Herkunft_Restore(const std::string& AHerkunft,
                                                            const std::string& AProfil,
                                                            bool ADefaultLaden) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Restore", [&] {
    KontenEinstellungen().Einstellungen_Nach_Herkunft_Restore(AHerkunft, AProfil, ADefaultLaden);
  });
}

void TSaldixDataModule::Einstellungen_Nach_Herkunft_Buchen(const std::string& AHerkunft,
                                                           const std::string& AProfil) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Buchen", [&] {
    KontenEinstellungen().Einstellungen_Nach_Herkunft_Buchen(AHerkunft, AProfil);
  });
}

void TSaldixDataModule::Einstellungen_Nach_Herkunft_Loeschen(const std::string& AHerkunft,
                                                             const std::string& AProfil) {
  Guarded("TSaldixDataModule.Einstellungen_Nach_Herkunft_Loeschen", [&] {
    KontenEinstellungen().Einstellungen_Nach_Herkunft_Loeschen(AHerkunft, AProfil);
  });
}

bool TSaldixDataModule::BGVInHerkunft(std::string_view ABGV, std::string_view AHerkunft) {
  return ::BGVInHerkunft(ABGV, AHerkunft);
}

void TSaldixDataModule::ExporterInit() {
  Guarded("TSaldixDataModule.ExporterInit", [&] { KontenEinstellungen().ExporterInit(); });
}

void TSaldixDataModule::SetAktExporterKennung(const std::string& Kennung) {
  Guarded("TSaldixDataModule.SetAktExporterKennung",
          [&] { KontenEinstellungen().SetAktExporterKennung(Kennung); });
}

std::string TSaldixDataModule::AktExporterKennung() {
  return Guarded("TSaldixDataModule.AktExporterKennung",
                 [&] { return KontenEinstellungen().AktExporterKennung(); });
}

std::string TSaldixDataModule::AktExporterName() {
  return Guarded("TSaldixDataModule.AktExporterName",
                 [&] { return KontenEinstellungen().AktExporterName(); });
}

TFibuExporter* TSaldixDataModule::AktExporter() {
  return Guarded("TSaldixDataModule.AktExporter", [&] { return KontenEinstellungen().AktExporter(); });
}

bool TSaldixDataModule::AktExporterAuto() {
  return Guarded("TSaldixDataModule.AktExporterAuto",
                 [&] { return KontenEinstellungen().AktExporterAuto(); });
}

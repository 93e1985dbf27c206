// The accounts, tax keys, settings, current client and current exporter of the data
// module, wired together: the data module holds one and forwards to it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/Einstellungen.h"
#include "data/EinstellungenExporter.h"
#include "data/EinstellungenHerkunft.h"
#include "data/KontenDaten.h"
#include "data/KontenIni.h"
#include "data/KontenPartner.h"
#include "data/SteuerKonten.h"
#include "suite/servers/TAlleingServer.h"
#include "suite/servers/TGlobKonten.h"
#include "suite/servers/TKontoServer.h"
#include "suite/servers/TMandantServer.h"
#include "suite/servers/Tgnumfile.h"
#include "suite/servers/Tmerfile.h"

class TKontenEinstellungen final : public IAktiverExporter {
 public:
  explicit TKontenEinstellungen(TExporterKatalogSuche katalog = ExporterKatalogGlobal);

  // --- parameters of the data module's creation ---
  void SetKontoErloeseInland(std::string name) { konten_.SetKontoErloeseInland(std::move(name)); }
  void SetParamBonuAufw(bool wert) { konten_.SetParamBonuAufw(wert); }
  // The partner-list server's customer number (GEPGet_Kundennummer).
  void SetKundennummerQuelle(TPartnerKonten::TKundennummerQuelle quelle) {
    partner_.SetKundennummerQuelle(std::move(quelle));
  }

  // --- current client ---
  void SetAktMandant(const TIntPair& AFirma);
  void SetAktMandKurzNr();
  TIntPair AktMandant() const override { return aktMandant_; }
  int AktMandantKurzNr() const { return aktMandantKurzNr_; }
  int AktMandantBilanzJahr() const { return aktMandantBilanzJahr_; }

  // --- settings ---
  TEinstellungen& Einstellungen() { return einst_.Einstellungen; }
  TSaldixEinstellungen& EinstellungenSpeicher() { return einst_; }
  void Allgemeine_Einstellungen_Restore() { einst_.Allgemeine_Einstellungen_Restore(); }
  void Allgemeine_Einstellungen_Buchen() { einst_.Allgemeine_Einstellungen_Buchen(); }
  void Einstellungen_Nach_Herkunft_Restore(const std::string& AHerkunft, const std::string& AProfil,
                                           bool ADefaultLaden) {
    einst_.Einstellungen_Nach_Herkunft_Restore(AHerkunft, AProfil, ADefaultLaden);
  }
  void Einstellungen_Nach_Herkunft_Buchen(const std::string& AHerkunft, const std::string& AProfil) {
    einst_.Einstellungen_Nach_Herkunft_Buchen(AHerkunft, AProfil);
  }
  void Einstellungen_Nach_Herkunft_Loeschen(const std::string& AHerkunft, const std::string& AProfil) {
    einst_.Einstellungen_Nach_Herkunft_Loeschen(AHerkunft, AProfil);
  }
  static bool BGVInHerkunft(std::string_view ABGV, std::string_view AHerkunft) {
    return ::BGVInHerkunft(ABGV, AHerkunft);
  }

  // --- current exporter ---
  void ExporterInit() { exporter_.ExporterInit(); }
  void SetAktExporterKennung(const std::string& Kennung) override {
    exporter_.SetAktExporterKennung(Kennung);
  }
  std::string AktExporterKennung() const override { return exporter_.AktExporterKennung(); }
  const std::string& AktExporterName() const { return exporter_.AktExporterName(); }
  const TFibuExporterclass& AktExporterKlasse() const { return exporter_.AktExporterKlasse(); }
  TFibuExporter* AktExporter() override { return exporter_.AktExporter(); }
  TFibuExporter* AktExporter() const { return exporter_.AktExporter(); }
  const TFibuExpRegInfo* AktExporterRegInfo() const override { return exporter_.AktExporterRegInfo(); }
  bool AktExporterAuto() const { return exporter_.AktExporterAuto(); }

  // --- accounts ---
  TKontenDaten& Konten() { return konten_; }
  int Get_Konto_Nummer(const std::string& AKontoName, const std::string& AKontoZusatz,
                       TDateTime ADatum, const TIntPair& AGepNr, int ARechner,
                       std::int16_t AFiliale) {
    return konten_.Get_Konto_Nummer(AKontoName, AKontoZusatz, ADatum, AGepNr, ARechner, AFiliale);
  }
  std::string Get_Konto_Bezeichnung(const std::string& AKontoName, const std::string& AKontoZusatz,
                                    TDateTime ADatum) {
    return konten_.Get_Konto_Bezeichnung(AKontoName, AKontoZusatz, ADatum);
  }
  char Get_Aufwand_Erloes_Bestand(const std::string& AKontoName, const std::string& AKontoZusatz,
                                  TDateTime ADatum) {
    return konten_.Get_Aufwand_Erloes_Bestand(AKontoName, AKontoZusatz, ADatum);
  }
  void Konten_Zuruecksetzen() { konten_.Konten_Zuruecksetzen(); }

  // --- tax keys and special accounts ---
  TSteuerKonten& Steuer() { return steuer_; }
  const std::vector<std::string>& Steuerschl_Liste() { return steuer_.Steuerschl_Liste(); }
  TKontenSpezTabelle& SpezKonten() { return spez_; }
  void KontenIni_einlesen();
  bool Konto_Gefunden(const std::string& AAltesKonto, const std::string& AAlterStSchl, int AFiliale,
                      int ARechner, TDateTime ADatum, bool ASoll, std::string& ANeueKontoNr,
                      std::string& ANeuerStSchl) const {
    return spez_.Konto_Gefunden(AAltesKonto, AAlterStSchl, AFiliale, ARechner, ADatum, ASoll,
                                ANeueKontoNr, ANeuerStSchl);
  }
  std::string HoleExportKuerzel(const std::string& AKonto, bool ASoll) const {
    return spez_.HoleExportKuerzel(AKonto, ASoll);
  }

 private:
  std::string Steuerschluessel(int slot) const;

  TMandantServer mandantServer_;
  TAlleingServer allgemeinServer_;
  TKontoServer kontoServer_;
  TGlobKonten globKonten_;
  Tgnumfile gnumfile_;
  Tmerfile merfile_;

  TIntPair aktMandant_;
  bool mandantGesetzt_ = false;
  int aktMandantKurzNr_ = 0;
  int aktMandantBilanzJahr_ = 0;

  TSaldixEinstellungen einst_;
  TPartnerKonten partner_;
  TKontenDaten konten_;
  TKontenSpezTabelle spez_;
  TSteuerKonten steuer_;
  TAktExporterWahl exporter_;
};

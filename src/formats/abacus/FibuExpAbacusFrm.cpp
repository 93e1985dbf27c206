#include "formats/abacus/FibuExpAbacusFrm.h"

#include <optional>
#include <stdexcept>

#include "formats/abacus/AbacusDemoProfil.h"
#include "suite/Text.h"
#include "suite/Format.h"
#include "suite/Utf8.h"
#include "suite/transfer/INETDialog.h"

namespace abacus {
namespace {


bool Setzen(std::string& ziel, const std::string& text, std::size_t maxStellen) {
  if (!Ziffern(text, maxStellen)) return false;
  ziel = text;
  return true;
}

int Zahl(const std::string& text) { return Ziffern(text, 9).value_or(0); }

}  // namespace

const std::array<TfrmFibuExpAbacus::TSteuerZeile, 10>& TfrmFibuExpAbacus::SteuerZeilen() {
  static const std::array<TSteuerZeile, 10> zeilen{{
      {CQTX_FibuExport_Ust_Reduz, "reduzierte Umsatzsteuer"},
      {CQTX_FibuExport_Ust_Speziell, "spezielle Umsatzsteuer"},
      {CQTX_FibuExport_Ust_Normal, "normale Umsatzsteuer"},
      {CQTX_FibuExport_Ust_Normal_Alt, "ehemalige normale Umsatzsteuer"},
      {CQTX_FibuExport_Ust_EG, "Umsatzsteuer in EG-Land"},
      {CQTX_FibuExport_Vst_Reduz, "reduzierte Vorsteuer"},
      {CQTX_FibuExport_Vst_Speziell, "spezielle Vorsteuer"},
      {CQTX_FibuExport_Vst_Normal, "normale Vorsteuer"},
      {CQTX_FibuExport_Vst_Normal_Alt, "ehemalige normale Vorsteuer"},
      {CQTX_FibuExport_Vst_Ohne, "ohne Vorsteuer"},
  }};
  return zeilen;
}

TFibuExporter_Abacus& TfrmFibuExpAbacus::AbacusExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_Abacus*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen Abacus-Export.");
  return *exporter;
}

void TfrmFibuExpAbacus::GetExportFormatName(std::string& name) { name = TFibuExporter_Abacus::CName; }

void TfrmFibuExpAbacus::SetMandantAktiv(std::size_t zeile, bool aktiv) {
  if (zeile < FMandantZeilen.size()) FMandantZeilen[zeile].Aktiv = aktiv;
}

bool TfrmFibuExpAbacus::SetAbacusMandant(std::size_t zeile, const std::string& text) {
  const auto wert = Ziffern(text, 6);
  if (zeile >= FMandantZeilen.size() || !wert) return false;
  FMandantZeilen[zeile].AbacusMandant = *wert;
  return true;
}

bool TfrmFibuExpAbacus::SetKostVon(const std::string& text) { return Setzen(FKostVon, text, 9); }
bool TfrmFibuExpAbacus::SetKostBis(const std::string& text) { return Setzen(FKostBis, text, 9); }
bool TfrmFibuExpAbacus::SetKundenNrVon(const std::string& text) { return Setzen(FKundenNrVon, text, 9); }
bool TfrmFibuExpAbacus::SetKundenNrBis(const std::string& text) { return Setzen(FKundenNrBis, text, 9); }

const std::string& TfrmFibuExpAbacus::Steuercode(TQTX_FibuExport_Steuer steuer) const {
  return FSteuercodes.at(static_cast<std::size_t>(steuer));
}

void TfrmFibuExpAbacus::SetSteuercode(TQTX_FibuExport_Steuer steuer, const std::string& code) {
  FSteuercodes.at(static_cast<std::size_t>(steuer)) = Utf8Left(code, 4);
}

bool TfrmFibuExpAbacus::VerzeichnisAktiv(bool debi) const {
  const TAbacusAusgabe& a = debi ? AusgabeDebi : Ausgabe;
  return (!debi || MitDebitoren) && a.Medium == femDisc;
}

bool TfrmFibuExpAbacus::VerbindungAktiv(bool debi) const {
  const TAbacusAusgabe& a = debi ? AusgabeDebi : Ausgabe;
  return (!debi || MitDebitoren) && a.Medium == femFTP;
}

void TfrmFibuExpAbacus::btnVerzeichnisClick(bool debi) {
  Guard("btnVerzeichnisClick", [&] {
    TAbacusAusgabe& a = debi ? AusgabeDebi : Ausgabe;
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Verzeichnis wählen", a.Verzeichnis)) a.Verzeichnis = *pfad;
  });
}

void TfrmFibuExpAbacus::btnVerbindungClick(bool debi) {
  Guard("btnVerbindungClick", [&] {
    TAbacusAusgabe& a = debi ? AusgabeDebi : Ausgabe;
    std::string name = a.Verbindung;
    if (InetVerbindungWaehlen(name)) a.Verbindung = name;
  });
}

void TfrmFibuExpAbacus::Spezial_DatenZuMaske() {
  const TFibuExporter_Abacus& e = AbacusExporter();
  FMandantZeilen.clear();
  for (const auto& m : e.Mandanten()) {
    FMandantZeilen.push_back({m.Aktiv, m.KurzNr, m.Name, m.GepNr, m.Mandant});
  }
  FKostVon = std::to_string(e.KostKtoMin());
  FKostBis = std::to_string(e.KostKtoMax());
  Sammelbuchung = e.Sammelbuchung();
  MandantExport = e.MandantExport();
  Vereinnahmt = e.AbrechArtVereinnahmt();
  MitBelegnummer = e.MitBelegnummer();
  Ausgabe = {e.ExportMedium(), e.VerzExport(), e.VerzExportFTP()};
  AusgabeDebi = {e.ExportMediumDebi(), e.VerzExportDebi(), e.VerzExportFTPDebi()};
  Automatikkonten = e.Automatikkonten();
  for (const auto& zeile : SteuerZeilen()) {
    FSteuercodes[zeile.Steuer] = AbacusExporter().Get_Steuerschluessel(zeile.Steuer);
  }
  MitDebitoren = e.MitDebitoren();
  FKundenNrVon = std::to_string(e.KundenNrMin());
  FKundenNrBis = std::to_string(e.KundenNrMax());
}

void TfrmFibuExpAbacus::Spezial_DatenVonMaske() {
  TFibuExporter_Abacus& e = AbacusExporter();
  for (const auto& zeile : FMandantZeilen) {
    e.SetMandantenDaten(zeile.GepNr, zeile.AbacusMandant, zeile.Aktiv);
  }
  e.SetKostKto(Zahl(FKostVon), Zahl(FKostBis));
  e.SetSammelbuchung(Sammelbuchung);
  e.SetMandantExport(MandantExport);
  e.SetAbrechArtVereinnahmt(Vereinnahmt);
  e.SetMitBelegnummer(MitBelegnummer);
  e.SetExportMedium(Ausgabe.Medium);
  e.SetVerzExport(Ausgabe.Verzeichnis);
  e.SetVerzExportFTP(Ausgabe.Verbindung);
  e.SetExportMediumDebi(AusgabeDebi.Medium);
  e.SetVerzExportDebi(AusgabeDebi.Verzeichnis);
  e.SetVerzExportFTPDebi(AusgabeDebi.Verbindung);
  e.SetAutomatikkonten(Automatikkonten);
  for (const auto& zeile : SteuerZeilen()) e.SetSteuerschluessel(zeile.Steuer, FSteuercodes[zeile.Steuer]);
  e.SetMitDebitoren(MitDebitoren);
  e.SetKundenNr(Zahl(FKundenNrVon), Zahl(FKundenNrBis));
}

bool TfrmFibuExpAbacus::AusgabePruefen(const TAbacusAusgabe& ausgabe, const char* seite) {
  if (ausgabe.Medium == femDisc && ausgabe.Verzeichnis.empty()) {
    Eingabefehler(seite, "Bitte geben Sie die den Export-Pfad an.");
    return false;
  }
  if (ausgabe.Medium == femFTP && ausgabe.Verbindung.empty()) {
    Eingabefehler(seite, "Bitte geben Sie die den FTP-Export-Pfad an.");
    return false;
  }
  return true;
}

bool TfrmFibuExpAbacus::Spezial_TesteMaskenDaten() {
  if (!AusgabePruefen(Ausgabe, CSeiteParameter)) return false;
  if (MitDebitoren) {
    if (!AusgabePruefen(AusgabeDebi, CSeiteDebitoren)) return false;
    if (Zahl(FKundenNrBis) == 0) {
      Eingabefehler(CSeiteDebitoren, "Bitte geben Sie den Bereich für die Abacus-Kundennummer ein.");
      return false;
    }
    if (Zahl(FKundenNrVon) >= Zahl(FKundenNrBis)) {
      Eingabefehler(CSeiteDebitoren,
                    "Bitte geben Sie einen gültigen Bereich für die Abacus-Kundennummer ein.");
      return false;
    }
  }
  bool einer = false;
  for (const auto& zeile : FMandantZeilen) {
    if (!zeile.Aktiv) continue;
    if (zeile.AbacusMandant == 0) {
      Eingabefehler(CSeiteParameter, "Die Mandantennummer ist nicht gefüllt.");
      return false;
    }
    einer = true;
  }
  if (!einer) {
    Eingabefehler(CSeiteParameter, "Es muss mindestens ein Mandant ausgewählt sein.");
    return false;
  }
  if (Automatikkonten) {
    for (const auto steuer : {CQTX_FibuExport_Ust_Normal, CQTX_FibuExport_Ust_Reduz,
                              CQTX_FibuExport_Vst_Normal, CQTX_FibuExport_Vst_Reduz}) {
      if (Steuercode(steuer).empty()) {
        Eingabefehler(CSeiteParameter,
                      "Bitte füllen Sie alle Steuerschlüssel für normale und reduzierte Steuern.");
        return false;
      }
    }
  }
  return true;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_Abacus::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpAbacus>();
}

TFibuExpRegInfo RegInfo_Abacus() {
  TFibuExpRegInfo row{ExporterClassOf<TFibuExporter_Abacus>(), TFibuExporter_Abacus::CName,
                      TFibuExporter_Abacus::CKennung, EditClassOf<TFibuExpEdit_Abacus>()};
  row.DemoProfil = AbacusDemoProfil;
  return row;
}

}  // namespace abacus

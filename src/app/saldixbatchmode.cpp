#include "app/saldixbatchmode.h"

#include <cmath>
#include <stdexcept>

#include "app/SaldixBearb.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/Text.h"

void BatchLog(const std::string& text) {
  const TDateTime now = qtx_Now();
  MenuLog_Append("Saldix Export", text, now, now);
}

TKWX_Saldix_BatchMode::TKWX_Saldix_BatchMode(IBatchDaten& daten) : daten_(daten) { Clear(); }

void TKWX_Saldix_BatchMode::Clear() {
  parameter_ = {};
  pruefung_ = {};
  FExporterAlt.clear();
}

bool TKWX_Saldix_BatchMode::ParseCmdLine(const std::vector<std::string>& arguments,
                                         TDateTime heute) {
  return Guard("ParseCmdLine", [&] {
    Clear();
    parameter_ = ReadBatchParameter(arguments);
    TBatchPruefKontext kontext;
    kontext.mandantenAnzahl = daten_.MandantenAnzahl();
    kontext.exporterBekannt = [this](const std::string& k) { return daten_.ExporterBekannt(k); };
    kontext.herkunftBekannt = [](const std::string& code) {
      for (const auto& herkunft : AngeboteneHerkuenfte()) {
        if (qtx_strmatch(herkunft.Code, code)) return true;
      }
      return false;
    };
    kontext.aktExporterName = daten_.AktExporterName();
    kontext.heute = heute;
    pruefung_ = PruefeBatchParameter(parameter_, kontext);
    if (!pruefung_.logZeile.empty()) BatchLog(pruefung_.logZeile);
    return pruefung_.ok;
  });
}

void TKWX_Saldix_BatchMode::SetExportFormat() {
  Guard("SetExportFormat", [&] {
    FExporterAlt.clear();
    if (parameter_.Exporter.empty()) return;
    FExporterAlt = daten_.AktExporterKennung();
    daten_.SetAktExporterKennung(parameter_.Exporter);
  });
}

void TKWX_Saldix_BatchMode::SetMandant() {
  Guard("SetMandant", [&] {
    TIntPair mandant;
    std::string name;
    if (!daten_.MandantZuKurzNr(pruefung_.mandKurzNr, mandant, name)) {
      throw std::runtime_error("Mandant " + std::to_string(pruefung_.mandKurzNr) +
                               " ist nicht bekannt");
    }
    daten_.SetAktMandant(mandant, pruefung_.mandKurzNr, name);
  });
}

bool TKWX_Saldix_BatchMode::SetEinstellungen(IBatchBuchungsliste& liste) {
  FParameterFalsch = false;
  return GuardIn("TKWX_Saldix_BatchMode", "SetDatum", [&] {
    daten_.KontenIni_einlesen();
    const TIntPair mandant = daten_.AktMandant();
    IAbrechnungsDienst& abrechnungen = daten_.Abrechnungen();
    const TDateTime von = pruefung_.von;
    const TDateTime bis = pruefung_.bis;
    const int jahrVon = abrechnungen.GetAbrJahr(mandant, von);
    const int jahrBis = abrechnungen.GetAbrJahr(mandant, bis);

    if (jahrVon == jahrBis) {
      liste.SetDatumVon(von);
      liste.SetDatumBis(bis);
      liste.SetAbrJahr(jahrBis);
      liste.SetAbrNr(abrechnungen.GetNextAbrNr(mandant, jahrBis));
      liste.SetOffeneAbrechnung(true);
    } else {
      const double tage = std::floor(bis) - std::floor(von);
      const int tageBisJahr = IsLeapYear(YearOf(bis)) ? 366 : 365;
      const int tageVonJahr = IsLeapYear(YearOf(von)) ? 366 : 365;
      if (tage > tageBisJahr && tage > tageVonJahr) {
        BatchLog("Abbruch: Angegebener Zeitraum ist zu groß");
        return false;
      }
      if (!FZweiterDurchlauf) {
        BatchLog("Achtung: Der ausgewählte Zeitraum liegt nicht mehr innerhalb des "
                 "Wirtschaftsjahres!");
        BatchLog("Es wird versucht für beide Jahre einen Export zu startet");
        liste.SetDatumBis(bis);
        liste.SetAbrJahr(jahrBis);
        liste.SetDatumVon(abrechnungen.GetAnfangAbrJahr(mandant, jahrBis));
        liste.SetAbrNr(abrechnungen.GetNextAbrNr(mandant, jahrBis));
        liste.SetOffeneAbrechnung(true);
        FZweiterDurchlauf = true;
      } else {
        const int jahr = liste.AbrJahr() - 1;
        liste.SetDatumVon(von);
        liste.SetAbrJahr(jahr);
        liste.SetDatumBis(abrechnungen.GetEndeAbrJahr(mandant, jahr));
        liste.SetAbrNr(abrechnungen.GetNextAbrNr(mandant, jahr));
        liste.SetOffeneAbrechnung(true);
        FZweiterDurchlauf = false;
      }
    }
    liste.SetHerkunft(parameter_.Herkunft);

    if (!parameter_.Profil.empty()) {
      // Exporting with other settings than the ones asked for would send the bookings
      // where nobody expects them.
      if (daten_.ExporterProfilAnzahl() == 0) {
        BatchLog("Abbruch: Das Exportformat hat keine Profile; das Profil \"" +
                 parameter_.Profil + "\" gibt es nicht");
        FParameterFalsch = true;
        return false;
      }
      if (!daten_.ExporterLadeConfig(parameter_.Profil)) {
        FParameterFalsch = true;  // the profile's own line already says "Abbruch"
        return false;
      }
    }
    if (!daten_.ExporterProfilGeeignet(mandant)) {
      BatchLog("Abbruch: Das gewählte Export-Profil ist für die eingestellte Firma nicht "
               "geeignet");
      return false;
    }
    // The same questions the desktop program asks before it offers an export.
    if (!daten_.ExportErlaubt()) {
      BatchLog("Abbruch: Dieser Rechner ist nicht der Exportrechner des Mandanten; es wurde "
               "nichts exportiert");
      return false;
    }
    if (!daten_.ExporterEinstellungenVorhanden()) {
      BatchLog("Abbruch: Die Einstellungen des Exportformats sind unvollständig. Bitte "
               "überprüfen Sie die Grundeinstellungen.");
      return false;
    }
    return true;
  });
}

bool TKWX_Saldix_BatchMode::Liste_Laden_Und_Exportieren(IBatchBuchungsliste& liste) {
  return Guard("Liste_Laden_Und_Exportieren",
               [&] { return liste.Batchmode_Liste_Laden_Und_Exportieren(); });
}

void TKWX_Saldix_BatchMode::SetExportFormatAlt() {
  Guard("SetExportFormatAlt", [&] {
    if (!FExporterAlt.empty()) daten_.SetAktExporterKennung(FExporterAlt);
    FExporterAlt.clear();
  });
}

int SaldixBatchLauf(const std::vector<std::string>& arguments, IBatchDaten& daten,
                    IBatchBuchungsliste& liste) {
  TKWX_Saldix_BatchMode batch(daten);
  bool allesExportiert = true;
  int exportiert = 0, nichtsGefunden = 0;
  bool nichtVersandt = false;
  for (int durchlauf = 1; durchlauf <= 2; ++durchlauf) {
    BatchLog("Automatischer Fibu-Export wurde gestartet");
    if (!batch.ParseCmdLine(arguments, qtx_Now())) {
      BatchLog("Mindestens ein Parameter fehlt oder ist falsch");
      return 2;
    }
    batch.SetExportFormat();
    batch.SetMandant();
    if (!batch.SetEinstellungen(liste)) {
      // The format chosen for the run never stays the installation's active one.
      batch.SetExportFormatAlt();
      return batch.ParameterFalsch() ? 2 : 1;
    }
    liste.SetVersand(batch.Parameter().Versand);
    if (batch.Liste_Laden_Und_Exportieren(liste)) {
      ++exportiert;
      nichtVersandt = nichtVersandt || liste.VersandFehlgeschlagen();
    } else if (liste.NichtsGefunden()) {
      ++nichtsGefunden;  // decided below, with the other pass
    } else {
      allesExportiert = false;
    }
    BatchLog("Automatischer Fibu-Export beendet");
    batch.SetExportFormatAlt();
    if (!(batch.ZweiterDurchlauf() && durchlauf == 1)) break;
  }
  // A period across the settlement year whose one part holds nothing is still exported.
  if (allesExportiert && exportiert > 0 && nichtsGefunden > 0) {
    BatchLog("Ein Abrechnungsjahr des Zeitraums enthielt keine Sätze; der übrige Zeitraum "
             "wurde exportiert");
  }
  // Nothing to export is no failure: a scheduler can tell it from one by the exit code.
  if (allesExportiert && exportiert == 0 && nichtsGefunden > 0) return kBatchNichtsGefunden;
  if (!(allesExportiert && exportiert > 0)) return 1;
  return nichtVersandt ? kBatchNichtVersandt : 0;
}

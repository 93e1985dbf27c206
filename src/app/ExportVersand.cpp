#include "app/ExportVersand.h"

#include "app/ExportMeldung.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"

TBroadcastDokument VersandDokument(const TAbrechnung& abrechnung,
                                   const std::string& dateiName, const std::string& dateiName2,
                                   const std::vector<std::string>& dateiListe, TDateTime heute) {
  const std::string nummer =
      std::to_string(abrechnung.AbrNr) + "/" + std::to_string(abrechnung.AbrJahr);

  TBroadcastDokument dokument;
  dokument.HauptName = "SALDIX";
  dokument.UnterName = "Versand";
  dokument.DokumentNr = abrechnung.Firma;
  dokument.DokumentText = nummer;
  dokument.DokumentTyp = 2;
  dokument.Platzhalter = {
      {"#ABRNUMMER#", "Nummer des Exports", nummer},
      {"#ABRDATUM#", "Erstelldatum des Exports", DateToStr(heute)},
      {"#VONDATUM#", "Von-Datum des Exports", DateToStr(abrechnung.DatumVon)},
      {"#BISDATUM#", "Bis-Datum des Exports", DateToStr(abrechnung.DatumBis)},
  };
  // The names travel as a list: joined at commas and split again, a directory with a comma
  // in its name would become two attachments that do not exist.
  if (dateiListe.size() >= 2) {
    for (const auto& name : dateiListe) {
      if (!name.empty()) dokument.Anhaenge.push_back(name);
    }
  } else if (!dateiName.empty()) {
    dokument.Anhaenge.push_back(dateiName);
  }
  if (!dateiName2.empty()) dokument.Anhaenge.push_back(dateiName2);
  return dokument;
}

bool AlsMailVersenden(const TAbrechnung& abrechnung, const std::string& dateiName,
                      const std::string& dateiName2, const std::vector<std::string>& dateiListe,
                      IDocBroadcast& broadcast, bool batchmode) {
  return Guarded("TSaldixBearbeiten.AlsMailVersenden", [&] {
    const TExportMeldung meldung(batchmode);
    const auto dokument =
        VersandDokument(abrechnung, dateiName, dateiName2, dateiListe, qtx_Date());
    TBroadcastRueckrufe rueckrufe;
    rueckrufe.MailDaten = [](const TBroadcastDokument& d, TBroadcastMailDaten& daten) {
      daten.DokumentTyp = d.DokumentTyp;
      daten.Anhaenge = d.Anhaenge;
    };
    rueckrufe.Senden = [](TSendDoc& sender, const TMailNachricht& nachricht) {
      return sender.Senden(nachricht);
    };
    const TMailErgebnis ergebnis = broadcast.Versenden(dokument, rueckrufe);
    if (!ergebnis.Gesendet()) {
      // The export stands: its bookings are settled and its files are where they belong.
      meldung.Melden(
          "Achtung: Die Exportdatei wurde erstellt, aber nicht per Mail versandt. " + ergebnis.Text,
          ergebnis.Text + "\rDie Exportdatei wurde erstellt, aber nicht versandt.");
      return false;
    }
    meldung.Hinweis(ergebnis.Text);
    return true;
  });
}

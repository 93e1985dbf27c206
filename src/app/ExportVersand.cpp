#include "app/ExportVersand.h"

#include "app/ExportMeldung.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"

namespace {

std::vector<std::string> AmKommaTeilen(const std::string& text) {
  std::vector<std::string> teile;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto komma = text.find(',', start);
    const std::string teil =
        text.substr(start, komma == std::string::npos ? std::string::npos : komma - start);
    if (!teil.empty()) teile.push_back(teil);
    if (komma == std::string::npos) break;
    start = komma + 1;
  }
  return teile;
}

}  // namespace

TBroadcastDokument VersandDokument(const TVersandAbrechnung& abrechnung,
                                   const std::string& dateiName, const std::string& dateiName2,
                                   const std::vector<std::string>& dateiListe, TDateTime heute) {
  std::string anhang1 = dateiName;
  if (dateiListe.size() >= 2) {
    anhang1.clear();
    for (const auto& name : dateiListe) anhang1 += (anhang1.empty() ? "" : ",") + name;
  }
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
  dokument.Anhaenge = AmKommaTeilen(anhang1);
  if (!dateiName2.empty()) dokument.Anhaenge.push_back(dateiName2);
  return dokument;
}

bool AlsMailVersenden(const TVersandAbrechnung& abrechnung, const std::string& dateiName,
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

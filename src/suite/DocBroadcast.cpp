#include "suite/DocBroadcast.h"

#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/transfer/MailEinstellungen.h"

namespace {

std::shared_ptr<IDocBroadcast>& Current() {
  static std::shared_ptr<IDocBroadcast> broadcast = std::make_shared<TDocBroadcast>();
  return broadcast;
}

}  // namespace

TMailErgebnis TDocBroadcast::Versenden(const TBroadcastDokument& dokument,
                                       const TBroadcastRueckrufe& rueckrufe) {
  const TMailErgebnis gescheitert{TMailStatus::Serverfehler,
                                  "Der Mailversand ist fehlgeschlagen (siehe Meldungsprotokoll)."};
  return GuardedOr("TDocBroadcast.Versenden", gescheitert, [&]() -> TMailErgebnis {
    const auto einstellungen = TMailEinstellungenSpeicher::Lesen(dokument.DokumentNr);
    if (!einstellungen) {
      return {TMailStatus::NichtEingerichtet,
              "Der Mailversand ist nicht eingerichtet (für diesen Mandanten fehlen die "
              "Mail-Einstellungen: saldix-suite mail set)."};
    }
    TBroadcastMailDaten daten;
    daten.Text = PlatzhalterErsetzen(einstellungen->WirksamerText(), dokument.Platzhalter);
    daten.DokumentTyp = dokument.DokumentTyp;
    daten.Anhaenge = dokument.Anhaenge;
    if (rueckrufe.MailDaten) rueckrufe.MailDaten(dokument, daten);

    TMailNachricht nachricht;
    nachricht.Absender = einstellungen->Absender;
    nachricht.Empfaenger = einstellungen->Empfaenger;
    nachricht.Betreff =
        PlatzhalterErsetzen(einstellungen->WirksamerBetreff(), dokument.Platzhalter);
    nachricht.Text = std::move(daten.Text);
    nachricht.Anhaenge = std::move(daten.Anhaenge);
    nachricht.DokumentTyp = daten.DokumentTyp;

    TSendDoc sender(*einstellungen);
    if (!zertifikatsdatei_.empty()) sender.SetZertifikatsdatei(zertifikatsdatei_);
    if (rueckrufe.Start) rueckrufe.Start(nachricht);
    TMailErgebnis ergebnis =
        rueckrufe.Senden ? rueckrufe.Senden(sender, nachricht) : sender.Senden(nachricht);
    if (rueckrufe.Ende) rueckrufe.Ende(ergebnis);
    return ergebnis;
  });
}

IDocBroadcast& DocBroadcast() { return *Current(); }

void SetDocBroadcast(std::shared_ptr<IDocBroadcast> broadcast) {
  Current() = broadcast ? std::move(broadcast) : std::make_shared<TDocBroadcast>();
}

std::string PlatzhalterErsetzen(std::string text, const std::vector<TBroadcastPlatzhalter>& p) {
  for (const auto& platzhalter : p) {
    if (platzhalter.Name.empty()) continue;
    const std::string gesucht = Utf8Upper(platzhalter.Name);
    std::string ergebnis;
    std::size_t pos = 0;
    // Placeholders are ASCII, so upper-casing keeps byte positions.
    const std::string oben = Utf8Upper(text);
    for (std::size_t hit = oben.find(gesucht); hit != std::string::npos;
         hit = oben.find(gesucht, pos)) {
      ergebnis.append(text, pos, hit - pos);
      ergebnis += platzhalter.Wert;
      pos = hit + gesucht.size();
    }
    ergebnis.append(text, pos, std::string::npos);
    text = std::move(ergebnis);
  }
  return text;
}

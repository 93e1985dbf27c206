// The booking list's actions that change bookings or the settlement.
#include <algorithm>
#include <cmath>

#include "app/SaldixBearb.h"
#include "suite/BetragText.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

void TSaldixBearbeiten::Umschalten(bool fuerExport) {
  if (FSaetzeFuerExport != fuerExport) ListeUngueltig();
  FSaetzeFuerExport = fuerExport;
  UmschaltText = fuerExport ? "Sätze, die exportiert werden sollen"
                            : "Sätze, die nicht exportiert werden sollen";
  UmschaltenExportEnabled = !fuerExport;
  UmschaltenKeinExportEnabled = fuerExport;
}

void TSaldixBearbeiten::acUmschaltenExportExecute() {
  Guarded("TSaldixBearbeiten.acUmschaltenExportExecute", [&] { Umschalten(true); });
}

void TSaldixBearbeiten::acUmschaltenKeinExportExecute() {
  Guarded("TSaldixBearbeiten.acUmschaltenKeinExportExecute", [&] { Umschalten(false); });
}

void TSaldixBearbeiten::acAktualisierenExecute() {
  Guarded("TSaldixBearbeiten.acAktualisierenExecute", [&] {
    if (!dienste_.Buchungen.Vollstaendigkeiten_pruefen(DatumVon, DatumBis)) return;
    ListeLaden();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::acKontenNeuExecute() {
  Guarded("TSaldixBearbeiten.acKontenNeuExecute", [&] {
    dienste_.Konten.Konten_Zuruecksetzen();
    acAktualisierenExecute();
  });
}

void TSaldixBearbeiten::acExportKennzAendernExecute() {
  Guarded("TSaldixBearbeiten.acExportKennzAendernExecute", [&] {
    if (!FExportErlaubt) return;
    const std::string ziel = FSaetzeFuerExport ? "nicht exportieren" : "exportieren";
    const std::string frage = "Wollen Sie das Export-Kennzeichen der markierten Sätze auf\r\n" +
                              ziel + "\r\nändern?";
    if (QTXInfo().QTXJaNeinBox(frage) != mrYes) return;
    std::vector<TIntTrio> idents;
    for (std::int32_t zeile : liste_.Oberste()) {
      if (!liste_.IstMarkiert(zeile)) continue;
      const auto teil = liste_.Idents(zeile, true);
      idents.insert(idents.end(), teil.begin(), teil.end());
    }
    if (idents.empty()) return;
    // A change the data module refused must not be reported as done.
    if (!dienste_.Buchungen.FBDEMani_Buchen_ExportKZ(idents, !FSaetzeFuerExport)) {
      QTXInfo().QTXWarnungBox("Die Änderungen konnten nicht verbucht werden.");
      return;
    }
    QTXInfo().QTXHinweisBox("Die Änderungen wurden verbucht.");
    ListeLaden();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
  });
}

namespace {

// "Die Buchung mit …" as "Zur Buchung mit …".
std::string ZurBuchung(std::string text) {
  if (text.starts_with("Die ")) text.replace(0, 4, "Zur ");
  return text;
}

}  // namespace

// How a bookkeeper knows a booking: by its document, date and amount, not by its key.
std::string TSaldixBearbeiten::BuchungsBezeichnung(std::int32_t zeile) const {
  const auto& werte = liste_.Zeile(zeile).Werte();
  const std::string beleg = Trim(std::string(werte.Text(TSpalte::Beleg1)));
  const TDateTime datum = werte.Datum(TSpalte::Belegdatum);
  const long double soll = werte.Betrag(TSpalte::BuchBetragSoll);
  const long double haben = werte.Betrag(TSpalte::BuchBetragHaben);
  std::string text = beleg.empty() ? "Die Buchung ohne Beleg" : "Die Buchung mit Beleg " + beleg;
  if (datum > 0) text += " vom " + DateToStr(datum);
  text += " über " + BetragText(soll != 0 ? soll : haben) + (soll != 0 ? " Soll" : " Haben");
  return text;
}

bool TSaldixBearbeiten::BuchungenAendern(const char* kontext, int recht, const char* wort,
                                         bool umkehren) {
  return Guarded(kontext, [&] {
    if (!FExportErlaubt || !rechte_.UserRechtePruefen(recht, true)) return false;
    if (auswahl_ < 0 || static_cast<std::size_t>(auswahl_) >= liste_.Anzahl()) return false;
    const std::vector<TIntTrio> idents = liste_.Idents(auswahl_, false);
    if (idents.empty()) return false;
    const std::string buchung = BuchungsBezeichnung(auswahl_);
    // What the accounting system has received stays; a reversal corrects it.
    if (!umkehren && !OffeneAbrechnung) {
      QTXInfo().QTXWarnungBox(buchung + " ist bereits mit der Abrechnung " + AbrechnungText +
                              " exportiert und kann nicht gelöscht werden.\r\nBitte erzeugen "
                              "Sie eine Umkehrbuchung (Strg+U).");
      return false;
    }
    if (idents.size() > 1) {
      const std::string frage = "Sie haben " + std::to_string(idents.size()) + " Sätze zum " +
                                wort + " gewählt. Wollen Sie fortfahren?";
      if (QTXInfo().QTXJaNeinBox(frage) != mrYes) return false;
    }
    const bool ok = umkehren ? dienste_.Buchungen.FBDEMani_Buchen_Umkehrung(idents)
                             : dienste_.Buchungen.FBDEMani_Loeschen(idents);
    if (!ok) return false;
    QTXInfo().QTXHinweisBox(umkehren ? ZurBuchung(buchung) + " wurde eine Umkehrbuchung erzeugt."
                                     : buchung + " wurde gelöscht.");
    ListeLaden();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
    return true;
  });
}

void TSaldixBearbeiten::acAusbuchenExecute() {
  BuchungenAendern("TSaldixBearbeiten.acAusbuchenExecute", CRecht_Saldix_Umkehrbuchung,
                   "Ausbuchen", true);
}

void TSaldixBearbeiten::acLoeschenExecute() {
  BuchungenAendern("TSaldixBearbeiten.acLoeschenExecute", CRecht_Saldix_Loeschen, "Löschen",
                   false);
}

void TSaldixBearbeiten::AktuelleNeueAbrechnung() {
  Guarded("TSaldixBearbeiten.rbAktuelleAbrClick", [&] {
    std::int32_t jahr = 0, nr = 0;
    TDateTime bis = 0;
    const TDateTime heute = qtx_Date();
    if (dienste_.Buchungen.Abrechnungen().GetLastAbr(FFirma, jahr, bis, nr)) {
      AbrNr = nr + 1;
      AbrJahr = jahr;
      DatumVon = std::min(heute, std::floor(bis) + 1);
      SetDatumBis(heute);
    } else {
      int tag = 0, monat = 0;
      DecodeDate(heute, AbrJahr, monat, tag);
      AbrNr = 1;
      DatumVon = 0;
      SetDatumBis(0);
    }
    AbrechnungText = std::to_string(AbrNr) + "/" + std::to_string(AbrJahr);
    OffeneAbrechnung = true;
    Umschalten(true);
    ListeUngueltig();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
  });
}

bool TSaldixBearbeiten::AbgeschlosseneAbrechnung() {
  bool erneutAusgeben = false;
  Guarded("TSaldixBearbeiten.rbAbgeschlAbrClick", [&] {
    TIntPair firma = FFirma;
    std::int32_t nr = AbrNr, jahr = AbrJahr;
    TDateTime von = 0, bis = 0;
    if (!abrechnungsWahl_.AbgeschlosseneWaehlen(firma, nr, jahr, von, bis, &erneutAusgeben)) {
      erneutAusgeben = false;
      return;
    }
    OffeneAbrechnung = false;
    Umschalten(true);
    FFirma = firma;
    AbrNr = nr;
    AbrJahr = jahr;
    DatumVon = von;
    DatumBis = bis;
    AbrechnungText = std::to_string(AbrNr) + "/" + std::to_string(AbrJahr);
    ListeUngueltig();
    ListeLaden();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
  });
  return erneutAusgeben;
}

bool TSaldixBearbeiten::ReloadNachAbrNr() const {
  return qtx_strmatch(einstellungen_.InhaltBeleg1, "ABRNR") ||
         qtx_strmatch(einstellungen_.InhaltBeleg2, "ABRNR") ||
         qtx_strmatch(einstellungen_.InhaltText, "ABRNR");
}

void TSaldixBearbeiten::SetAbrechnung(std::int32_t abrNr, std::int32_t abrJahr) {
  const bool geaendert = abrNr != AbrNr || abrJahr != AbrJahr;
  AbrNr = abrNr;
  AbrJahr = abrJahr;
  AbrechnungText = std::to_string(AbrNr) + "/" + std::to_string(AbrJahr);
  if (geaendert && listeGueltig_ && ReloadNachAbrNr()) {
    ListeLaden();
    liste_.AlleMarkieren();
    MarkierungGeaendert();
  }
}

void TSaldixBearbeiten::AbrechnungsNrAendern() {
  Guarded("TSaldixBearbeiten.btnAbrNrAendernClick", [&] {
    if (!OffeneAbrechnung) return;
    std::int32_t nr = AbrNr, jahr = AbrJahr;
    if (!abrechnungsWahl_.AbrechnungsNrEingeben(nr, jahr)) return;
    if (!dienste_.Buchungen.Abrechnungen().AbrNrFrei(FFirma, jahr, nr)) {
      QTXInfo().ShowMeldung(TMeldungsArt::Hinweis,
                            {std::to_string(nr) + "/" + std::to_string(jahr)}, "SALDIX", 1002);
      return;
    }
    SetAbrechnung(nr, jahr);
  });
}

void TSaldixBearbeiten::NeuesteAbrechnungsNr() {
  Guarded("TSaldixBearbeiten.btnNeuesteAbrNrClick", [&] {
    if (!OffeneAbrechnung) return;
    IAbrechnungsDienst& abrechnungen = dienste_.Buchungen.Abrechnungen();
    const std::int32_t jahr = abrechnungen.GetAbrJahr(FFirma, DatumVon);
    SetAbrechnung(abrechnungen.GetNextAbrNr(FFirma, jahr), jahr);
  });
}

void TSaldixBearbeiten::SetDatumVon(TDateTime datum) {
  if (datum != DatumVon) ListeUngueltig();
  DatumVon = datum;
}

void TSaldixBearbeiten::SetDatumBis(TDateTime datum) {
  if (datum != DatumBis) ListeUngueltig();
  DatumBis = datum;
  if (!exporter_.FrageBuchMonat) return;
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(qtx_Date(), jahr, monat, tag);
  const TDateTime monatsErster = EncodeDate(jahr, monat, 1);
  Buchungsmonat = tag < 10 && datum < monatsErster ? monatsErster - 1 : monatsErster;
}

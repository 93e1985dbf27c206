#include "app/SaldixBearb.h"

#include <algorithm>

#include "app/SaldixBearbLaden.h"
#include "app/SaldixBearbZusammenfassung.h"
#include "suite/BetragText.h"
#include "suite/DateTime.h"
#include "suite/Guarded.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

// Filter values the user chose last; they outlive the form.
struct TGemerkteFilter {
  std::string Gruppe, Filiale, Rechner, Herkunft;
};
TGemerkteFilter& Gemerkt() {
  static TGemerkteFilter gemerkt;
  return gemerkt;
}

constexpr const char* kAlle = "Alle";

void MitZahlenFuellen(TFilterAuswahl& auswahl, const std::vector<std::int32_t>& werte) {
  auswahl.Eintraege = {kAlle};
  auswahl.Werte = {0};
  for (std::int32_t wert : werte) {
    auswahl.Eintraege.push_back(std::to_string(wert));
    auswahl.Werte.push_back(wert);
  }
  auswahl.Index = 0;
}

}  // namespace

const std::vector<THerkunftWahl>& AngeboteneHerkuenfte() {
  static const std::vector<THerkunftWahl> herkuenfte{
      {"ALLE", "Alle"},         {"KASBER", "Kassenbericht"},
      {"ORDER", "Ordercockpit"}, {"REKO", "Rechnungskontrolle"},
      {"BANK", "Bankvewegungen"}, {"PRIMAN", "Primanota"},
  };
  return herkuenfte;
}

bool TFilterAuswahl::Waehlen(const std::string& text) {
  for (std::size_t i = 0; i < Eintraege.size(); ++i) {
    if (Eintraege[i] == text) {
      Index = i;
      return true;
    }
  }
  Index = 0;
  return false;
}

TSaldixBearbeiten::TSaldixBearbeiten(TBearbDienste dienste, IUserRechte& rechte,
                                     IAbrechnungsWahl& abrechnungsWahl)
    : dienste_(dienste), rechte_(rechte), abrechnungsWahl_(abrechnungsWahl) {}

void TSaldixBearbeiten::FormShow() {
  Guarded("TSaldixBearbeiten.FormShow", [&] {
    exporter_ = dienste_.Einstellungen.Exporter();
    einstellungen_ = dienste_.Einstellungen.Einstellungen();
    // Which profile's settings the export uses, so that no one exports with the wrong one.
    Caption = "Daten bearbeiten - " + exporter_.Name +
              (exporter_.Profil.empty() ? std::string() : " (Profil " + exporter_.Profil + ")");
    Ueberschrift = "Daten bearbeiten - Export in " + exporter_.Name;
    ExportMenuText = "Exportieren in " + exporter_.Name;
    BuchungsmonatSichtbar = exporter_.FrageBuchMonat;
    FExportErlaubt = dienste_.Buchungen.ExportErlaubt();
    if (!FExportErlaubt) {
      Caption = "Daten anzeigen, kein Export möglich";
      Ueberschrift = Caption;
    }
    // Shown again for another selection: the rows of the last one are not shown as if
    // they were this one's.
    if (aktiviert_ && !listeGueltig_) {
      liste_ = TBuchungsListe();
      geladen_.clear();
      auswahl_ = -1;
      if (einstellungen_.DirektEinlesen) {
        ListeLaden();
        if (liste_.AlleMarkieren()) MarkierungGeaendert();
      }
    }
  });
}

void TSaldixBearbeiten::FormActivate() {
  if (aktiviert_) return;
  Guarded("TSaldixBearbeiten.FormActivate", [&] {
    aktiviert_ = true;
    FFirma = dienste_.Einstellungen.AktMandant();
    Umschalten(true);
    FilterFuellen();
    const TGemerkteFilter& gemerkt = Gemerkt();
    gruppen_.Waehlen(gemerkt.Gruppe);
    filialen_.Waehlen(gemerkt.Filiale);
    rechner_.Waehlen(gemerkt.Rechner);
    std::string herkunft = gemerkt.Herkunft;
    if (!Herkunft.empty()) {
      for (const auto& h : AngeboteneHerkuenfte()) {
        if (qtx_strmatch(h.Code, Herkunft)) herkunft = h.Name;
      }
    }
    herkuenfte_.Waehlen(herkunft);
    einstellungen_ = dienste_.Einstellungen.Einstellungen_Nach_Herkunft_Restore(HerkunftCode());
    if (FBatchmode || einstellungen_.DirektEinlesen) ListeLaden();
    // Freshly loaded rows come marked; sums and cash figures are redone only for a change.
    if (liste_.AlleMarkieren()) MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::FilterFuellen() {
  if (exporter_.FilialenSelektiert) {
    gruppen_ = {};
    gruppen_.Sichtbar = false;
    filialen_.Titel = "Filialen aus Exportprofil";
    std::vector<std::int32_t> werte;
    for (const std::string& f : exporter_.Filialen) werte.push_back(std::atoi(f.c_str()));
    MitZahlenFuellen(filialen_, werte);
  } else {
    gruppen_.Titel = "Filialgruppe";
    gruppen_.Sichtbar = true;
    MitZahlenFuellen(gruppen_, dienste_.Buchungen.GetGruppenliste(FFirma));
    filialen_.Titel = "Filiale";
    MitZahlenFuellen(filialen_, dienste_.Buchungen.GetFilialliste(FFirma));
  }
  rechner_.Titel = "Rechner";
  MitZahlenFuellen(rechner_, dienste_.Buchungen.Rechnerliste());
  herkuenfte_.Titel = "Herkunft";
  herkuenfte_.Eintraege.clear();
  herkuenfte_.Werte.clear();
  for (const auto& h : AngeboteneHerkuenfte()) {
    herkuenfte_.Eintraege.emplace_back(h.Name);
    herkuenfte_.Werte.push_back(static_cast<std::int32_t>(herkuenfte_.Werte.size()));
  }
  herkuenfte_.Index = 0;
}

std::string TSaldixBearbeiten::HerkunftCode() const {
  const auto& herkuenfte = AngeboteneHerkuenfte();
  return std::string(herkuenfte_.Index < herkuenfte.size() ? herkuenfte[herkuenfte_.Index].Code
                                                           : herkuenfte.front().Code);
}

bool TSaldixBearbeiten::MitPrimanotaSichtbar() const {
  const std::string code = HerkunftCode();
  return code != "ALLE" && code != "PRIMAN";
}

void TSaldixBearbeiten::FilterGeaendert() {
  Gemerkt().Gruppe = gruppen_.Text();
  Gemerkt().Filiale = filialen_.Text();
  Gemerkt().Rechner = rechner_.Text();
  Gemerkt().Herkunft = herkuenfte_.Text();
  ListeUngueltig();
}

void TSaldixBearbeiten::HerkunftGeaendert() {
  Guarded("TSaldixBearbeiten.cbHerkunftChange", [&] {
    einstellungen_ = dienste_.Einstellungen.Einstellungen_Nach_Herkunft_Restore(HerkunftCode());
    FilterGeaendert();
  });
}

void TSaldixBearbeiten::SetMitPrimanota(bool mit) {
  mitPrimanota_ = mit;
  ListeUngueltig();
}

void TSaldixBearbeiten::ListeUngueltig() {
  listeGueltig_ = false;
  summeBuchungen_ = 0;
  markierungsText_.clear();
}

bool TSaldixBearbeiten::ListeLaden() {
  TLadeAuftrag auftrag;
  auftrag.Firma = FFirma;
  auftrag.OffeneAbrechnung = OffeneAbrechnung;
  auftrag.AbrNr = AbrNr;
  auftrag.AbrJahr = AbrJahr;
  auftrag.DatumVon = DatumVon;
  auftrag.DatumBis = DatumBis;
  auftrag.Rechner = rechner_.Wert();
  auftrag.Filiale = filialen_.Wert();
  auftrag.Gruppe = gruppen_.Wert();
  auftrag.Herkunft = HerkunftCode();
  auftrag.MitPrimanota = mitPrimanota_ && MitPrimanotaSichtbar();
  auftrag.SaetzeFuerExport = FSaetzeFuerExport;
  auftrag.Fortschritt = LadeFortschritt;
  auftrag.Gelesen = BuchungenGelesen;
  // Everything is built aside first: a failure leaves the shown list as it was.
  TLadeErgebnis ergebnis = TBuchungsLader(dienste_, einstellungen_, exporter_).Laden(auftrag);
  TBuchungsListe neu;
  TBuchungsZusammenfassung(dienste_.Konten, einstellungen_,
                           einstellungen_.AutoKont && exporter_.Automatikkonten, summenAnsicht_,
                           OffeneAbrechnung ? ergebnis.DatumBis : DatumBis)
      .Aufbauen(ergebnis.Buchungen, neu);
  Ansicht().Sortieren(neu);
  // The rows use the loaded bookings' values: both are replaced together.
  liste_ = std::move(neu);
  geladen_ = std::move(ergebnis.Buchungen);
  auswahl_ = liste_.Oberste().empty() ? -1 : liste_.Oberste().front();
  if (OffeneAbrechnung) {
    DatumVon = ergebnis.DatumVon;
    DatumBis = ergebnis.DatumBis;
  }
  listeGueltig_ = true;
  KassenzahlenBerechnen();
  if (ergebnis.MaxZeilenErreicht) {
    const std::string text = MaxZeilenMeldung(einstellungen_.MaxZeilen);
    if (FBatchmode) {
      MenuLog_Append("Saldix Export", text, qtx_Now(), qtx_Now());
    } else {
      QTXInfo().QTXHinweisBox(text);
    }
  }
  return true;
}

void TSaldixBearbeiten::Neuaufbau() {
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    const TListenZeile& zeile = liste_.Zeile(static_cast<std::int32_t>(i));
    if (!zeile.IstGruppe && zeile.Quelle >= 0) {
      geladen_[static_cast<std::size_t>(zeile.Quelle)].Markiert = zeile.Markiert;
    }
  }
  TBuchungsListe neu;
  TBuchungsZusammenfassung(dienste_.Konten, einstellungen_,
                           einstellungen_.AutoKont && exporter_.Automatikkonten, summenAnsicht_,
                           DatumBis)
      .Aufbauen(geladen_, neu);
  Ansicht().Sortieren(neu);
  liste_ = std::move(neu);
  auswahl_ = liste_.Oberste().empty() ? -1 : liste_.Oberste().front();
  KassenzahlenBerechnen();
}

void TSaldixBearbeiten::MarkierungGeaendert() {
  liste_.Resynchronisieren();
  KassenzahlenBerechnen();
}

void TSaldixBearbeiten::KassenzahlenBerechnen() {
  long double summe = 0;
  long double summeSoll = 0, summeHaben = 0;
  std::size_t markiert = 0;
  for (std::int32_t index : liste_.Oberste()) {
    if (!liste_.IstMarkiert(index)) continue;
    const TZeilenWerte& w = liste_.Zeile(index).Werte();
    const long double soll = w.Betrag(TSpalte::BetragSoll), haben = w.Betrag(TSpalte::BetragHaben);
    ++markiert;
    summeSoll += soll;
    summeHaben += haben;
    if (dienste_.Konten.KontoHatArt(std::string(w.Text(TSpalte::KontoName)), 134)) {
      summe += soll - haben;
    }
    if (dienste_.Konten.KontoHatArt(std::string(w.Text(TSpalte::GegenkontoName)), 134)) {
      summe += haben - soll;
    }
  }
  summeBuchungen_ = summe;
  markierungsText_ = std::to_string(markiert) + " von " + std::to_string(liste_.Oberste().size()) +
                     " Zeilen markiert, Soll " + BetragText(summeSoll) + ", Haben " +
                     BetragText(summeHaben);
}

std::unique_ptr<TBuchungsListeExport> TSaldixBearbeiten::ExportListe() {
  return std::make_unique<TBuchungsListeExport>(liste_,
                                                [this](std::int32_t zeile) { auswahl_ = zeile; });
}

void TSaldixBearbeiten::SetAnfangssaldo(long double saldo) { anfangssaldo_ = saldo; }

void TSaldixBearbeiten::acAlleEinExecute() {
  Guarded("TSaldixBearbeiten.acAlleEinExecute", [&] {
    if (liste_.AlleMarkieren()) MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::acMarkierungExecute() {
  Guarded("TSaldixBearbeiten.acMarkierungExecute", [&] {
    if (auswahl_ < 0 || static_cast<std::size_t>(auswahl_) >= liste_.Anzahl()) return;
    liste_.Umschalten(auswahl_);
    MarkierungGeaendert();
    const std::int32_t naechste = liste_.Naechste(auswahl_);
    if (naechste >= 0) auswahl_ = naechste;
  });
}

void TSaldixBearbeiten::acUmkehrenExecute() {
  Guarded("TSaldixBearbeiten.acUmkehrenExecute", [&] {
    liste_.MarkierungUmkehren();
    MarkierungGeaendert();
  });
}

void TSaldixBearbeiten::acChangeViewExecute() {
  Guarded("TSaldixBearbeiten.acChangeViewExecute", [&] {
    summenAnsicht_ = !summenAnsicht_;
    ChangeViewCaption = summenAnsicht_ ? "Export anzeigen" : "Summen anzeigen";
    try {
      Neuaufbau();
    } catch (...) {
      summenAnsicht_ = !summenAnsicht_;
      ChangeViewCaption = summenAnsicht_ ? "Export anzeigen" : "Summen anzeigen";
      throw;
    }
  });
}

bool TSaldixBearbeiten::Suchen(const std::string& suchtext, bool weiter) {
  return Guarded("TSaldixBearbeiten.edtSuchtextChange", [&] {
    if (suchtext.empty() || liste_.Oberste().empty()) return false;
    const std::string gesucht = Utf8Upper(suchtext);
    std::int32_t zeile = auswahl_ >= 0 ? auswahl_ : liste_.Oberste().front();
    if (weiter && auswahl_ >= 0) zeile = liste_.Naechste(auswahl_);
    const TListenAnsicht ansicht = Ansicht();
    for (; zeile >= 0; zeile = liste_.Naechste(zeile)) {
      const TZeilenWerte& w = liste_.Zeile(zeile).Werte();
      for (const TSpalte tag : ansicht.SichtbareSpalten()) {
        if (Utf8Upper(w.Anzeige(tag)).find(gesucht) != std::string::npos) {
          auswahl_ = zeile;
          return true;
        }
      }
    }
    QTXInfo().ShowMeldung(TMeldungsArt::Hinweis, {suchtext}, "BELEGSEL", 1018);
    return false;
  });
}

#include "app/SaldixWeitereEinstellungen.h"

#include <algorithm>
#include <cmath>

#include "app/SaldixBearb.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

std::vector<std::string> Teile(const std::string& text, char trenner) {
  std::vector<std::string> teile;
  std::string teil;
  for (char c : text) {
    if (c == trenner) {
      teile.push_back(Trim(teil));
      teil.clear();
    } else {
      teil += c;
    }
  }
  teile.push_back(Trim(teil));
  return teile;
}

bool NurZiffern(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Moves the entry with this column index to position ziel and returns it; nullptr when the
// list has no such column.
TSpaltenHaken* NachVorne(std::vector<TSpaltenHaken>& liste, int index, std::size_t ziel) {
  for (std::size_t i = ziel; i < liste.size(); ++i) {
    if (liste[i].Index != index) continue;
    const TSpaltenHaken eintrag = liste[i];
    liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(i));
    liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(ziel), eintrag);
    return &liste[ziel];
  }
  return nullptr;
}

int SatzWert(const TMWSatz& satz) { return static_cast<int>(std::llround(satz.Prozent * 100)); }

int SatzIndex(const TSatzWahl& wahl, const std::string& gespeichert) {
  const int wert = StrToIntDef(gespeichert, 0);
  for (std::size_t i = 0; i < wahl.Saetze.size(); ++i) {
    if (SatzWert(wahl.Saetze[i]) == wert) return static_cast<int>(i);
  }
  return -1;
}

std::string SatzText(const TSatzWahl& wahl) {
  if (wahl.Index < 0 || static_cast<std::size_t>(wahl.Index) >= wahl.Saetze.size()) return "";
  return Format("%4.4u", SatzWert(wahl.Saetze[static_cast<std::size_t>(wahl.Index)]));
}

bool Fehler(const std::string& text) {
  QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {text}, "STANDARD", 994);
  return false;
}

template <std::size_t N>
int AuswahlIndex(const std::array<TAuswahlEintrag, N>& tabelle, const std::string& schluessel) {
  for (std::size_t i = 0; i < N; ++i) {
    if (qtx_strmatch(tabelle[i].Schluessel, schluessel)) return static_cast<int>(i);
  }
  return -1;
}

template <std::size_t N>
std::string AuswahlSchluessel(const std::array<TAuswahlEintrag, N>& tabelle, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N
             ? std::string(tabelle[static_cast<std::size_t>(index)].Schluessel)
             : std::string();
}

}  // namespace

std::vector<std::string> TSatzWahl::Texte() const {
  std::vector<std::string> texte;
  for (const auto& satz : Saetze) {
    std::string name = satz.Bezeichnung;
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 32);
    texte.push_back(Format("%s: %f Prozent", name, static_cast<long double>(satz.Prozent)));
  }
  return texte;
}

TSaldixWeitereEinstellungen::TSaldixWeitereEinstellungen(IWeitereEinstellungenDaten& daten,
                                                         IKontoSuche& suche)
    : daten_(daten), suche_(suche) {}

TZusaKonto TSaldixWeitereEinstellungen::ZusaKonto(const std::string& zeile) {
  TZusaKonto konto;
  const std::size_t gleich = zeile.rfind('=');
  const std::string links = zeile.substr(0, gleich);
  konto.Belegdatum = gleich != std::string::npos && zeile.substr(gleich + 1) == "J";
  const std::size_t plus = links.find('+');
  konto.Name = links.substr(0, plus);
  konto.Zusatz = plus == std::string::npos ? std::string() : links.substr(plus + 1);
  konto.Bezeichnung = daten_.KontoBezeichnung(konto.Name, konto.Zusatz);
  konto.Nummer = daten_.KontoNummer(konto.Name, konto.Zusatz);
  return konto;
}

void TSaldixWeitereEinstellungen::FormShow() {
  Guarded("TSaldixWeitereEinstellungen.FormShow", [&] {
    modalResult_ = 0;
    seite_ = CSeiteAllgemein;
    const TEinstellungen& e = daten_.Einstellungen();
    herkunftBeimOeffnen_ = e.Herkunft;
    profilBeimOeffnen_ = e.Profil;
    Ueberschrift = "Weitere Einstellungen - " + daten_.AktTextMandant();
    edtMaxZeilen = std::to_string(e.MaxZeilen);
    chkKontoMonatsweise = e.KontoMonatsweise;
    chkDirektEinlesen = e.DirektEinlesen;

    lstSpalten.clear();
    for (std::size_t i = 0; i < CQTX_Saldix_Spalten.size(); ++i) {
      if (!SpalteWaehlbar(static_cast<int>(i))) continue;
      lstSpalten.push_back({std::string(CQTX_Saldix_Spalten[i].ColName), static_cast<int>(i)});
    }
    lstSortierung = lstSpalten;
    std::size_t ziel = 0;
    for (const std::string& teil : Teile(e.SpaltenConfig, ';')) {
      if (!NurZiffern(teil)) continue;
      if (auto* eintrag = NachVorne(lstSpalten, StrToIntDef(teil, -1), ziel)) {
        eintrag->Haken = true;
        ++ziel;
      }
    }
    ziel = 0;
    for (const std::string& teil : Teile(e.SortierungConfig, ';')) {
      const auto gleich = teil.find('=');
      const std::string index = Trim(teil.substr(0, gleich));
      if (!NurZiffern(index)) continue;
      if (auto* eintrag = NachVorne(lstSortierung, StrToIntDef(index, -1), ziel)) {
        eintrag->Haken = true;
        const std::string richtung = gleich == std::string::npos ? "" : Trim(teil.substr(gleich + 1));
        eintrag->Richtung = richtung == "U" ? 0 : richtung == "B" ? 1 : -1;
        ++ziel;
      }
    }

    chkAutoKont = e.AutoKont;
    lstAenderungen = daten_.MwstAenderungen();
    cmbAenderung = -1;
    for (std::size_t i = 0; i < lstAenderungen.size(); ++i) {
      if (std::floor(lstAenderungen[i]) == std::floor(e.MwStAbDatum)) cmbAenderung = static_cast<int>(i);
    }
    edtAbDatum = DateToStr(e.MwStAbDatum);
    SaetzeFuellen(cmbAenderung >= 0 ? e.MwStAbDatum : 0, false);
    cmbVoll.Index = SatzIndex(cmbVoll, e.MwStNormAsString4);
    cmbReduziert.Index = SatzIndex(cmbReduziert, e.MwStReduAsString4);
    cmbSpeziell.Index = SatzIndex(cmbSpeziell, e.MwStSpezAsString4);
    cmbFruehererVoll.Index = SatzIndex(cmbFruehererVoll, e.MwStNormAltAsString4);
    cmbFruehererReduziert.Index = SatzIndex(cmbFruehererReduziert, e.MwStReduAltAsString4);
    const int spezial = StrToIntDef(e.MwStSpezAsString4, 0);
    edtSpeziellProzent = cmbSpeziell.Index < 0 && spezial > 0 ? FloatToStr(spezial / 100.0L) : "";

    cmbHerkunftEintraege.clear();
    cmbHerkunft = 0;
    for (const auto& h : AngeboteneHerkuenfte()) {
      if (qtx_strmatch(h.Code, e.Herkunft)) cmbHerkunft = static_cast<int>(cmbHerkunftEintraege.size());
      cmbHerkunftEintraege.emplace_back(h.Name);
    }
    cmbProfilEintraege = {"Alle"};
    cmbProfil = 0;
    for (const auto& profil : daten_.Profile()) {
      if (profil == e.Profil) cmbProfil = static_cast<int>(cmbProfilEintraege.size());
      cmbProfilEintraege.push_back(profil);
    }
    HerkunftAnzeigen();

    memKostenstellen.clear();
    for (const std::string& teil : Teile(e.Kostenstellen, ';')) {
      if (!teil.empty()) memKostenstellen += teil + "\n";
    }
    kostenstellenGeladen_ = memKostenstellen;

    cmbKreditorenArten = daten_.PartnerNummernArten();
    chkKreditoren = !e.KreditorenZuordnung.IsEmpty();
    cmbKreditorenArt = -1;
    for (std::size_t i = 0; i < cmbKreditorenArten.size(); ++i) {
      if (cmbKreditorenArten[i].Art == e.KreditorenZuordnung) cmbKreditorenArt = static_cast<int>(i);
    }
    cmbDebitorenArt = !e.DebitorenZuordnung.IsEmpty() ? CDebitorenKonto
                      : e.DebitorenMerkmal != 0   ? CDebitorenMerkmal
                                                  : CDebitorenNichts;
    DebitorenArtGeaendert();
    for (std::size_t i = 0; i < cmbDebitorenWerte.size(); ++i) {
      const TIntPair art = cmbDebitorenWerte[i].Art;
      const bool passt = cmbDebitorenArt == CDebitorenKonto
                             ? (art.IsEmpty() ? CDebitorenKundennummer : art) == e.DebitorenZuordnung
                             : art.Nr1 == e.DebitorenMerkmal;
      if (passt) cmbDebitorenWert = static_cast<int>(i);
    }
    edtSchema = e.DebitorenSchema;
    edtStellen = edtSchema.empty() ? std::string() : std::to_string(edtSchema.size());
  });
}

void TSaldixWeitereEinstellungen::AlleAnhaken(std::vector<TSpaltenHaken>& liste) {
  for (auto& eintrag : liste) eintrag.Haken = true;
}

void TSaldixWeitereEinstellungen::MarkierungUmdrehen(std::vector<TSpaltenHaken>& liste) {
  for (auto& eintrag : liste) eintrag.Haken = !eintrag.Haken;
}

int TSaldixWeitereEinstellungen::Runter(std::vector<TSpaltenHaken>& liste, int index) {
  if (index < 0 || static_cast<std::size_t>(index) + 1 >= liste.size()) return index;
  std::swap(liste[static_cast<std::size_t>(index)], liste[static_cast<std::size_t>(index) + 1]);
  return index + 1;
}

int TSaldixWeitereEinstellungen::Hoch(std::vector<TSpaltenHaken>& liste, int index) {
  if (index <= 0 || static_cast<std::size_t>(index) >= liste.size()) return index;
  std::swap(liste[static_cast<std::size_t>(index)], liste[static_cast<std::size_t>(index) - 1]);
  return index - 1;
}

std::string TSaldixWeitereEinstellungen::SpaltenText() const {
  std::string text;
  for (const auto& eintrag : lstSpalten) {
    if (!eintrag.Haken) continue;
    if (!text.empty()) text += ";";
    text += std::to_string(eintrag.Index);
  }
  return text;
}

bool TSaldixWeitereEinstellungen::SortierungText(std::string& text) const {
  text.clear();
  for (const auto& eintrag : lstSortierung) {
    if (!eintrag.Haken) continue;
    if (eintrag.Richtung < 0) return false;
    if (!text.empty()) text += ";";
    text += std::to_string(eintrag.Index) + "=" + (eintrag.Richtung == 0 ? "U" : "B");
  }
  return true;
}

void TSaldixWeitereEinstellungen::SaetzeFuellen(TDateTime ab, bool behalten) {
  std::vector<TMWSatz> aktuell, frueher;
  if (ab > 0) {
    aktuell = daten_.MwstSaetze(ab);
    frueher = daten_.MwstSaetze(ab - 1);
  } else {
    const TDateTime heute = std::floor(qtx_Date());
    aktuell = daten_.MwstSaetze(heute);
    TDateTime letzter = 0;
    for (const auto& satz : aktuell) {
      if (satz.Prozent > 0 && satz.GueltigAb < heute) letzter = std::max(letzter, satz.GueltigAb);
    }
    if (letzter > 0) frueher = daten_.MwstSaetze(letzter - 1);
  }
  for (TSatzWahl* wahl : {&cmbVoll, &cmbReduziert, &cmbSpeziell}) {
    wahl->Saetze = aktuell;
    if (!behalten || wahl->Index >= static_cast<int>(aktuell.size())) wahl->Index = -1;
  }
  for (TSatzWahl* wahl : {&cmbFruehererVoll, &cmbFruehererReduziert}) {
    wahl->Saetze = frueher;
    if (!behalten || wahl->Index >= static_cast<int>(frueher.size())) wahl->Index = -1;
  }
}

void TSaldixWeitereEinstellungen::AenderungWaehlen(int index) {
  Guarded("TSaldixWeitereEinstellungen.lstAenderungenClick", [&] {
    if (index < 0 || static_cast<std::size_t>(index) >= lstAenderungen.size()) return;
    cmbAenderung = index;
    const TDateTime ab = lstAenderungen[static_cast<std::size_t>(index)];
    edtAbDatum = DateToStr(ab);
    SaetzeFuellen(ab, true);
  });
}

std::string TSaldixWeitereEinstellungen::HerkunftCode() const {
  const auto& herkuenfte = AngeboteneHerkuenfte();
  return cmbHerkunft > 0 && static_cast<std::size_t>(cmbHerkunft) < herkuenfte.size()
             ? std::string(herkuenfte[static_cast<std::size_t>(cmbHerkunft)].Code)
             : std::string(CHerkunftAlle);
}

std::string TSaldixWeitereEinstellungen::ProfilName() const {
  return cmbProfil > 0 && static_cast<std::size_t>(cmbProfil) < cmbProfilEintraege.size()
             ? cmbProfilEintraege[static_cast<std::size_t>(cmbProfil)]
             : std::string();
}

void TSaldixWeitereEinstellungen::HerkunftAnzeigen() {
  const TEinstellungen& e = daten_.Einstellungen();
  chkKontoKombination = e.KontoKombination;
  cmbKriterien = std::max(0, AuswahlIndex(CKriterien, e.Kriterien));
  rbNachNummer = e.NachNummer;
  chkBeschreibung = e.Beschreibung;
  lstKonten.clear();
  lstGegenkonten.clear();
  for (const auto& zeile : daten_.ZusaKontoListe()) lstKonten.push_back(ZusaKonto(zeile));
  for (const auto& zeile : daten_.ZusaGGKtoListe()) lstGegenkonten.push_back(ZusaKonto(zeile));
  chkNurListe = !lstKonten.empty() || !lstGegenkonten.empty();
  cmbInhaltBeleg1 = AuswahlIndex(CInhalte, e.InhaltBeleg1);
  cmbInhaltBeleg2 = AuswahlIndex(CInhalte, e.InhaltBeleg2);
  cmbInhaltText = AuswahlIndex(CInhalte, e.InhaltText);
  rbAnhaengen = e.InhaltTextAnhaengen;
}

void TSaldixWeitereEinstellungen::HerkunftProfilGeaendert() {
  Guarded("TSaldixWeitereEinstellungen.cmbHerkunftChange", [&] {
    daten_.Einstellungen_Nach_Herkunft_Restore(HerkunftCode(), ProfilName(), false);
    HerkunftAnzeigen();
  });
}

void TSaldixWeitereEinstellungen::KontoHinzufuegen(bool gegenkonto) {
  Guarded("TSaldixWeitereEinstellungen.btnKontoHinzuClick", [&] {
    TGewaehltesKonto gewaehlt;
    if (!suche_.Suchen(daten_.AktMandant(), qtx_Date(), gewaehlt)) return;
    auto& liste = gegenkonto ? lstGegenkonten : lstKonten;
    for (const auto& konto : liste) {
      if (qtx_strmatch(konto.Name, gewaehlt.Name) && qtx_strmatch(konto.Zusatz, gewaehlt.Zusatz)) return;
    }
    liste.push_back({gewaehlt.Name, gewaehlt.Zusatz, gewaehlt.Bezeichnung, gewaehlt.Nummer, false});
    chkNurListe = true;
  });
}

void TSaldixWeitereEinstellungen::KontoEntfernen(bool gegenkonto, int index) {
  Guarded("TSaldixWeitereEinstellungen.btnKontoEntfernenClick", [&] {
    auto& liste = gegenkonto ? lstGegenkonten : lstKonten;
    if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) {
      QTXInfo().QTXHinweisBox("Bitte erst ein Konto selektieren.");
      return;
    }
    liste.erase(liste.begin() + index);
  });
}

bool TSaldixWeitereEinstellungen::NachHerkunftSpeichern() {
  const bool mehrereProfile = cmbProfilEintraege.size() >= 2;
  if (mehrereProfile && cmbHerkunft != 0 && cmbProfil == 0) {
    QTXInfo().ShowMeldung(
        TMeldungsArt::Hinweis,
        {"Wenn mehrere Profile vorhanden sind und Sie Einstellungen für eine spezielle Herkunft "
         "speichern möchten,\rgeben Sie bitte auch das zugehörige Profil an, da Ihre Vorgaben "
         "sonst nicht richtig ausgewertet werden."},
        "STANDARD", 995);
    QTXInfo().QTXHinweisBox("Die Einstellungen zur Herkunft wurden NICHT gebucht.");
    return false;
  }
  TEinstellungen& e = daten_.Einstellungen();
  e.InhaltBeleg1 = AuswahlSchluessel(CInhalte, cmbInhaltBeleg1);
  e.InhaltBeleg2 = AuswahlSchluessel(CInhalte, cmbInhaltBeleg2);
  e.InhaltText = AuswahlSchluessel(CInhalte, cmbInhaltText);
  e.InhaltTextAnhaengen = rbAnhaengen;
  e.KontoKombination = chkKontoKombination;
  e.Kriterien = AuswahlSchluessel(CKriterien, cmbKriterien);
  if (e.Kriterien.empty()) e.Kriterien = "KEINE";
  e.NachNummer = rbNachNummer;
  e.Beschreibung = chkBeschreibung;
  daten_.Einstellungen_Nach_Herkunft_Buchen(HerkunftCode(), ProfilName());
  const auto zeilen = [&](const std::vector<TZusaKonto>& liste) {
    std::vector<std::string> texte;
    if (!chkNurListe) return texte;
    for (const auto& konto : liste) {
      texte.push_back(konto.Name + (konto.Zusatz.empty() ? "" : "+" + konto.Zusatz) + "=" +
                      (konto.Belegdatum ? "J" : "N"));
    }
    return texte;
  };
  daten_.SetZusaKontoListe(zeilen(lstKonten));
  daten_.SetZusaGGKtoListe(zeilen(lstGegenkonten));
  return true;
}

void TSaldixWeitereEinstellungen::btnEinstellungSpeichernClick() {
  Guarded("TSaldixWeitereEinstellungen.btnEinstellungSpeichernClick", [&] {
    if (NachHerkunftSpeichern()) QTXInfo().QTXHinweisBox("Die Einstellungen wurden gebucht.");
  });
}

void TSaldixWeitereEinstellungen::btnEinstellungLoeschenClick() {
  Guarded("TSaldixWeitereEinstellungen.btnEinstellungLoeschenClick", [&] {
    if (!LoeschenEnabled()) return;
    daten_.Einstellungen_Nach_Herkunft_Loeschen(HerkunftCode(), ProfilName());
    daten_.Einstellungen_Nach_Herkunft_Restore(HerkunftCode(), ProfilName(), false);
    HerkunftAnzeigen();
    QTXInfo().QTXHinweisBox("Die Einstellungen wurden gelöscht.");
  });
}

void TSaldixWeitereEinstellungen::UrsprungWiederherstellen() {
  if (herkunftBeimOeffnen_.empty()) return;
  daten_.Einstellungen_Nach_Herkunft_Restore(herkunftBeimOeffnen_, profilBeimOeffnen_, true);
}

void TSaldixWeitereEinstellungen::btnZurueckClick() {
  Guarded("TSaldixWeitereEinstellungen.btnZurueckClick", [&] { UrsprungWiederherstellen(); });
  modalResult_ = mrCancel;
}

void TSaldixWeitereEinstellungen::DebitorenArtGeaendert() {
  cmbDebitorenWerte.clear();
  if (cmbDebitorenArt == CDebitorenKonto) {
    cmbDebitorenWerte.push_back({"Kundennummer", TIntPair{}});
    for (const auto& art : daten_.PartnerNummernArten()) cmbDebitorenWerte.push_back(art);
  } else if (cmbDebitorenArt == CDebitorenMerkmal) {
    cmbDebitorenWerte = daten_.KundenMerkmale();
  }
  cmbDebitorenWert = cmbDebitorenWerte.empty() ? -1 : 0;
}

void TSaldixWeitereEinstellungen::StellenGeaendert() {
  const int stellen = std::clamp(StrToIntDef(edtStellen, 0), 0, 15);
  edtSchema = std::string(static_cast<std::size_t>(stellen), '0');
}

void TSaldixWeitereEinstellungen::btnBuchenClick() {
  Guarded("TSaldixWeitereEinstellungen.btnBuchenClick", [&] {
    std::string sortierung;
    if (!SortierungText(sortierung)) {
      seite_ = CSeiteSortierung;
      Fehler("Bitte geben Sie an, ob auf- oder absteigend sortiert werden soll.");
      return;
    }
    // Inputs that are not what their field says are refused before anything is stored.
    const std::string maxZeilen = Trim(edtMaxZeilen);
    if (!maxZeilen.empty() && !NurZiffern(maxZeilen)) {
      seite_ = CSeiteAllgemein;
      Fehler("Bitte geben Sie für die max. Anzahl Zeilen eine Zahl ein.");
      return;
    }
    const TDateTime ab = Trim(edtAbDatum).empty() ? 0 : StrToDateDef(edtAbDatum, 0);
    if (!Trim(edtAbDatum).empty() && ab == 0) {
      seite_ = CSeiteAutomatik;
      Fehler("Das Datum der Änderung der Mwst-Sätze ist falsch gefüllt.");
      return;
    }
    const long double spezialProzent =
        Trim(edtSpeziellProzent).empty() ? 0 : StrToFloatDef(edtSpeziellProzent, -1);
    if (spezialProzent < 0 || spezialProzent >= 100) {
      seite_ = CSeiteAutomatik;
      Fehler("Bitte geben Sie für den speziellen Mwst-Satz einen Prozentsatz ein.");
      return;
    }
    std::vector<std::string> kostenstellen;
    for (const std::string& zeile : Teile(memKostenstellen, '\n')) {
      if (zeile.empty()) continue;
      const auto gleich = zeile.find('=');
      if (gleich == std::string::npos || !NurZiffern(Trim(zeile.substr(0, gleich))) ||
          !NurZiffern(Trim(zeile.substr(gleich + 1)))) {
        seite_ = CSeiteKostenstellen;
        Fehler("Formatierung der Eingabe: Rechner=Kostenstelle (\"" + zeile + "\")");
        return;
      }
      kostenstellen.push_back(Trim(zeile.substr(0, gleich)) + "=" + Trim(zeile.substr(gleich + 1)));
    }
    if (!edtSchema.empty() && !NurZiffern(edtSchema)) {
      seite_ = CSeiteDebitoren;
      Fehler("Das Schema für die Erweiterung der Kontonummer darf nur Ziffern enthalten.");
      return;
    }

    TEinstellungen& e = daten_.Einstellungen();
    e.MaxZeilen = StrToIntDef(maxZeilen, 0);
    e.KontoMonatsweise = chkKontoMonatsweise;
    e.DirektEinlesen = chkDirektEinlesen;
    e.SpaltenConfig = SpaltenText();
    e.SortierungConfig = sortierung;
    if (memKostenstellen != kostenstellenGeladen_) {
      std::string text;
      for (const auto& zeile : kostenstellen) text += (text.empty() ? "" : ";") + zeile;
      e.Kostenstellen = text;
    }
    e.AutoKont = chkAutoKont;
    e.MwStNormAsString4 = SatzText(cmbVoll);
    e.MwStReduAsString4 = SatzText(cmbReduziert);
    e.MwStSpezAsString4 = SatzText(cmbSpeziell);
    if (cmbSpeziell.Index < 0 && spezialProzent > 0) {
      e.MwStSpezAsString4 = Format("%4.4u", static_cast<int>(std::llround(spezialProzent * 100)));
    }
    e.MwStNormAltAsString4 = SatzText(cmbFruehererVoll);
    e.MwStReduAltAsString4 = SatzText(cmbFruehererReduziert);
    e.MwStAbDatum = ab;

    const auto gewaehlt = [](const std::vector<TNummernArt>& liste, int index) -> const TNummernArt* {
      return index >= 0 && static_cast<std::size_t>(index) < liste.size()
                 ? &liste[static_cast<std::size_t>(index)]
                 : nullptr;
    };
    const TNummernArt* kreditor = gewaehlt(cmbKreditorenArten, cmbKreditorenArt);
    e.KreditorenZuordnung = chkKreditoren && kreditor ? kreditor->Art : TIntPair{};
    const TNummernArt* debitor = gewaehlt(cmbDebitorenWerte, cmbDebitorenWert);
    e.DebitorenZuordnung = {};
    e.DebitorenMerkmal = 0;
    if (debitor && cmbDebitorenArt == CDebitorenKonto) {
      e.DebitorenZuordnung = debitor->Art.IsEmpty() ? CDebitorenKundennummer : debitor->Art;
    } else if (debitor && cmbDebitorenArt == CDebitorenMerkmal) {
      e.DebitorenMerkmal = debitor->Art.Nr1;
    }
    e.DebitorenSchema = edtSchema;
    daten_.Allgemeine_Einstellungen_Buchen();
    NachHerkunftSpeichern();
    UrsprungWiederherstellen();
    modalResult_ = mrOk;
  });
}

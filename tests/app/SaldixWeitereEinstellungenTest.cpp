// The further settings against a real suite database: what the dialog stores is what the
// booking list and the next run read; every refusal stores nothing.
#include <gtest/gtest.h>

#include "app/SaldixBearbAnsicht.h"
#include "app/SaldixWeitereEinstellungen.h"
#include "app/WeitereEinstellungenDaten.h"
#include "data/SaldixData.h"
#include "suite/DateTime.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

void Exec(const std::string& sql) { SuiteDatabase::Get().ExecuteScript(sql); }

// The data module's settings, with the exporter's profiles given by the test.
class Daten final : public IWeitereEinstellungenDaten {
 public:
  explicit Daten(TSaldixDataModule& dm) : echt_(dm) {}
  TEinstellungen& Einstellungen() override { return echt_.Einstellungen(); }
  TIntPair AktMandant() override { return echt_.AktMandant(); }
  std::string AktTextMandant() override { return "Muster GmbH"; }
  void Allgemeine_Einstellungen_Buchen() override { echt_.Allgemeine_Einstellungen_Buchen(); }
  void Einstellungen_Nach_Herkunft_Restore(const std::string& h, const std::string& p,
                                           bool d) override {
    echt_.Einstellungen_Nach_Herkunft_Restore(h, p, d);
  }
  void Einstellungen_Nach_Herkunft_Buchen(const std::string& h, const std::string& p) override {
    echt_.Einstellungen_Nach_Herkunft_Buchen(h, p);
  }
  void Einstellungen_Nach_Herkunft_Loeschen(const std::string& h, const std::string& p) override {
    echt_.Einstellungen_Nach_Herkunft_Loeschen(h, p);
  }
  std::vector<std::string> ZusaKontoListe() override { return echt_.ZusaKontoListe(); }
  std::vector<std::string> ZusaGGKtoListe() override { return echt_.ZusaGGKtoListe(); }
  void SetZusaKontoListe(const std::vector<std::string>& l) override { echt_.SetZusaKontoListe(l); }
  void SetZusaGGKtoListe(const std::vector<std::string>& l) override { echt_.SetZusaGGKtoListe(l); }
  std::vector<std::string> Profile() override { return profile; }
  std::vector<TDateTime> MwstAenderungen() override { return echt_.MwstAenderungen(); }
  std::vector<TMWSatz> MwstSaetze(TDateTime datum) override { return echt_.MwstSaetze(datum); }
  std::vector<TNummernArt> PartnerNummernArten() override { return echt_.PartnerNummernArten(); }
  std::vector<TNummernArt> KundenMerkmale() override { return echt_.KundenMerkmale(); }
  std::string KontoBezeichnung(const std::string& n, const std::string& z) override {
    return echt_.KontoBezeichnung(n, z);
  }
  std::int32_t KontoNummer(const std::string& n, const std::string& z) override {
    return echt_.KontoNummer(n, z);
  }

  std::vector<std::string> profile;

 private:
  TWeitereEinstellungenDaten echt_;
};

class Suche final : public IKontoSuche {
 public:
  bool Suchen(const TIntPair&, TDateTime, TGewaehltesKonto& konto) override {
    konto = {8400, "ERLWARE", "19", "Erlöse 19 %"};
    return true;
  }
};

class WeitereEinstellungen : public ::testing::Test {
 protected:
  WeitereEinstellungen() {
    Exec("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, export_rechner, bilanz_jahr) "
         "VALUES (1, 1, 17, 'Muster GmbH', 1, 2023)");
    // Germany: 16/5 % from 01.07.2020, 19/7 % again from 01.01.2021.
    Exec("INSERT INTO mwst_saetze (land, art, gueltig_ab, satz, bezeichnung) VALUES "
         "('D', 'N', 39083, 1900, 'normal'), ('D', 'R', 39083, 700, 'reduziert'), "
         "('D', 'N', 44013, 1600, 'normal'), ('D', 'R', 44013, 500, 'reduziert'), "
         "('D', 'N', 44197, 1900, 'normal'), ('D', 'R', 44197, 700, 'reduziert')");
    Exec("INSERT INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) VALUES "
         "(5, 5, 3, 1, '70001')");
    Neu();
  }
  void Neu() {
    form_.reset();
    daten_.reset();
    dm_.reset();
    dm_ = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    dm_->SetAktMandant({1, 1});
    daten_ = std::make_unique<Daten>(*dm_);
    form_ = std::make_unique<TSaldixWeitereEinstellungen>(*daten_, suche_);
    form_->FormShow();
  }
  std::string Gespeichert(const std::string& index, const std::string& key) {
    return TSimpleMask("SALDIX", "WEITEINS").ReadByIndexDef(index, key, std::string("-"));
  }
  int Position(std::vector<TSpaltenHaken>& liste, int index) {
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (liste[i].Index == index) return static_cast<int>(i);
    }
    return -1;
  }

  TestSuite suite_;
  std::unique_ptr<TSaldixDataModule> dm_;
  std::unique_ptr<Daten> daten_;
  std::unique_ptr<TSaldixWeitereEinstellungen> form_;
  Suche suche_;
};

TEST_F(WeitereEinstellungen, ColumnsAndSortOrderReachTheBookingListAndTheNextRun) {
  auto& f = *form_;
  EXPECT_EQ(f.Ueberschrift, "Weitere Einstellungen - Muster GmbH");
  // Columns 7 "Belegdatum", 0 "Betrag Soll" and 8 "Konto", in this order.
  int p = Position(f.lstSpalten, 7);
  while (p > 0) p = TSaldixWeitereEinstellungen::Hoch(f.lstSpalten, p);
  f.lstSpalten[0].Haken = true;
  f.lstSpalten[static_cast<std::size_t>(Position(f.lstSpalten, 0))].Haken = true;
  f.lstSpalten[static_cast<std::size_t>(Position(f.lstSpalten, 8))].Haken = true;
  EXPECT_EQ(f.SpaltenText(), "7;0;8");
  auto& sortierung = f.lstSortierung;
  p = Position(sortierung, 7);
  while (p > 0) p = TSaldixWeitereEinstellungen::Hoch(sortierung, p);
  sortierung[0].Haken = true;
  sortierung[0].Richtung = 0;
  sortierung[1].Haken = true;  // column 0, moved down by one
  sortierung[1].Richtung = 1;
  f.edtMaxZeilen = "200";
  f.btnBuchenClick();
  ASSERT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(Gespeichert("1/1", "SICHTSPAL"), "7;0;8");
  EXPECT_EQ(Gespeichert("1/1", "SORTIERUNG"), "7=U;0=B");
  EXPECT_EQ(TListenAnsicht(daten_->Einstellungen().SpaltenConfig).SichtbareSpalten(),
            (std::vector<TSpalte>{TSpalte::Belegdatum, TSpalte::BetragSoll, TSpalte::Konto}));

  // A new program run reads them back and the dialog shows them ticked in their order.
  Neu();
  EXPECT_EQ(daten_->Einstellungen().MaxZeilen, 200);
  EXPECT_EQ(form_->lstSpalten[0].Index, 7);
  EXPECT_TRUE(form_->lstSpalten[0].Haken);
  EXPECT_EQ(form_->lstSpalten[1].Index, 0);
  EXPECT_EQ(form_->lstSpalten[2].Index, 8);
  EXPECT_FALSE(form_->lstSpalten[3].Haken);
  EXPECT_EQ(form_->lstSortierung[1].Richtung, 1);
  // Inverting the ticks twice changes nothing.
  TSaldixWeitereEinstellungen::MarkierungUmdrehen(form_->lstSpalten);
  TSaldixWeitereEinstellungen::MarkierungUmdrehen(form_->lstSpalten);
  EXPECT_EQ(form_->SpaltenText(), "7;0;8");
}

TEST_F(WeitereEinstellungen, RefusedInputStoresNothing) {
  struct Fall {
    std::function<void(TSaldixWeitereEinstellungen&)> aendern;
    std::string text;
    int seite;
  };
  const std::vector<Fall> faelle = {
      {[](auto& f) { f.lstSortierung[2].Haken = true; },
       "Bitte geben Sie an, ob auf- oder absteigend sortiert werden soll.",
       TSaldixWeitereEinstellungen::CSeiteSortierung},
      {[](auto& f) { f.edtMaxZeilen = "viele"; },
       "Bitte geben Sie für die max. Anzahl Zeilen eine Zahl ein.",
       TSaldixWeitereEinstellungen::CSeiteAllgemein},
      {[](auto& f) { f.edtAbDatum = "31.02.2021"; },
       "Das Datum der Änderung der Mwst-Sätze ist falsch gefüllt.",
       TSaldixWeitereEinstellungen::CSeiteAutomatik},
      {[](auto& f) { f.memKostenstellen = "4=100\nKasse 7\n"; },
       "Formatierung der Eingabe: Rechner=Kostenstelle (\"Kasse 7\")",
       TSaldixWeitereEinstellungen::CSeiteKostenstellen},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.text);
    form_->FormShow();
    form_->edtMaxZeilen = "300";
    form_->lstSpalten[0].Haken = true;
    fall.aendern(*form_);
    form_->btnBuchenClick();
    EXPECT_EQ(form_->ModalResult(), 0);
    EXPECT_EQ(form_->Seite(), fall.seite);
    EXPECT_EQ(suite_.Messages().LastText(), "Fehlerhafte Eingabe:\r" + fall.text);
    EXPECT_EQ(Gespeichert("1/1", "MAXZEILEN"), "-");
    EXPECT_EQ(Gespeichert("1/1", "SICHTSPAL"), "-");
  }
}

TEST_F(WeitereEinstellungen, ByOriginSettingsAreSavedReadWithoutCascadeAndDeleted) {
  auto& f = *form_;
  EXPECT_FALSE(f.LoeschenEnabled());
  f.cmbHerkunft = 1;  // "Kassenbericht"
  f.HerkunftProfilGeaendert();
  EXPECT_TRUE(f.LoeschenEnabled());
  EXPECT_EQ(daten_->Einstellungen().Herkunft, "KASBER");
  f.chkKontoKombination = true;
  f.cmbKriterien = 1;     // FILIALE
  f.cmbInhaltText = 22;   // KBNUMMER
  f.rbAnhaengen = false;  // "ohne urspr. Beschreibung"
  f.KontoHinzufuegen(true);
  f.KontoHinzufuegen(true);  // the same account once only
  ASSERT_EQ(f.lstGegenkonten.size(), 1u);
  f.lstGegenkonten[0].Belegdatum = true;
  f.KontoEntfernen(false, -1);
  EXPECT_EQ(suite_.Messages().LastText(), "Bitte erst ein Konto selektieren.");
  f.btnEinstellungSpeichernClick();
  EXPECT_EQ(suite_.Messages().LastText(), "Die Einstellungen wurden gebucht.");
  EXPECT_EQ(Gespeichert("1/1+KASBER", "ZUSAKRITER"), "FILIALE");
  EXPECT_EQ(Gespeichert("1/1+KASBER", "INHALTTEXT"), "KBNUMMER");
  EXPECT_EQ(Gespeichert("1/1+KASBER", "ZUSAGGKTO"), "ERLWARE+19=J");
  EXPECT_EQ(Gespeichert("1/1", "ZUSAKRITER"), "-");  // "Alle" untouched

  // Back on "Alle" nothing of it shows; on "Kassenbericht" everything does.
  f.cmbHerkunft = 0;
  f.HerkunftProfilGeaendert();
  EXPECT_EQ(f.cmbKriterien, 0);
  EXPECT_FALSE(f.chkNurListe);
  f.cmbHerkunft = 1;
  f.HerkunftProfilGeaendert();
  EXPECT_EQ(f.cmbKriterien, 1);
  EXPECT_TRUE(f.chkNurListe);
  ASSERT_EQ(f.lstGegenkonten.size(), 1u);
  EXPECT_TRUE(f.lstGegenkonten[0].Belegdatum);
  EXPECT_FALSE(f.rbAnhaengen);

  f.btnEinstellungLoeschenClick();
  EXPECT_EQ(suite_.Messages().LastText(), "Die Einstellungen wurden gelöscht.");
  EXPECT_EQ(f.cmbKriterien, 0);
  EXPECT_TRUE(f.lstGegenkonten.empty());
  EXPECT_EQ(Gespeichert("1/1+KASBER", "ZUSAKRITER"), "-");

  // Closed, the program's record holds the settings of the origin in use again.
  f.cmbKriterien = 3;
  f.btnEinstellungSpeichernClick();
  f.btnZurueckClick();
  EXPECT_EQ(daten_->Einstellungen().Herkunft, "ALLE");
  EXPECT_EQ(daten_->Einstellungen().Kriterien, "KEINE");
}

TEST_F(WeitereEinstellungen, AnOriginWithoutProfileIsNotStoredWhenThereAreSeveralProfiles) {
  daten_->profile = {"Filiale Nord", "Filiale Süd"};
  form_->FormShow();
  EXPECT_TRUE(form_->ProfilSichtbar());
  form_->cmbHerkunft = 1;
  form_->HerkunftProfilGeaendert();
  form_->cmbKriterien = 2;
  form_->btnEinstellungSpeichernClick();
  ASSERT_GE(suite_.Messages().Count(), 2u);
  EXPECT_EQ(suite_.Messages().Messages()[suite_.Messages().Count() - 2].text.rfind("Hinweis:\rWenn mehrere Profile", 0), 0u);
  EXPECT_EQ(suite_.Messages().LastText(), "Die Einstellungen zur Herkunft wurden NICHT gebucht.");
  EXPECT_EQ(Gespeichert("1/1+KASBER", "ZUSAKRITER"), "-");
  // With its profile it is stored under origin and profile.
  form_->cmbProfil = 2;
  form_->btnEinstellungSpeichernClick();
  EXPECT_EQ(Gespeichert("1/1+KASBER+Filiale Süd", "ZUSAKRITER"), "FILIALEDATUM");
}

TEST_F(WeitereEinstellungen, RatesOfTheChosenChangeDateAndThePartnerNumbering) {
  auto& f = *form_;
  ASSERT_EQ(f.lstAenderungen, (std::vector<TDateTime>{39083, 44013, 44197}));
  f.AenderungWaehlen(2);  // 01.01.2021
  EXPECT_EQ(f.edtAbDatum, "01.01.2021");
  EXPECT_EQ(f.cmbVoll.Texte(), (std::vector<std::string>{"Normal: 19,00 Prozent",
                                                          "Reduziert: 7,00 Prozent"}));
  EXPECT_EQ(f.cmbFruehererVoll.Texte().at(0), "Normal: 16,00 Prozent");
  f.chkAutoKont = true;
  f.cmbVoll.Index = 0;
  f.cmbReduziert.Index = 1;
  f.cmbFruehererVoll.Index = 0;
  f.cmbFruehererReduziert.Index = 1;
  f.edtSpeziellProzent = "5,5";
  f.chkKreditoren = true;
  f.cmbKreditorenArt = 0;
  f.cmbDebitorenArt = TSaldixWeitereEinstellungen::CDebitorenKonto;
  f.DebitorenArtGeaendert();
  f.cmbDebitorenWert = 0;  // the customer number
  f.edtStellen = "5";
  f.StellenGeaendert();
  EXPECT_EQ(f.edtSchema, "00000");
  f.edtSchema = "10000";
  f.btnBuchenClick();
  ASSERT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(Gespeichert("1/1", "AUKTOVOLL"), "1900");
  EXPECT_EQ(Gespeichert("1/1", "AUKTOREDU"), "0700");
  EXPECT_EQ(Gespeichert("1/1", "AUKTOALT_"), "1600");
  EXPECT_EQ(Gespeichert("1/1", "AUKTOALTR"), "0500");
  EXPECT_EQ(Gespeichert("1/1", "AUKTOSPEZ"), "0550");
  EXPECT_EQ(Gespeichert("1/1", "AUKTOADAT"), "01.01.2021");
  EXPECT_EQ(Gespeichert("1/1", "DEBSCHEMA"), "10000");
  Neu();
  const TEinstellungen& e = daten_->Einstellungen();
  EXPECT_EQ(e.KreditorenZuordnung, (TIntPair{3, 1}));
  EXPECT_EQ(e.DebitorenZuordnung, CDebitorenKundennummer);
  EXPECT_EQ(form_->cmbAenderung, 2);
  EXPECT_EQ(form_->cmbVoll.Index, 0);
  EXPECT_EQ(form_->cmbSpeziell.Index, -1);
  EXPECT_EQ(form_->edtSpeziellProzent, "5,5");
  EXPECT_EQ(form_->edtStellen, "5");
}

}  // namespace

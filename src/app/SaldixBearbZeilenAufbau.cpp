#include "app/SaldixBearbZeilenAufbau.h"

#include "app/SaldixBearbInhalt.h"
#include "data/BookingTexts.h"
#include "suite/FBDEMani.h"
#include "suite/Text.h"

namespace {
bool IstRechnungsvorfall(const std::string& vorfall) {
  return vorfall == "ARE" || vorfall == "ELA" || vorfall == "AGU" || vorfall == "ASG" ||
         vorfall == "ERT";
}
}  // namespace

TZeilenAufbau::TZeilenAufbau(const TBearbDienste& dienste,
                             const TListenEinstellungen& einstellungen,
                             const TListenExporter& exporter, std::int32_t abrNr,
                             std::int32_t abrJahr)
    : dienste_(dienste),
      einstellungen_(einstellungen),
      exporter_(exporter),
      abrNr_(abrNr),
      abrJahr_(abrJahr),
      aufgeloest_(dienste.Buchungen.SaetzeAufgeloest()),
      waehrung_(dienste.Konten.Programmwaehrung()) {}

const std::string& TZeilenAufbau::PartnerName(TIntPair gepNr) {
  if (!(gepNr == letzterPartner_)) {
    letzterPartner_ = gepNr;
    letzterPartnerName_ = gepNr.IsEmpty() ? std::string() : dienste_.Belege.GEPGet_Name(gepNr);
  }
  return letzterPartnerName_;
}

TZeilenWerte TZeilenAufbau::Aufbauen(const TBuchungsRohsatz& satz) {
  TZeilenEntwurf& w = entwurf_;
  w.Leeren();
  w.SetGanzzahl(TSpalte::Level, 4);
  Betraege(satz, w);
  Konten(satz, w);
  w.SetText(TSpalte::GepName, aufgeloest_ ? satz.GepBez : PartnerName(satz.GepNr));
  w.SetGanzzahl(TSpalte::GepRNr, satz.GepNr.Nr1);
  w.SetGanzzahl(TSpalte::GepLNr, satz.GepNr.Nr2);
  w.SetText(TSpalte::UStID, satz.UStID);
  w.SetDatum(TSpalte::Belegdatum, satz.Belegdatum);
  w.SetDatum(TSpalte::Buchungsdatum, satz.Buchungsdatum);
  w.SetText(TSpalte::Belegart, satz.Belegart);
  w.SetText(TSpalte::Verweisart, satz.Verw1Art);
  w.SetGanzzahl(TSpalte::Verweis1, satz.Verw1RNr);
  w.SetGanzzahl(TSpalte::Verweis2, satz.Verw1LNr);
  w.SetText(TSpalte::ZMZusatz, satz.ZMZusatz);
  w.SetText(TSpalte::Protokollnummer, FBDEIdentText(satz.Ident()));
  w.SetGanzzahl(TSpalte::Menge, satz.Menge);
  w.SetGanzzahl(TSpalte::Filiale, satz.Filiale);
  w.SetText(TSpalte::Vorfall, satz.FiBuGVorfall);
  // A booking without a cost centre shows its cash register's.
  const std::int32_t kost1 =
      satz.Kost1 != 0 ? satz.Kost1 : dienste_.Buchungen.Kostenstelle(satz.BelegRNr, satz.Filiale);
  w.SetText(TSpalte::KoSt1, kost1 == 0 ? std::string() : std::to_string(kost1));
  w.SetText(TSpalte::KoSt2, satz.Kost2 == 0 ? std::string() : std::to_string(satz.Kost2));
  w.SetGanzzahl(TSpalte::Kost1Org, satz.Kost1);
  w.SetGanzzahl(TSpalte::Kost2Org, satz.Kost2);
  w.SetGanzzahl(TSpalte::BelegRNr, satz.BelegRNr);
  w.SetGanzzahl(TSpalte::BelegLNr, satz.BelegLNr);
  w.SetGanzzahl(TSpalte::BelegSNr, satz.BelegSNr);
  w.SetText(TSpalte::Beleg1Org, satz.Beleg1);
  w.SetText(TSpalte::Beleg2Org, satz.Beleg2);
  if (satz.FiBuGVorfall == "GUTSAUSGA") {
    w.SetText(TSpalte::GutscheinZahlungsart,
              dienste_.Belege.GetZMBeiGutschein(satz.Firma, {satz.BelegRNr, satz.BelegLNr}));
  }
  if (exporter_.Zahlungsreferenz && IstRechnungsvorfall(satz.FiBuGVorfall)) {
    w.SetText(TSpalte::Zahlungsreferenz,
              dienste_.Belege.Zahlungsreferenz(
                  {satz.BelegRNr, satz.BelegLNr, static_cast<std::int16_t>(satz.BelegSNr)}));
  }
  if (exporter_.LieferLand) {
    long double euSteuer = 0;
    w.SetText(TSpalte::EULand, dienste_.Belege.GetLieferLand(satz.BelegRNr, satz.BelegLNr, euSteuer));
    w.SetBetrag(TSpalte::EUSteuer, euSteuer);
  }
  TInhaltQuelle quelle(satz, dienste_.Belege, dienste_.Konten, abrNr_, abrJahr_);
  Belegdaten(satz, w, quelle);
  Inhalte(satz, w, quelle);
  // With automatic accounts every booking begins as a pair of its own.
  if (einstellungen_.AutoKont && exporter_.Automatikkonten) {
    w.SetText(TSpalte::AKIdent, dienste_.Konten.CreateIdent());
  }
  return w.Fertig();
}

void TZeilenAufbau::Betraege(const TBuchungsRohsatz& satz, TZeilenEntwurf& w) {
  long double soll = satz.BetragSoll;
  long double haben = satz.BetragHaben;
  if (!satz.Waehrung.empty() && !qtx_strmatch(satz.Waehrung, waehrung_)) {
    soll = dienste_.Konten.Umrechnen(soll, satz.Waehrung);
    haben = dienste_.Konten.Umrechnen(haben, satz.Waehrung);
  }
  w.SetBetrag(TSpalte::BuchBetragSoll, soll);
  w.SetBetrag(TSpalte::BuchBetragHaben, haben);
  w.SetText(TSpalte::Waehrung, waehrung_);
  w.SetText(TSpalte::SollHaben, soll - haben <= 0.005L ? "H" : "S");
}

void TZeilenAufbau::Konten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w) {
  w.SetText(TSpalte::KontoName, satz.KtoName);
  w.SetText(TSpalte::GegenkontoName, satz.GegenKtoName);
  w.SetText(TSpalte::KontoZusatz, satz.KtoZusatz);
  w.SetText(TSpalte::GegenkontoZusatz, satz.GegenKtoZusatz);
  if (aufgeloest_) {
    w.SetText(TSpalte::Konto, satz.KtoKurzBez);
    w.SetText(TSpalte::Gegenkonto, satz.GegenKtoKurzBez);
    w.SetText(TSpalte::KontoBez, satz.KtoBez);
    w.SetText(TSpalte::GegenkontoBez, satz.GegenKtoBez);
    return;
  }
  auto& konten = dienste_.Konten;
  const auto filiale = static_cast<std::int16_t>(satz.Filiale);
  const std::int32_t konto = konten.Get_Konto_Nummer(satz.KtoName, satz.KtoZusatz, satz.Belegdatum,
                                                     satz.GepNr, satz.BelegRNr, filiale);
  const std::int32_t gegen = konten.Get_Konto_Nummer(
      satz.GegenKtoName, satz.GegenKtoZusatz, satz.Belegdatum, satz.GepNr, satz.BelegRNr, filiale);
  w.SetText(TSpalte::Konto, KontoKurzText(konto, satz.KtoName, satz.KtoZusatz));
  w.SetText(TSpalte::Gegenkonto, KontoKurzText(gegen, satz.GegenKtoName, satz.GegenKtoZusatz));
  w.SetText(TSpalte::KontoBez,
            konten.Get_Konto_Bezeichnung(satz.KtoName, satz.KtoZusatz, satz.Belegdatum));
  w.SetText(TSpalte::GegenkontoBez,
            konten.Get_Konto_Bezeichnung(satz.GegenKtoName, satz.GegenKtoZusatz, satz.Belegdatum));
}

void TZeilenAufbau::Belegdaten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w,
                               TInhaltQuelle& quelle) {
  if (satz.BelegRNr == 0 && satz.BelegLNr == 0) return;
  const TListenBelegDaten& beleg = quelle.Beleg();
  w.SetText(TSpalte::Belegnr, beleg.BelegNr);
  w.SetText(TSpalte::DokumentenNr, beleg.DokumentenNr);
  w.SetText(TSpalte::ExtBelegNr, beleg.BelegNrExt);
  w.SetDatum(TSpalte::Valutadatum, beleg.Valutadatum);
  w.SetGanzzahl(TSpalte::Nettotage, beleg.Nettotage);
  w.SetGanzzahl(TSpalte::SkontoProz1, beleg.SkontoProz1);
  w.SetGanzzahl(TSpalte::SkontoTage1, beleg.SkontoTage1);
  w.SetGanzzahl(TSpalte::SkontoProz2, beleg.SkontoProz2);
  w.SetGanzzahl(TSpalte::SkontoTage2, beleg.SkontoTage2);
}

void TZeilenAufbau::Inhalte(const TBuchungsRohsatz& satz, TZeilenEntwurf& w,
                            TInhaltQuelle& quelle) {
  quelle.GepName = std::string(w.Text(TSpalte::GepName));
  quelle.GegenKtoBez = std::string(w.Text(TSpalte::GegenkontoBez));
  quelle.BU = std::string(w.Text(TSpalte::BU));
  quelle.Beschreibung = dienste_.Konten.TextOhneZeilenumbruch(satz.Beschreibung);
  const bool anhaengen = einstellungen_.InhaltTextAnhaengen;
  const std::string beleg1 =
      InhaltWert(einstellungen_.InhaltBeleg1, TInhaltFeld::Beleg1, quelle, anhaengen);
  const std::string beleg2 =
      InhaltWert(einstellungen_.InhaltBeleg2, TInhaltFeld::Beleg2, quelle, anhaengen);
  const std::string text =
      InhaltWert(einstellungen_.InhaltText, TInhaltFeld::Text, quelle, anhaengen);
  w.SetText(TSpalte::Beleg1, beleg1);
  w.SetText(TSpalte::ExportBeleg1, beleg1);
  w.SetText(TSpalte::Beleg2, beleg2);
  w.SetText(TSpalte::ExportBeleg2, beleg2);
  w.SetText(TSpalte::Beschreibung, text);
  w.SetText(TSpalte::ExportBeschreibung, text);
}

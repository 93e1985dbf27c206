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
  w.SetGanzzahl(Sp::Level, 4);
  Betraege(satz, w);
  Konten(satz, w);
  w.SetText(Sp::GepName, aufgeloest_ ? satz.GepBez : PartnerName(satz.GepNr));
  w.SetGanzzahl(Sp::GepRNr, satz.GepNr.Nr1);
  w.SetGanzzahl(Sp::GepLNr, satz.GepNr.Nr2);
  w.SetText(Sp::UStID, satz.UStID);
  w.SetDatum(Sp::Belegdatum, satz.Belegdatum);
  w.SetDatum(Sp::Buchungsdatum, satz.Buchungsdatum);
  w.SetText(Sp::Belegart, satz.Belegart);
  w.SetText(Sp::Verweisart, satz.Verw1Art);
  w.SetGanzzahl(Sp::Verweis1, satz.Verw1RNr);
  w.SetGanzzahl(Sp::Verweis2, satz.Verw1LNr);
  w.SetText(Sp::ZMZusatz, satz.ZMZusatz);
  w.SetText(Sp::Protokollnummer, FBDEIdentText(satz.Ident()));
  w.SetGanzzahl(Sp::Menge, satz.Menge);
  w.SetGanzzahl(Sp::Filiale, satz.Filiale);
  w.SetText(Sp::Vorfall, satz.FiBuGVorfall);
  // A booking without a cost centre shows its cash register's.
  const std::int32_t kost1 =
      satz.Kost1 != 0 ? satz.Kost1 : dienste_.Buchungen.Kostenstelle(satz.BelegRNr, satz.Filiale);
  w.SetText(Sp::KoSt1, kost1 == 0 ? std::string() : std::to_string(kost1));
  w.SetText(Sp::KoSt2, satz.Kost2 == 0 ? std::string() : std::to_string(satz.Kost2));
  w.SetGanzzahl(Sp::Kost1Org, satz.Kost1);
  w.SetGanzzahl(Sp::Kost2Org, satz.Kost2);
  w.SetGanzzahl(Sp::BelegRNr, satz.BelegRNr);
  w.SetGanzzahl(Sp::BelegLNr, satz.BelegLNr);
  w.SetGanzzahl(Sp::BelegSNr, satz.BelegSNr);
  w.SetText(Sp::Beleg1Org, satz.Beleg1);
  w.SetText(Sp::Beleg2Org, satz.Beleg2);
  if (satz.FiBuGVorfall == "GUTSAUSGA") {
    w.SetText(Sp::GutscheinZahlungsart,
              dienste_.Belege.GetZMBeiGutschein(satz.Firma, {satz.BelegRNr, satz.BelegLNr}));
  }
  if (exporter_.Zahlungsreferenz && IstRechnungsvorfall(satz.FiBuGVorfall)) {
    w.SetText(Sp::Zahlungsreferenz,
              dienste_.Belege.Zahlungsreferenz(
                  {satz.BelegRNr, satz.BelegLNr, static_cast<std::int16_t>(satz.BelegSNr)}));
  }
  if (exporter_.LieferLand) {
    long double euSteuer = 0;
    w.SetText(Sp::EULand, dienste_.Belege.GetLieferLand(satz.BelegRNr, satz.BelegLNr, euSteuer));
    w.SetBetrag(Sp::EUSteuer, euSteuer);
  }
  TInhaltQuelle quelle(satz, dienste_.Belege, dienste_.Konten, abrNr_, abrJahr_);
  Belegdaten(satz, w, quelle);
  Inhalte(satz, w, quelle);
  // With automatic accounts every booking begins as a pair of its own.
  if (einstellungen_.AutoKont && exporter_.Automatikkonten) {
    w.SetText(Sp::AKIdent, dienste_.Konten.CreateIdent());
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
  w.SetBetrag(Sp::BuchBetragSoll, soll);
  w.SetBetrag(Sp::BuchBetragHaben, haben);
  w.SetText(Sp::Waehrung, waehrung_);
  w.SetText(Sp::SollHaben, soll - haben <= 0.005L ? "H" : "S");
}

void TZeilenAufbau::Konten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w) {
  w.SetText(Sp::KontoName, satz.KtoName);
  w.SetText(Sp::GegenkontoName, satz.GegenKtoName);
  w.SetText(Sp::KontoZusatz, satz.KtoZusatz);
  w.SetText(Sp::GegenkontoZusatz, satz.GegenKtoZusatz);
  if (aufgeloest_) {
    w.SetText(Sp::Konto, satz.KtoKurzBez);
    w.SetText(Sp::Gegenkonto, satz.GegenKtoKurzBez);
    w.SetText(Sp::KontoBez, satz.KtoBez);
    w.SetText(Sp::GegenkontoBez, satz.GegenKtoBez);
    return;
  }
  auto& konten = dienste_.Konten;
  const auto filiale = static_cast<std::int16_t>(satz.Filiale);
  const std::int32_t konto = konten.Get_Konto_Nummer(satz.KtoName, satz.KtoZusatz, satz.Belegdatum,
                                                     satz.GepNr, satz.BelegRNr, filiale);
  const std::int32_t gegen = konten.Get_Konto_Nummer(
      satz.GegenKtoName, satz.GegenKtoZusatz, satz.Belegdatum, satz.GepNr, satz.BelegRNr, filiale);
  w.SetText(Sp::Konto, KontoKurzText(konto, satz.KtoName, satz.KtoZusatz));
  w.SetText(Sp::Gegenkonto, KontoKurzText(gegen, satz.GegenKtoName, satz.GegenKtoZusatz));
  w.SetText(Sp::KontoBez,
            konten.Get_Konto_Bezeichnung(satz.KtoName, satz.KtoZusatz, satz.Belegdatum));
  w.SetText(Sp::GegenkontoBez,
            konten.Get_Konto_Bezeichnung(satz.GegenKtoName, satz.GegenKtoZusatz, satz.Belegdatum));
}

void TZeilenAufbau::Belegdaten(const TBuchungsRohsatz& satz, TZeilenEntwurf& w,
                               TInhaltQuelle& quelle) {
  if (satz.BelegRNr == 0 && satz.BelegLNr == 0) return;
  const TListenBelegDaten& beleg = quelle.Beleg();
  w.SetText(Sp::Belegnr, beleg.BelegNr);
  w.SetText(Sp::DokumentenNr, beleg.DokumentenNr);
  w.SetText(Sp::ExtBelegNr, beleg.BelegNrExt);
  w.SetDatum(Sp::Valutadatum, beleg.Valutadatum);
  w.SetGanzzahl(Sp::Nettotage, beleg.Nettotage);
  w.SetGanzzahl(Sp::SkontoProz1, beleg.SkontoProz1);
  w.SetGanzzahl(Sp::SkontoTage1, beleg.SkontoTage1);
  w.SetGanzzahl(Sp::SkontoProz2, beleg.SkontoProz2);
  w.SetGanzzahl(Sp::SkontoTage2, beleg.SkontoTage2);
}

void TZeilenAufbau::Inhalte(const TBuchungsRohsatz& satz, TZeilenEntwurf& w,
                            TInhaltQuelle& quelle) {
  quelle.GepName = std::string(w.Text(Sp::GepName));
  quelle.GegenKtoBez = std::string(w.Text(Sp::GegenkontoBez));
  quelle.BU = std::string(w.Text(Sp::BU));
  quelle.Beschreibung = dienste_.Konten.TextOhneZeilenumbruch(satz.Beschreibung);
  const bool anhaengen = einstellungen_.InhaltTextAnhaengen;
  const std::string beleg1 =
      InhaltWert(einstellungen_.InhaltBeleg1, TInhaltFeld::Beleg1, quelle, anhaengen);
  const std::string beleg2 =
      InhaltWert(einstellungen_.InhaltBeleg2, TInhaltFeld::Beleg2, quelle, anhaengen);
  const std::string text =
      InhaltWert(einstellungen_.InhaltText, TInhaltFeld::Text, quelle, anhaengen);
  w.SetText(Sp::Beleg1, beleg1);
  w.SetText(Sp::ExportBeleg1, beleg1);
  w.SetText(Sp::Beleg2, beleg2);
  w.SetText(Sp::ExportBeleg2, beleg2);
  w.SetText(Sp::Beschreibung, text);
  w.SetText(Sp::ExportBeschreibung, text);
}

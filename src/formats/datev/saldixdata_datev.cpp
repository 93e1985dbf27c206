#include "formats/datev/saldixdata_datev.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "formats/datev/DatevTabellen.h"
#include "formats/datev/fibuexporter_datev.h"
#include "suite/BGV.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"

namespace {

bool EinerVon(const std::string& vorfall, std::initializer_list<std::string_view> codes) {
  for (auto code : codes) {
    if (qtx_strmatch(vorfall, code)) return true;
  }
  return false;
}

// Two characters of the field identifier as a number; 0 when they are none.
int FeldNummer(const std::string& kennung, std::size_t pos) {
  if (kennung.size() < pos + 2) return 0;
  return StrToIntDef(std::string_view(kennung).substr(pos, 2), 0);
}

bool BeginntMit(const std::string& text, std::string_view anfang) {
  return text.compare(0, anfang.size(), anfang) == 0;
}

}  // namespace

bool IstBelegVorfall(const std::string& AVorfall) {
  return EinerVon(AVorfall, {BGV_ARE, BGV_ELA, BGV_AGU, BGV_ASG, BGV_ERT});
}

TBuchungsAnreicherungKlasse DatevAnreicherung() {
  return [](IExportBelegQuelle& quelle, TFibuExporter* exporter) {
    return std::make_unique<TSaldixData_Datev>(quelle, exporter);
  };
}

void TSaldixData_Datev::Init(int ALfdNr) {
  FLfdNr = ALfdNr;
  FFelderZugeordnet.reset();
}

void TSaldixData_Datev::FuelleBuchInfoZusatz(const TFibuExportBuchInfo& ABuchInfo,
                                             TFibuExportBuchInfoZusatz& ABuchInfoZusatz,
                                             const TIntTrio& AIdent,
                                             const std::string& AVorfall) {
  Guarded("TSaldixData_Datev.FuelleBuchInfoZusatz", [&] {
    if (FExporter && FExporter->ExportOrderID() && IstBelegVorfall(AVorfall)) {
      if (auto kopf = FQuelle.Belegkopf(AIdent)) ABuchInfoZusatz.AuftragsNr = kopf->OrderID;
    }
    if (FFelderZugeordnet == false) return;
    if (!FFelderZugeordnet) FFelderZugeordnet = false;

    const auto* datev = dynamic_cast<const TFibuExporter_Datev*>(FExporter);
    if (!datev) return;
    for (const auto& feld : datev->ZusatzFelderListe()) {
      TFibuInfoZusatz* ziel = nullptr;
      if (BeginntMit(feld.FeldKennung, "BELEG")) {
        const int n = FeldNummer(feld.FeldKennung, 5);
        if (n >= 1 && n <= datev::CAnzahlBelegFelder) ziel = &ABuchInfoZusatz.BelegItem(n);
      } else if (BeginntMit(feld.FeldKennung, "ZUSATZ")) {
        const int n = FeldNummer(feld.FeldKennung, 6);
        if (n >= 1 && n <= datev::CAnzahlZusatzFelder) ziel = &ABuchInfoZusatz.ZusatzItem(n);
      }
      if (!ziel) continue;
      std::string text;
      int inhalt = 0;
      FuelleFeld(ABuchInfo, feld.InhaltKennung, text, AIdent, AVorfall, inhalt);
      ziel->Inhalt = text;
      if (!text.empty()) ziel->Art = datev::DatevInhalt(inhalt).Kurzname;
    }
  });
}

void TSaldixData_Datev::FuelleFeld(const TFibuExportBuchInfo& ABuchInfo,
                                   const std::string& AInhaltKennung, std::string& AText,
                                   const TIntTrio& AIdent, const std::string& AVorfall,
                                   int& AInhalt) {
  AText.clear();
  AInhalt = datev::diKeiner;
  if (AInhaltKennung.empty()) return;
  FFelderZugeordnet = true;
  Guarded("TSaldixData_Datev.FuelleFeld", [&] {
    AInhalt = datev::DatevInhaltNummer(AInhaltKennung);
    AText = Feldwert(AInhalt, ABuchInfo, AIdent, AVorfall, IstBelegVorfall(AVorfall));
  });
}

std::string TSaldixData_Datev::Feldwert(int inhalt, const TFibuExportBuchInfo& b,
                                        const TIntTrio& ident, const std::string& vorfall,
                                        bool beleg) {
  using namespace datev;
  switch (inhalt) {
    case diFirma: return FQuelle.AktTextMandant();
    case diLfdNr: return std::to_string(++FLfdNr);
    case diBuchDatum1: return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", b.BuchungsDatum);
    case diBuchDatum2: return FormatDateTime("yymmdd", b.BuchungsDatum);
    case diBuchDatum3: return FormatDateTime("dd.mm.yyyy", b.BuchungsDatum);
    case diBelegDatum1: return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", b.BelegDatum);
    case diBelegDatum2: return FormatDateTime("yymmdd", b.BelegDatum);
    case diBelegDatum3: return FormatDateTime("dd.mm.yyyy", b.BelegDatum);
    case diDokumentArt:
      if (EinerVon(vorfall, {BGV_EINGRE, BGV_ARE, BGV_ELA})) return "R";
      if (EinerVon(vorfall, {BGV_EGU, BGV_ESG, BGV_AGU, BGV_ASG, BGV_ERT})) return "G";
      return {};
    case diBelegNr: return b.Belegnr;
    case diExtBelegNr: return b.ExtBelegNr;
    case diZahlReferenz:
      if (FExporter && FExporter->Zahlungsreferenz()) return b.ZahlungsRef;
      return beleg ? FQuelle.Zahlungsreferenz(ident) : std::string();
    default: break;
  }
  if (!beleg) return {};
  switch (inhalt) {
    case diLieferland: return b.EULand;
    case diSteuersatz: return Format("%2.2f", b.EUSteuer);
    case diSubHerkunft: return FQuelle.Get_Subherkunft_4_Beleg(ident);
    case diKundenNr: return Kundennummer(ident);
    case diVersandkosten: return Positionssumme(ident, true);
    case diGutschein: return Positionssumme(ident, false);
    case diLieferAdresse: return Lieferadresse(ident);
    default: break;
  }
  const auto kopf = FQuelle.Belegkopf(ident);
  if (!kopf) return {};
  switch (inhalt) {
    case diOrderId: return kopf->OrderID;
    case diHerkunft1: return Trim(kopf->HerkunftKuerzel);
    case diHerkunft2: return Trim(kopf->HerkunftText);
    case diZahlart1: return Trim(kopf->ZahlartKuerzel);
    case diZahlart2: return Trim(kopf->ZahlartText);
    default: return {};
  }
}

std::string TSaldixData_Datev::Kundennummer(const TIntTrio& ident) {
  const auto kopf = FQuelle.Belegkopf(ident);
  if (!kopf || kopf->GepNr.IsEmpty() || kopf->FirmaNr.IsEmpty()) return {};
  int nummer = FQuelle.Kundennummer(kopf->GepNr, kopf->FirmaNr);
  if (nummer == -1) nummer = FQuelle.Kundennummer(kopf->GepNr, TIntPair{});
  if (nummer == -1) nummer = 0;
  return std::to_string(nummer);
}

std::string TSaldixData_Datev::Positionssumme(const TIntTrio& ident, bool versand) {
  const auto positionen = FQuelle.ArtikelPositionen(ident);
  if (!positionen) return {};
  long double summe = 0;
  for (const auto& position : *positionen) {
    if (versand && FQuelle.LAR_Ist_Versand(position.LarNr)) summe += position.Betrag;
    if (!versand && FQuelle.LAR_Ist_Gutschein(position.LarNr)) summe += std::fabs(position.Betrag);
  }
  return Format("%7.2f", summe);
}

std::string TSaldixData_Datev::Lieferadresse(const TIntTrio& ident) {
  const auto kopf = FQuelle.Belegkopf(ident);
  if (!kopf) return {};
  std::optional<TAdresse> adresse = kopf->Lieferadresse;
  if (!adresse) {
    adresse = FQuelle.PartnerAdresse(kopf->LieferGepNr.IsEmpty() ? kopf->GepNr : kopf->LieferGepNr);
  }
  if (!adresse) return {};
  const auto& a = *adresse;
  return Trim(a.Vorname + " " + a.Name + ", " + a.Strasse + " " + a.Hausnummer + ", " + a.Land +
              "-" + a.Plz + " " + a.Ort);
}

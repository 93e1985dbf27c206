#include "app/SaldixBelegQuelle.h"

TSaldixBelegQuelle::TSaldixBelegQuelle(TSaldixDaten& daten)
    : d_(daten), kennzeichen_(daten.Auskunft().Quellen().Connection()) {}

std::string TSaldixBelegQuelle::AktTextMandant() { return d_.Modul().AktTextMandant; }

std::optional<TExportBelegkopf> TSaldixBelegQuelle::Belegkopf(const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
  if (!beleg) return std::nullopt;
  const TBelegKopf& k = beleg->Kopf;
  TExportBelegkopf kopf;
  kopf.OrderID = k.OrderID;
  kopf.HerkunftKuerzel = kennzeichen_.Herkunftskennzeichen_2_Char(k.HerkunftKz);
  kopf.HerkunftText = kennzeichen_.Herkunftskennzeichen_2_String(k.HerkunftKz);
  kopf.ZahlartKuerzel = kennzeichen_.Zahlungsart_2_Kuerzel(k.Zahlungsart);
  kopf.ZahlartText = kennzeichen_.Zahlungsart_2_Bezeichnung(k.Zahlungsart);
  kopf.GepNr = k.GepNr;
  kopf.FirmaNr = k.Firma;
  kopf.LieferGepNr = k.LieferGepNr;
  kopf.Lieferadresse = d_.Auskunft().Quellen().BelegServer().Lieferadresse(k.Ident);
  return kopf;
}

std::optional<std::vector<TExportPosition>> TSaldixBelegQuelle::ArtikelPositionen(
    const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().BelegKomplett(ident);
  if (!beleg) return std::nullopt;
  std::vector<TExportPosition> positionen;
  positionen.reserve(beleg->Positionen.size());
  for (const TBelegPosition& p : beleg->Positionen) positionen.push_back({p.LarNr, p.Betrag});
  return positionen;
}

std::string TSaldixBelegQuelle::Get_Subherkunft_4_Beleg(const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
  return beleg ? beleg->Kopf.Subherkunft : std::string();
}

std::optional<TAdresse> TSaldixBelegQuelle::PartnerAdresse(const TIntPair& gepNr) {
  return d_.Auskunft().Quellen().GPListenServer().GetAdresse(gepNr);
}

bool TSaldixBelegQuelle::LAR_Ist_Versand(const TIntTrio& lar) {
  return d_.Auskunft().Vorgaenge().LAR_Ist_Versand(lar);
}

bool TSaldixBelegQuelle::LAR_Ist_Gutschein(const TIntTrio& lar) {
  return d_.Auskunft().Vorgaenge().LAR_Ist_Gutschein(lar);
}

std::string TSaldixBelegQuelle::Zahlungsreferenz(const TIntTrio& ident) {
  return d_.Auskunft().Belege().Zahlungsreferenz(ident);
}

int TSaldixBelegQuelle::Kundennummer(const TIntPair& gepNr, const TIntPair&) {
  const int nummer = d_.Auskunft().Belege().GEPGet_Kundennummer(gepNr);
  return nummer > 0 ? nummer : -1;
}

void TExportAnreicherung::Init(int maxLfdNr) {
  felder_.reset();
  start_ = maxLfdNr;
  const TFibuExpRegInfo* row = row_();
  if (row == nullptr || !row->Anreicherung) return;
  felder_ = row->Anreicherung(quelle_, exporter_());
  if (felder_) felder_->Init(maxLfdNr);
}

void TExportAnreicherung::Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
                                  const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) {
  if (felder_) felder_->Fuellen(buchung, beleg, vorfall, zusatz);
}

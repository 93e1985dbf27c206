#include "app/SaldixDatevAnbindung.h"

TDatevBelegQuelle::TDatevBelegQuelle(TSaldixDaten& daten)
    : d_(daten), kennzeichen_(daten.Auskunft().Quellen().Connection()) {}

std::string TDatevBelegQuelle::AktTextMandant() { return d_.Modul().AktTextMandant; }

std::optional<TDatevBelegkopf> TDatevBelegQuelle::Belegkopf(const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
  if (!beleg) return std::nullopt;
  const TBelegKopf& k = beleg->Kopf;
  TDatevBelegkopf kopf;
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

std::optional<std::vector<TDatevPosition>> TDatevBelegQuelle::ArtikelPositionen(
    const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().BelegKomplett(ident);
  if (!beleg) return std::nullopt;
  std::vector<TDatevPosition> positionen;
  positionen.reserve(beleg->Positionen.size());
  for (const TBelegPosition& p : beleg->Positionen) positionen.push_back({p.LarNr, p.Betrag});
  return positionen;
}

std::string TDatevBelegQuelle::Get_Subherkunft_4_Beleg(const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
  return beleg ? beleg->Kopf.Subherkunft : std::string();
}

std::optional<TDatevAdresse> TDatevBelegQuelle::PartnerAdresse(const TIntPair& gepNr) {
  return d_.Auskunft().Quellen().GPListenServer().GetAdresse(gepNr);
}

bool TDatevBelegQuelle::LAR_Ist_Versand(const TIntTrio& lar) {
  return d_.Auskunft().Vorgaenge().LAR_Ist_Versand(lar);
}

bool TDatevBelegQuelle::LAR_Ist_Gutschein(const TIntTrio& lar) {
  return d_.Auskunft().Vorgaenge().LAR_Ist_Gutschein(lar);
}

std::string TDatevBelegQuelle::Zahlungsreferenz(const TIntTrio& ident) {
  return d_.Auskunft().Belege().Zahlungsreferenz(ident);
}

int TDatevBelegQuelle::Kundennummer(const TIntPair& gepNr, const TIntPair&) {
  const int nummer = d_.Auskunft().Belege().GEPGet_Kundennummer(gepNr);
  return nummer > 0 ? nummer : -1;
}

void TDatevFeldzuordnung::Init(int maxLfdNr) {
  felder_ = std::make_unique<TSaldixData_Datev>(quelle_, exporter_());
  felder_->Init(maxLfdNr);
}

void TDatevFeldzuordnung::Fuellen(const TFibuExportBuchInfo& buchung, const TIntTrio& beleg,
                                  const std::string& vorfall, TFibuExportBuchInfoZusatz& zusatz) {
  if (felder_) felder_->FuelleBuchInfoZusatz(buchung, zusatz, beleg, vorfall);
}

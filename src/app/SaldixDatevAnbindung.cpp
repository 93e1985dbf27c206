#include "app/SaldixDatevAnbindung.h"

std::string TDatevBelegQuelle::AktTextMandant() { return d_.Modul().AktTextMandant; }

std::optional<TDatevBelegkopf> TDatevBelegQuelle::Belegkopf(const TIntTrio& ident) {
  const auto beleg = d_.Auskunft().Belege().Belegkopf(ident);
  if (!beleg) return std::nullopt;
  // Origin mark and payment kind are not kept by the suite database; they stay empty.
  TDatevBelegkopf kopf;
  kopf.OrderID = beleg->Kopf.OrderID;
  kopf.GepNr = beleg->Kopf.GepNr;
  kopf.FirmaNr = beleg->Kopf.Firma;
  kopf.LieferGepNr = beleg->Kopf.LieferGepNr;
  return kopf;
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

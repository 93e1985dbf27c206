#include "app/ExportBuchInfo.h"

#include "suite/Format.h"
#include "suite/Text.h"

namespace {

std::int32_t Int32(const std::string& text) { return StrToIntDef(text, 0); }

}  // namespace

void BuchInfoGrunddatenFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile) {
  auto text = [&zeile](TSpalte tag) { return Trim(zeile.Text(tag)); };
  info.BetragSoll = zeile.Betrag(TSpalte::BetragSoll);
  info.BetragHaben = zeile.Betrag(TSpalte::BetragHaben);
  info.StSchlGgKto = Int32(zeile.Text(TSpalte::BU));
  info.GegenKonto = Int32(zeile.Text(TSpalte::Gegenkonto));
  info.Konto = Int32(zeile.Text(TSpalte::Konto));
  info.BelegDatum = zeile.Datum(TSpalte::Belegdatum);
  info.BuchungsDatum = zeile.Datum(TSpalte::Buchungsdatum);
  info.Text = text(TSpalte::ExportBeschreibung);
  info.Beleg1 = text(TSpalte::ExportBeleg1);
  info.Beleg2 = text(TSpalte::ExportBeleg2);
  info.UStID = text(TSpalte::UStID);
  info.Filiale = Int32(zeile.Text(TSpalte::Filiale));
  info.KOST1 = text(TSpalte::KoSt1);
  info.KOST2 = text(TSpalte::KoSt2);
  info.GepName = text(TSpalte::GepName);
  info.Waehrung = text(TSpalte::Waehrung);
  info.Menge = Int32(zeile.Text(TSpalte::Menge));
  info.Belegnr = text(TSpalte::Belegnr);
  info.Gutschein_Z = text(TSpalte::GutscheinZahlungsart);
  info.ZahlungsRef = text(TSpalte::Zahlungsreferenz);
  info.EULand = text(TSpalte::EULand);
  info.EUSteuer = zeile.Betrag(TSpalte::EUSteuer);
  info.ExtBelegNr = text(TSpalte::ExtBelegNr);
  info.GepNr = {Int32(zeile.Text(TSpalte::GepRNr)), Int32(zeile.Text(TSpalte::GepLNr))};
}

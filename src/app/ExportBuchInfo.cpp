#include "app/ExportBuchInfo.h"

#include "suite/Format.h"
#include "suite/Text.h"

namespace {

std::int32_t Int32(const std::string& text) { return StrToIntDef(text, 0); }

}  // namespace

void BuchInfoGrunddatenFuellen(TFibuExportBuchInfo& info, const IExportZeile& zeile) {
  auto text = [&zeile](int tag) { return Trim(zeile.Text(tag)); };
  info.BetragSoll = zeile.Betrag(spalte::BetragSoll);
  info.BetragHaben = zeile.Betrag(spalte::BetragHaben);
  info.StSchlGgKto = Int32(zeile.Text(spalte::BU));
  info.GegenKonto = Int32(zeile.Text(spalte::Gegenkonto));
  info.Konto = Int32(zeile.Text(spalte::Konto));
  info.BelegDatum = zeile.Datum(spalte::Belegdatum);
  info.BuchungsDatum = zeile.Datum(spalte::Buchungsdatum);
  info.Text = text(spalte::BeschreibungExport);
  info.Beleg1 = text(spalte::Beleg1Export);
  info.Beleg2 = text(spalte::Beleg2Export);
  info.UStID = text(spalte::UStID);
  info.Filiale = Int32(zeile.Text(spalte::Filiale));
  info.KOST1 = text(spalte::Kost1);
  info.KOST2 = text(spalte::Kost2);
  info.GepName = text(spalte::Geschaeftspartner);
  info.Waehrung = text(spalte::Waehrung);
  info.Menge = Int32(zeile.Text(spalte::Menge));
  info.Belegnr = text(spalte::Belegnr);
  info.Gutschein_Z = text(spalte::ZahlungsartGutschein);
  info.ZahlungsRef = text(spalte::Zahlungsreferenz);
  info.EULand = text(spalte::EULand);
  info.EUSteuer = zeile.Betrag(spalte::EUSteuer);
  info.ExtBelegNr = text(spalte::ExtBelegNr);
  info.GepNr = {Int32(zeile.Text(spalte::GepRNr)), Int32(zeile.Text(spalte::GepLNr))};
}

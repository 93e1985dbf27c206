#include "formats/abacus/AbacusXml.h"

#include <cmath>

#include "export/XmlSchreiber.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/servers/LaenderCode.h"
#include "suite/servers/TWHRechner.h"

namespace abacus {
namespace {

constexpr long double kHalberCent = 0.005L;

// Control characters would make the document ill-formed; they become blanks (line breaks
// go), as in every other export field.
std::string Sauber(std::string_view text) { return OhneSteuerzeichen(text); }
std::string SauberGetrimmt(std::string_view text) { return Trim(Sauber(text)); }

void Speichernd(TXmlSchreiber& xml, const char* element) {
  xml.Beginne(element).Attribut("mode", "SAVE");
}

std::string Zahl(long long wert) { return std::to_string(wert); }

}  // namespace

std::string IsoLand(const std::string& suiteLand) {
  const std::string iso = QTX_LaenderCode_Kuerzel_2_ISO(suiteLand);
  return iso.empty() ? Trim(suiteLand) : iso;
}

std::string TAbacusFormat::Betrag(long double wert, const std::string& waehrung, bool minus) const {
  long double betrag = wert;
  // Most bookings are in the program's currency: they need no rate.
  if (!waehrung.empty() && !IstProgrammWaehrung(waehrung)) {
    betrag = FRechner.Umrechnen(wert, FProgrammWaehrung, waehrung);
  }
  // Rounded half away from zero on the decimal value, so that the binary noise of a sum
  // never decides the last digit.
  std::string text = FixedPoint(std::fabs(betrag), 2, '.');
  return minus ? "-" + text : text;
}

const std::string& TAbacusFormat::Datum(TDateTime datum) const {
  if (datum != FLetztesDatum) {
    FLetztesDatumText = FormatDateTime("yyyy-mm-dd", datum);
    FLetztesDatum = datum;
  }
  return FLetztesDatumText;
}

const char* TAbacusFormat::SollHaben(long double wert) {
  return wert >= 0 || std::fabs(wert) <= kHalberCent ? "C" : "D";
}

bool TAbacusFormat::IstProgrammWaehrung(const std::string& waehrung) const {
  return qtx_strmatch(waehrung, FProgrammWaehrung);
}

void SchreibeDateiKopf(TXmlSchreiber& xml, const char* application, const char* id,
                       std::optional<int> mandant) {
  xml.Beginne("AbaConnectContainer");
  xml.Element("TaskCount", "1");
  xml.Beginne("Task");
  xml.Beginne("Parameter");
  xml.Element("Application", application);
  xml.Element("Id", id);
  xml.Element("MapId", "AbaDefault");
  xml.Element("Version", "2021.00");
  if (mandant) xml.Element("Mandant", Zahl(*mandant));
  xml.Ende().Zeilenende();
}

void TFibuTransaktion::Betragsdaten(TXmlSchreiber& xml, const std::string& waehrung,
                                    long double wert, bool minus) const {
  Speichernd(xml, "AmountData");
  xml.Element("Currency", Sauber(waehrung));
  xml.Element("Amount", FFormat.IstProgrammWaehrung(waehrung) ? "0.00"
                                                              : FFormat.Betrag(wert, waehrung, minus));
  xml.Ende();
}

std::string TFibuTransaktion::Kostenstelle(int konto, const std::string& kost1) const {
  return konto >= FOptionen.KostKtoMin && konto <= FOptionen.KostKtoMax ? SauberGetrimmt(kost1)
                                                                        : std::string("0");
}

void TFibuTransaktion::Belegnummer(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const {
  if (FOptionen.MitBelegnummer && !Trim(buchung.Belegnr).empty()) {
    xml.Element("DocumentNumber", Sauber(buchung.Belegnr));
  }
}

void TFibuTransaktion::Beginnen(TXmlSchreiber& xml, int id, const TSammelteil& teil,
                                const TFibuExportBuchInfo& erste) const {
  const long double x = teil.Differenz;
  xml.Beginne("Transaction").Attribut("id", Zahl(id));
  Speichernd(xml, "Entry");
  Speichernd(xml, "CollectiveInformation");
  xml.Element("EntryLevel", "A");
  xml.Element("EntryType", FOptionen.Sammelbuchung ? "C" : "S");
  xml.Element("Type", "Normal");
  xml.Element("DebitCredit", TAbacusFormat::SollHaben(x));
  xml.Element("Client", Zahl(FOptionen.AbacusMandant));
  xml.Element("Division", "0");
  xml.Element("KeyCurrency", Sauber(erste.Waehrung));
  xml.Element("EntryDate", FFormat.Datum(erste.BelegDatum));
  Betragsdaten(xml, erste.Waehrung, x, false);
  xml.Element("KeyAmount", FFormat.Betrag(x, erste.Waehrung, false));
  xml.Element("Account", Zahl(erste.Konto));
  xml.Element("TaxAccount", "0");
  xml.Element("IntercompanyId", "0");
  xml.Element("BookingLevel1", Kostenstelle(erste.Konto, erste.KOST1));
  xml.Element("BookingLevel2", "0");
  xml.Element("BookingLevel3", "0");
  std::string text;
  if (FOptionen.Sammelbuchung) {
    text = SauberGetrimmt(teil.Text);
    if (text.empty()) text = "Sammler";
  } else {
    text = SauberGetrimmt(erste.Text);
    if (text.empty()) text = "leer";
  }
  xml.Element("Text1", text);
  Belegnummer(xml, erste);
  xml.Element("SingleCount", Zahl(FOptionen.Sammelbuchung ? teil.Anzahl : 0));
  xml.Ende();  // CollectiveInformation
}

void TFibuTransaktion::Einzelteil(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const {
  const long double y = buchung.BetragHaben - buchung.BetragSoll;
  Speichernd(xml, "SingleInformation");
  xml.Element("Type", "Normal");
  xml.Element("DebitCredit", TAbacusFormat::SollHaben(y));
  xml.Element("EntryDate", FFormat.Datum(buchung.BelegDatum));
  Betragsdaten(xml, buchung.Waehrung, std::fabs(y), false);
  xml.Element("KeyAmount", FFormat.Betrag(y, buchung.Waehrung, false));
  xml.Element("Account", Zahl(buchung.GegenKonto));
  xml.Element("IntercompanyId", "0");
  xml.Element("BookingLevel1", Kostenstelle(buchung.GegenKonto, buchung.KOST1));
  xml.Element("BookingLevel2", "0");
  xml.Element("BookingLevel3", "0");
  const std::string text = SauberGetrimmt(buchung.Text);
  xml.Element("Text1", text.empty() ? std::string("leer") : text);
  Belegnummer(xml, buchung);
  if (buchung.StSchlGgKto > 0) Steuerdaten(xml, buchung);
  xml.Ende();  // SingleInformation
}

void TFibuTransaktion::Steuerdaten(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const {
  const long double prozent = buchung.SteuerProzent;
  // The tax contained in the gross amount.
  const long double brutto = std::fabs(buchung.BetragSoll - buchung.BetragHaben);
  const long double t = prozent + 100 == 0 ? 0 : prozent * brutto / (prozent + 100);
  Speichernd(xml, "TaxData");
  xml.Element("TaxIncluded", "I");
  xml.Element("TaxType", buchung.StSchlGgKto > 299 ? "0" : "1");
  xml.Element("UseCode", FOptionen.Vereinnahmt ? "1" : "0");
  Betragsdaten(xml, buchung.Waehrung, t, true);
  xml.Element("KeyAmount", FFormat.Betrag(t, buchung.Waehrung, true));
  xml.Element("TaxRate", FixedPoint(prozent, 2, '.'));
  xml.Element("TaxCoefficient", "100.00");
  const std::string euLand = SauberGetrimmt(buchung.EULand);
  xml.Element("Country", euLand.empty() ? Sauber(FOptionen.MandantLand) : euLand);
  xml.Element("TaxCode", Zahl(buchung.StSchlGgKto));
  xml.Element("FlatRate", "0");
  xml.Ende();
}

void TFibuTransaktion::Beenden(TXmlSchreiber& xml) {
  xml.Ende();  // Entry
  xml.Ende().Zeilenende();  // Transaction
}

void SchreibeKunde(TXmlSchreiber& xml, int id, const TKundenDaten& k,
                   const std::string& programmWaehrung) {
  const bool person = k.Anrede < 3;
  xml.Beginne("Transaction").Attribut("id", Zahl(id));
  Speichernd(xml, "Customer");
  xml.Element("CustomerNumber", Zahl(k.AbacusNr));
  xml.Element("PaymentTermNumber", "1");
  xml.Element("MultipleCurrenciesActive", "false");
  xml.Element("DefaultCurrency", Sauber(programmWaehrung));
  Speichernd(xml, "AddressData");
  xml.Element("AddressNumber", Zahl(k.AbacusNr));
  xml.Element("SubjectType", person ? "1" : "2");
  xml.Element("SalutationNumber", Zahl(k.Anrede));
  if (person) xml.Element("SalutationName", SauberGetrimmt(k.Name));
  xml.Element("Name", SauberGetrimmt(k.Name));
  xml.Element("FirstName", person ? SauberGetrimmt(k.Vorname) : std::string());
  xml.Element("AdditionalLine", SauberGetrimmt(k.Zusatzzeile));
  xml.Element("Street", SauberGetrimmt(k.Strasse));
  xml.Element("HouseNumber", Sauber(k.Hausnummer));
  xml.Element("StreetAddition", SauberGetrimmt(k.Strassenzusatz));
  xml.Element("Country", Sauber(k.Land));
  xml.Element("ZIP", Sauber(k.Plz));
  xml.Element("City", SauberGetrimmt(k.Ort));
  xml.Element("Line3", SauberGetrimmt(k.Zeile3));
  xml.Element("Email", SauberGetrimmt(k.Email));
  xml.Element("Phone1", SauberGetrimmt(k.Telefon));
  xml.Element("Mobile", SauberGetrimmt(k.Mobil));
  xml.Element("Language", "de");
  xml.Ende();  // AddressData
  Speichernd(xml, "CurrencyData");
  xml.Element("Currency", Sauber(programmWaehrung));
  xml.Ende();
  xml.Element("_USERFIELD1", Zahl(k.SuiteKundenNr));
  xml.Ende();  // Customer
  xml.Ende().Zeilenende();  // Transaction
}

void BeginneBeleg(TXmlSchreiber& xml, int id, const TBelegDaten& b, const TAbacusFormat& format) {
  xml.Beginne("Transaction").Attribut("id", Zahl(id));
  Speichernd(xml, "Document");
  xml.Element("DocumentCode", b.DocumentCode);
  xml.Element("CustomerNumber", Zahl(b.AbacusNr));
  xml.Element("Number", "0");
  xml.Element("UniqueReference", "0");
  xml.Element("Reference", Sauber(b.Referenz));
  xml.Element("Text", "");
  xml.Element("AccountReceivableDate", format.Datum(b.Datum));
  xml.Element("Currency", Sauber(b.Waehrung));
  xml.Element("Amount", format.Betrag(b.Haben - b.Soll, b.Waehrung, b.Soll < b.Haben));
  xml.Element("TaxRecalculation", "true");
  xml.Element("PaymentOrderProcedure", "1");
  xml.Element("PaymentReferenceLineType", "QR");
  xml.Element("PaymentReferenceLine", b.Zahlungsreferenz);
  Speichernd(xml, "PaymentTerm");
  xml.Element("Number", "1");
  xml.Element("CopyFromTable", "true");
  xml.Element("Type", "0");
  xml.Ende();
}

void SchreibePosition(TXmlSchreiber& xml, int lfd, const TFibuExportBuchInfo& b,
                      const TAbacusFormat& format) {
  Speichernd(xml, "LineItem");
  xml.Element("Number", Zahl(lfd));
  xml.Element("Amount", format.Betrag(b.BetragHaben - b.BetragSoll, b.Waehrung,
                                      b.BetragSoll < b.BetragHaben));
  xml.Element("CreditAccount", Zahl(b.GegenKonto));
  xml.Element("CreditCostCentre1", SauberGetrimmt(b.KOST1));
  xml.Element("TaxCode", Zahl(b.StSchlGgKto));
  xml.Element("TaxDateValidFrom", format.Datum(b.BelegDatum));
  xml.Element("TaxAmount", "");
  xml.Element("Text", "");
  xml.Ende();
}

void BeendeBeleg(TXmlSchreiber& xml) {
  xml.Ende();  // Document
  xml.Ende().Zeilenende();  // Transaction
}

}  // namespace abacus

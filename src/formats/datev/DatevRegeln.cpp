#include "formats/datev/DatevRegeln.h"

#include <cmath>
#include <cstdlib>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Utf8.h"

namespace datev {

namespace {

constexpr std::size_t kUStIDLaenge = 15;
constexpr long double kGroesstesUmsatz = 9999999999.99L;  // ten digits before the comma

bool ImportZeichen(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("$&%*+-/").find(c) != std::string_view::npos;
}

int Stellen(long long zahl) {
  int stellen = 1;
  for (zahl = std::llabs(zahl); zahl >= 10; zahl /= 10) ++stellen;
  return stellen;
}

}  // namespace

std::string Belegfeld1WieImport(std::string_view geschrieben) {
  std::string ergebnis;
  for (const char c : geschrieben) {
    if (ImportZeichen(c)) ergebnis += c;
  }
  return ergebnis;
}

void TDatevRegeln::Konto(const TExportProblem& ort, const char* feld, int konto,
                         TExportProblemListe& probleme) const {
  // An account without a number is the run's own check.
  if (konto == 0 || Stellen(konto) <= sachKtoLng_ + 1) return;
  probleme.push_back(Problem(
      ort, feld, std::to_string(konto),
      Format("Mehr als %d Stellen: Sachkonten haben %d, Personenkonten %d Stellen",
             sachKtoLng_ + 1, sachKtoLng_, sachKtoLng_ + 1),
      true));
}

void TDatevRegeln::Belegfeld1(const TExportProblem& ort, const std::string& beleg1,
                              TExportProblemListe& probleme) const {
  const std::string bereinigt = BelegNrBereinigt(beleg1, std::string::npos);
  const std::string geschrieben = Utf8Left(bereinigt, version_.Beleg1Laenge);
  const std::string importiert = Belegfeld1WieImport(geschrieben);
  if (importiert != geschrieben) {
    probleme.push_back(Problem(ort, "Belegfeld 1", beleg1,
                               "Zeichen außerhalb von a-z A-Z 0-9 $ & % * + - /; der Import "
                               "liest \"" + importiert + "\"",
                               false));
  }
  if (Utf8Length(bereinigt) > version_.Beleg1Laenge) {
    probleme.push_back(Problem(ort, "Belegfeld 1", beleg1,
                               Format("Länger als %d Zeichen; geschrieben wird \"%s\"",
                                      version_.Beleg1Laenge, geschrieben),
                               false));
  }
}

void TDatevRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                           TExportProblemListe& probleme) {
  TExportProblem ort = ProblemOrt(zeile, buchung);

  Konto(ort, "Konto", buchung.Konto, probleme);
  Konto(ort, "Gegenkonto", buchung.GegenKonto, probleme);
  Belegfeld1(ort, buchung.Beleg1, probleme);

  // The sign and the exchange of sides do not matter for the amount written.
  const long double D = qtx_Round(buchung.BetragHaben - buchung.BetragSoll, 9);
  if (std::fabs(qtx_Round(D, 2)) > kGroesstesUmsatz) {
    probleme.push_back(Problem(ort, "Umsatz", Format("%f", std::fabs(D)),
                               "Mehr als 10 Stellen vor dem Komma", true));
  }
  if (buchung.StSchlGgKto != version_.EUSteuerschluessel) {
    const std::string ustid = OhneAnfuehrung(buchung.UStID);
    if (Utf8Length(ustid) > kUStIDLaenge) {
      probleme.push_back(Problem(ort, "EU-Land u. UStID", ustid,
                                 "Länger als 15 Zeichen", true));
    }
  }

  int jahr = 0, monat = 0, tag = 0;
  if (monatlich_ && buchung.BelegDatum > 0) DecodeDate(buchung.BelegDatum, jahr, monat, tag);
  std::size_t& zeilen = zeilen_[jahr * 100 + monat];
  if (!IstNullbetrag(D)) ++zeilen;
}

void TDatevRegeln::Ende(const TExportUmfang& umfang, TExportProblemListe& probleme) {
  for (const auto& [monat, zeilen] : zeilen_) {
    if (zeilen > 0) continue;
    TExportProblem p;
    p.Regel = monat == 0 ? std::string("Der Stapel enthält keine Buchungen: alle Beträge sind 0")
                         : Format("Der Stapel %.2d/%d enthält keine Buchungen: alle Beträge "
                                  "sind 0", monat % 100, monat / 100);
    probleme.push_back(std::move(p));
  }
  if (umfang.OffeneVor && umfang.DatumVon > 0) {
    const long long offen = umfang.OffeneVor(umfang.DatumVon);
    if (offen > 0) {
      TExportProblem p;
      p.Regel = Format("Vor dem %s sind noch %d Buchungen offen", DateToStr(umfang.DatumVon),
                       offen);
      p.Sperrt = false;
      probleme.push_back(std::move(p));
    }
  }
}

}  // namespace datev

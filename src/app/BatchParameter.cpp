#include "app/BatchParameter.h"

#include <array>
#include <chrono>
#include <cmath>
#include <string_view>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace {

constexpr std::array<std::string_view, 8> kKeywords = {"MAND",  "VDATUM", "BDATUM",   "HEUTE",
                                                       "MONAT", "PROFIL", "HERKUNFT", "EXPORTER"};

std::string* FieldOf(TBatchParameter& p, std::size_t keyword) {
  switch (keyword) {
    case 0: return &p.MandKurzNr;
    case 1: return &p.VonDatum;
    case 2: return &p.BisDatum;
    case 3: return &p.Heute;
    case 4: return &p.Monat;
    case 5: return &p.Profil;
    case 6: return &p.Herkunft;
    case 7: return &p.Exporter;
  }
  return nullptr;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

enum class DateRead { Ok, NotNumeric, Impossible };

DateRead ReadDdMmYyyy(const std::string& text, TDateTime& date) {
  const std::string_view t(text);
  if (!AllDigits(t.substr(0, 2)) || !AllDigits(t.substr(2, 2)) || !AllDigits(t.substr(4, 4))) {
    return DateRead::NotNumeric;
  }
  const int day = std::stoi(text.substr(0, 2));
  const int month = std::stoi(text.substr(2, 2));
  const int year = std::stoi(text.substr(4, 4));
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  if (!ymd.ok() || year < 1) return DateRead::Impossible;
  date = EncodeDate(year, month, day);
  return DateRead::Ok;
}

TBatchPruefung Refuse(std::string line) {
  TBatchPruefung result;
  result.logZeile = std::move(line);
  return result;
}

}  // namespace

TBatchParameter ReadBatchParameter(const std::vector<std::string>& arguments) {
  TBatchParameter parameter;
  for (const auto& argument : arguments) {
    if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) {
      parameter.Unbekannt.push_back(argument);
      continue;
    }
    const std::string rest = argument.substr(1);
    const auto colon = rest.find(':');
    const std::string keyword = Trim(colon == std::string::npos ? rest : rest.substr(0, colon));
    const std::string value = colon == std::string::npos ? "" : Trim(rest.substr(colon + 1));
    if (qtx_strmatch(keyword, "VERSAND") && colon == std::string::npos) {
      parameter.Versand = true;
      continue;
    }
    bool bekannt = false;
    for (std::size_t i = 0; i < kKeywords.size(); ++i) {
      if (qtx_strmatch(keyword, kKeywords[i])) {
        *FieldOf(parameter, i) = value;
        bekannt = true;
      }
    }
    if (!bekannt) parameter.Unbekannt.push_back(argument);
  }
  return parameter;
}

TBatchPruefung PruefeBatchParameter(const TBatchParameter& p, const TBatchPruefKontext& kontext) {
  if (!p.Unbekannt.empty()) {
    return Refuse("Abbruch: Unbekannter Parameter \"" + p.Unbekannt.front() + "\"");
  }
  const bool mand = !p.MandKurzNr.empty();
  const bool heute = !p.Heute.empty();
  const bool monat = !p.Monat.empty();
  const bool von = !p.VonDatum.empty();
  const bool bis = !p.BisDatum.empty();
  const bool usable = mand && ((heute && !monat && !von && !bis) ||
                               (monat && !heute && !von && !bis) ||
                               (von && bis && !heute && !monat));
  if (!usable) return Refuse("Abbruch: Es wurde keine verwertbarer Parameterkombination gefunden");

  TBatchPruefung result;
  const TDateTime today = std::floor(kontext.heute);
  int year = 0, month = 0, day = 0;
  DecodeDate(today, year, month, day);
  if (heute) {
    // Not a number and 0 are refused alike.
    const long long days = StrToInt64Def(p.Heute, 0);
    if (days == 0 || std::llabs(days) > 100000) {
      return Refuse("Abbruch: Parameter für die aktuelle Auswertung (Heute) ist ungültig");
    }
    result.bis = today;
    result.von = today - static_cast<double>(days);
  } else if (monat) {
    if (p.Monat != "A" && p.Monat != "V") {
      return Refuse("Abbruch: Falscher Parameter für Monatszeitraum (-MONAT) eingegeben");
    }
    const TDateTime firstOfMonth = EncodeDate(year, month, 1);
    if (p.Monat == "A") {
      result.von = firstOfMonth;
      result.bis = today;
    } else {
      result.bis = firstOfMonth - 1;
      int py = 0, pm = 0, pd = 0;
      DecodeDate(result.bis, py, pm, pd);
      result.von = EncodeDate(py, pm, 1);
    }
  } else {
    if (p.VonDatum.size() != 8 || p.BisDatum.size() != 8) {
      return Refuse("Abbruch: Mind. ein Datumsparameter fehlt");
    }
    for (const auto* text : {&p.VonDatum, &p.BisDatum}) {
      TDateTime date = 0;
      switch (ReadDdMmYyyy(*text, date)) {
        case DateRead::NotNumeric:
          return Refuse("");
        case DateRead::Impossible:
          return Refuse("Abbruch: Eingegebenes Datum ist unlogisch");
        case DateRead::Ok:
          (text == &p.VonDatum ? result.von : result.bis) = date;
          break;
      }
    }
    if (result.von > result.bis) return Refuse("Abbruch: VonDatum ist größer als BisDatum");
  }

  const long long kurzNr = StrToInt64Def(p.MandKurzNr, 0);
  if (kurzNr == 0) {
    return Refuse("Abbruch: Mandantenkurznummer ist ungültig");
  }
  if (kurzNr < 1 || kurzNr > kontext.mandantenAnzahl || kurzNr > 255) {
    return Refuse("Abbruch: Mandantenkurznummer ist außerhalb der Reichweite");
  }
  result.mandKurzNr = static_cast<int>(kurzNr);

  if (!p.Exporter.empty() && !(kontext.exporterBekannt && kontext.exporterBekannt(p.Exporter))) {
    return Refuse("Abbruch: Unbekanntes Exportformat \"" + p.Exporter + "\"");
  }
  // An origin nobody knows would export every origin and settle them all.
  if (!p.Herkunft.empty() && !(kontext.herkunftBekannt && kontext.herkunftBekannt(p.Herkunft))) {
    return Refuse("Abbruch: Unbekannte Herkunft \"" + p.Herkunft + "\"");
  }
  // A format named on the command line becomes active for the run, so only a run
  // without one needs a stored active format.
  if (p.Exporter.empty() && kontext.aktExporterName.empty()) {
    return Refuse("Abbruch: Bitte wählen Sie in den Einstellungen zunächst ein Exportformat");
  }
  result.ok = true;
  return result;
}

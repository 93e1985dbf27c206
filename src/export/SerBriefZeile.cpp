#include "export/SerBriefZeile.h"

#include <stdexcept>

#include "export/FesterSatz.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

TAnfuehrung TrennAnfuehrung(TSerBriefAnfuehrung anfuehrung) {
  switch (anfuehrung) {
    case TSerBriefAnfuehrung::Texte: return TAnfuehrung::ImmerVerdoppelt;
    case TSerBriefAnfuehrung::BeiBedarf:
    case TSerBriefAnfuehrung::Keine: break;
  }
  return TAnfuehrung::BeiBedarf;
}

}  // namespace

TSerBriefZeile::TSerBriefZeile(const TSerBriefLayout& layout,
                               std::vector<const TSerBriefSpalte*> spalten)
    : layout_(layout),
      spalten_(std::move(spalten)),
      trennZeile_(layout.TrennZeichen(), TrennAnfuehrung(layout.Anfuehrung), layout.Dezimaltrenner),
      umgeformt_(spalten_.size()),
      datumUmformen_(Utf8Upper(layout.Datumsformat) != Utf8Upper(FormatSettings().ShortDateFormat)),
      programmDezimal_(FormatSettings().DecimalSeparator) {}

std::string_view TSerBriefZeile::Wert(std::size_t spalte, const std::string& wert) {
  const char typ = spalten_[spalte]->Typ;
  if (typ == 'F') {
    std::string& aus = umgeformt_[spalte];
    aus = TrimView(wert);
    if (programmDezimal_ != layout_.Dezimaltrenner) {
      for (char& c : aus) {
        if (c == programmDezimal_) c = layout_.Dezimaltrenner;
      }
    }
    return aus;
  }
  if (typ == 'D' && datumUmformen_ && !wert.empty()) {
    const TDateTime datum = StrToDateDef(wert, -1);
    if (datum < 0) return wert;  // not a date of the program's form: written as it came
    umgeformt_[spalte] = FormatDateTime(layout_.Datumsformat, datum);
    return umgeformt_[spalte];
  }
  return wert;
}

void TSerBriefZeile::Feld(std::size_t spalte, std::string_view wert) {
  switch (layout_.Anfuehrung) {
    case TSerBriefAnfuehrung::Texte:
      if (spalten_[spalte]->IstZahl()) {
        trennZeile_.Roh(wert);
      } else {
        trennZeile_.Text(wert);
      }
      return;
    case TSerBriefAnfuehrung::BeiBedarf:
      trennZeile_.Text(wert);
      return;
    case TSerBriefAnfuehrung::Keine: {
      const char trenner = layout_.TrennZeichen();
      if (wert.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
          wert.find(trenner) == std::string_view::npos) {
        trennZeile_.Roh(wert);
        return;
      }
      // Without quotes a separator or line break inside would shift every later field.
      puffer_.assign(wert);
      for (char& c : puffer_) {
        if (c == trenner || c == '\r' || c == '\n') c = ' ';
      }
      trennZeile_.Roh(puffer_);
      return;
    }
  }
}

void TSerBriefZeile::FesteZeile(const std::vector<std::string_view>& werte, bool kopf) {
  std::size_t laenge = 0;
  for (const auto& spalte : layout_.Spalten) laenge += static_cast<std::size_t>(spalte.Breite);
  TFesterSatz satz(laenge);
  std::size_t von = 1;
  for (std::size_t i = 0; i < werte.size(); ++i) {
    const auto breite = static_cast<std::size_t>(layout_.Spalten[i].Breite);
    if (!kopf && spalten_[i]->IstZahl()) {
      if (Utf8Length(werte[i]) > breite) {
        throw std::length_error(Format("Der Wert \"%s\" passt nicht in die Spalte \"%s\" "
                                       "(Breite %d).",
                                       std::string(werte[i]), spalten_[i]->Key, breite));
      }
      satz.TextRechts(von, breite, werte[i]);
    } else {
      satz.Text(von, breite, werte[i]);
    }
    von += breite;
  }
  zeile_ = satz.Satz();
}

std::string TSerBriefZeile::Kopfzeile() {
  if (layout_.Trenner == TSerBriefTrenner::FesteBreite) {
    feste_.clear();
    for (const auto& spalte : layout_.Spalten) feste_.push_back(spalte.Ueberschrift);
    FesteZeile(feste_, true);
    return zeile_;
  }
  trennZeile_.Neu();
  for (std::size_t i = 0; i < layout_.Spalten.size(); ++i) {
    // Headings are text, also above a number column.
    if (layout_.Anfuehrung == TSerBriefAnfuehrung::Keine) {
      Feld(i, layout_.Spalten[i].Ueberschrift);
    } else {
      trennZeile_.Text(layout_.Spalten[i].Ueberschrift);
    }
  }
  return trennZeile_.Zeile();
}

const std::string& TSerBriefZeile::Zeile(const std::vector<std::string>& werte) {
  if (layout_.Trenner == TSerBriefTrenner::FesteBreite) {
    feste_.clear();
    for (std::size_t i = 0; i < spalten_.size(); ++i) feste_.push_back(Wert(i, werte[i]));
    FesteZeile(feste_, false);
    return zeile_;
  }
  trennZeile_.Neu();
  for (std::size_t i = 0; i < spalten_.size(); ++i) Feld(i, Wert(i, werte[i]));
  return trennZeile_.Zeile();
}

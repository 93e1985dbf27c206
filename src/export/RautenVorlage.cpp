#include "export/RautenVorlage.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "suite/Files.h"
#include "suite/Paths.h"

TRautenVorlage::TRautenVorlage(std::string_view text, const std::vector<std::string>& namen)
    : namen_(namen) {
  TStueck stueck;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t raute = text.find('#', pos);
    if (raute == std::string_view::npos) {
      stueck.Text.append(text.substr(pos));
      break;
    }
    stueck.Text.append(text.substr(pos, raute - pos));
    std::size_t treffer = kKeinName;
    for (std::size_t i = 0; i < namen_.size(); ++i) {
      if (text.substr(raute + 1).starts_with(namen_[i]) &&
          (treffer == kKeinName || namen_[i].size() > namen_[treffer].size())) {
        treffer = i;
      }
    }
    if (treffer == kKeinName) {
      stueck.Text += '#';
      pos = raute + 1;
      continue;
    }
    stueck.Name = treffer;
    stuecke_.push_back(std::move(stueck));
    stueck = TStueck{};
    pos = raute + 1 + namen_[treffer].size();
  }
  if (!stueck.Text.empty()) stuecke_.push_back(std::move(stueck));
}

int TRautenVorlage::Anzahl(std::size_t name) const {
  int anzahl = 0;
  for (const auto& stueck : stuecke_) anzahl += stueck.Name == name ? 1 : 0;
  return anzahl;
}

void TRautenVorlage::Fuellen(std::string& aus, const std::vector<std::string>& werte) const {
  for (const auto& stueck : stuecke_) {
    aus += stueck.Text;
    if (stueck.Name < werte.size()) aus += werte[stueck.Name];
  }
}

std::pair<TRautenVorlage, TRautenVorlage> TRautenVorlage::Teilen(std::size_t trenner,
                                                                 std::string_view vorlagenName) const {
  if (trenner >= namen_.size() || Anzahl(trenner) != 1) {
    throw std::invalid_argument("Die Vorlage \"" + std::string(vorlagenName) +
                                "\" muss den Platzhalter #" +
                                (trenner < namen_.size() ? namen_[trenner] : std::string("?")) +
                                " genau einmal enthalten.");
  }
  std::pair<TRautenVorlage, TRautenVorlage> teile;
  teile.first.namen_ = teile.second.namen_ = namen_;
  TRautenVorlage* ziel = &teile.first;
  for (const auto& stueck : stuecke_) {
    if (stueck.Name == trenner) {
      ziel->stuecke_.push_back({stueck.Text, kKeinName});
      ziel = &teile.second;
    } else {
      ziel->stuecke_.push_back(stueck);
    }
  }
  return teile;
}

std::string VorlagenZeilen(std::string_view text) {
  std::string ergebnis;
  ergebnis.reserve(text.size() + 2);
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t ende = text.find('\n', pos);
    const bool letzte = ende == std::string_view::npos;
    if (letzte) ende = text.size();
    std::string_view zeile = text.substr(pos, ende - pos);
    if (zeile.ends_with('\r')) zeile.remove_suffix(1);
    ergebnis.append(zeile);
    ergebnis += "\r\n";
    pos = ende + 1;
  }
  return ergebnis;
}

TRautenDokument TRautenDokument::Laden(std::string_view rahmen, std::string_view block,
                                       std::string_view buchung,
                                       const std::vector<std::string>& namen,
                                       std::size_t blockPlatz, std::size_t buchungsPlatz) {
  TRautenDokument dokument;
  std::tie(dokument.RahmenKopf, dokument.RahmenFuss) =
      TRautenVorlage(VorlagenZeilen(rahmen), namen).Teilen(blockPlatz, "Rahmen");
  std::tie(dokument.BlockKopf, dokument.BlockFuss) =
      TRautenVorlage(VorlagenZeilen(block), namen).Teilen(buchungsPlatz, "Block");
  dokument.Buchung = TRautenVorlage(VorlagenZeilen(buchung), namen);
  return dokument;
}

std::string VorlagenVerzeichnis() { return ConcatPathNames(SaldixHome(), "Vorlagen"); }

std::string VorlagenText(const std::string& name, std::string_view mitgeliefert) {
  const std::string datei = ConcatPathNames(VorlagenVerzeichnis(), name + ".txt");
  std::error_code fehler;
  if (!std::filesystem::exists(datei, fehler)) return std::string(mitgeliefert);
  std::ifstream in(datei, std::ios::binary);
  if (!in) throw std::runtime_error("Die Vorlage \"" + datei + "\" konnte nicht gelesen werden.");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

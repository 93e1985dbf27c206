#include "export/VorlagenFueller.h"

#include <stdexcept>

namespace {

constexpr std::string_view kAuf = "{{";
constexpr std::string_view kZu = "}}";

class TFueller {
 public:
  explicit TFueller(std::string_view vorlage) : text_(vorlage) {}

  // Fills text_ from pos up to the end or the closing tag of block; returns the position
  // after that tag. Without ebenen the text is only passed over (the body of an empty
  // list, whose entry names nothing can resolve).
  std::size_t Fuellen(std::size_t pos, const std::vector<const TVorlagenDaten*>& ebenen,
                      std::string_view block, std::string& aus) const {
    const bool schreiben = !ebenen.empty();
    while (true) {
      const std::size_t auf = text_.find(kAuf, pos);
      if (auf == std::string_view::npos) {
        if (!block.empty()) Fehler("Der Block \"" + std::string(block) + "\" ist nicht geschlossen");
        if (schreiben) aus.append(text_.substr(pos));
        return text_.size();
      }
      if (schreiben) aus.append(text_.substr(pos, auf - pos));
      const std::size_t zu = text_.find(kZu, auf + kAuf.size());
      if (zu == std::string_view::npos) Fehler("Ein Platzhalter ist nicht geschlossen");
      const std::string_view marke = text_.substr(auf + kAuf.size(), zu - auf - kAuf.size());
      pos = zu + kZu.size();
      if (marke.starts_with('/')) {
        if (marke.substr(1) != block) {
          Fehler("Unerwartetes Blockende \"" + std::string(marke.substr(1)) + "\"");
        }
        return pos;
      }
      if (marke.starts_with('#')) {
        const std::string_view name = marke.substr(1);
        const std::vector<TVorlagenDaten>* liste = schreiben ? Liste(ebenen, name) : nullptr;
        if (schreiben && liste == nullptr) Fehler("Unbekannte Liste \"" + std::string(name) + "\"");
        if (!schreiben || liste->empty()) {
          pos = Fuellen(pos, {}, name, aus);  // still needs its closing tag
          continue;
        }
        std::size_t ende = pos;
        for (const TVorlagenDaten& eintrag : *liste) {
          auto innen = ebenen;
          innen.push_back(&eintrag);
          ende = Fuellen(pos, innen, name, aus);
        }
        pos = ende;
        continue;
      }
      if (!schreiben) continue;
      const std::string* wert = Wert(ebenen, marke);
      if (wert == nullptr) Fehler("Unbekannter Platzhalter \"" + std::string(marke) + "\"");
      aus.append(*wert);
    }
  }

 private:
  [[noreturn]] static void Fehler(const std::string& text) { throw std::invalid_argument(text); }

  static const std::string* Wert(const std::vector<const TVorlagenDaten*>& ebenen,
                                 std::string_view name) {
    for (auto it = ebenen.rbegin(); it != ebenen.rend(); ++it) {
      const auto treffer = (*it)->Werte.find(name);
      if (treffer != (*it)->Werte.end()) return &treffer->second;
    }
    return nullptr;
  }
  static const std::vector<TVorlagenDaten>* Liste(const std::vector<const TVorlagenDaten*>& ebenen,
                                                  std::string_view name) {
    for (auto it = ebenen.rbegin(); it != ebenen.rend(); ++it) {
      const auto treffer = (*it)->Listen.find(name);
      if (treffer != (*it)->Listen.end()) return &treffer->second;
    }
    return nullptr;
  }

  std::string_view text_;
};

}  // namespace

std::string VorlageFuellen(std::string_view vorlage, const TVorlagenDaten& daten) {
  std::string aus;
  aus.reserve(vorlage.size());
  TFueller(vorlage).Fuellen(0, {&daten}, {}, aus);
  return aus;
}

// A text template with #NAME placeholders, as the SBS, DVO and RZA files are built from.
// The format names its placeholders; at each "#" the longest of them that follows is
// the placeholder ("#BELEGDATUM" before "#BELEG"), any other "#" is text. Filling puts
// values into the template's own placeholders only: a value that holds "#TEXT" is
// written as it is, never filled again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TRautenVorlage {
 public:
  TRautenVorlage() = default;
  // namen: the placeholders without "#"; a value's index is its name's index.
  TRautenVorlage(std::string_view text, const std::vector<std::string>& namen);

  // How often the template holds the placeholder of that index.
  int Anzahl(std::size_t name) const;
  // Appends the filled text; werte[i] fills the placeholder of name i (a missing value
  // counts as empty).
  void Fuellen(std::string& aus, const std::vector<std::string>& werte) const;
  // The parts before and after the one placeholder trenner (the place where the format
  // inserts its blocks). std::invalid_argument, naming the template, unless it holds it
  // exactly once.
  std::pair<TRautenVorlage, TRautenVorlage> Teilen(std::size_t trenner,
                                                   std::string_view vorlagenName) const;

 private:
  struct TStueck {
    std::string Text;
    std::size_t Name = kKeinName;  // the placeholder after the text
  };
  static constexpr std::size_t kKeinName = static_cast<std::size_t>(-1);

  std::vector<TStueck> stuecke_;
  std::vector<std::string> namen_;
};

// A template's text as a list of lines holds it: every line, the last one included,
// ends with CR LF (LF-only or CR LF ends read alike).
std::string VorlagenZeilen(std::string_view text);

// The three templates of a document: the frame with the one place of its blocks, the
// block with the one place of its bookings, and one booking. The frame's and the
// block's parts around those places are written as the document grows.
struct TRautenDokument {
  TRautenVorlage RahmenKopf, RahmenFuss, BlockKopf, BlockFuss, Buchung;

  // The texts are taken line by line (VorlagenZeilen); std::invalid_argument for a frame
  // or block without its place.
  static TRautenDokument Laden(std::string_view rahmen, std::string_view block,
                               std::string_view buchung, const std::vector<std::string>& namen,
                               std::size_t blockPlatz, std::size_t buchungsPlatz);
};

// The text of a template: the file "<name>.txt" in the user's template folder
// (VorlagenVerzeichnis()) when there is one, else the program's own. Throws
// std::runtime_error naming the file when it exists but cannot be read.
std::string VorlagenText(const std::string& name, std::string_view mitgeliefert);
// "$SALDIX_HOME/Vorlagen".
std::string VorlagenVerzeichnis();

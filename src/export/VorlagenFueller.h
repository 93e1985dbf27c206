// Fills a text template for the template-based formats: {{NAME}} takes a value, and
// {{#LISTE}} ... {{/LISTE}} repeats its body once per entry of a list, each entry with
// values of its own (an entry's names hide the outer ones). A name the data does not
// know is refused rather than left empty: a missing field in an import file is found by
// the accounting system only, long after the export.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct TVorlagenDaten {
  std::map<std::string, std::string, std::less<>> Werte;
  std::map<std::string, std::vector<TVorlagenDaten>, std::less<>> Listen;
};

// Throws std::invalid_argument for an unknown name, an unclosed or mismatched block.
std::string VorlageFuellen(std::string_view vorlage, const TVorlagenDaten& daten);

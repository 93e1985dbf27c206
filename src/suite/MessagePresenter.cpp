#include "suite/MessagePresenter.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>

namespace {

const char* Label(TMeldungsArt kind) {
  switch (kind) {
    case TMeldungsArt::Hinweis: return "Hinweis";
    case TMeldungsArt::Warnung: return "Warnung";
    case TMeldungsArt::Fehler: return "Fehler";
    case TMeldungsArt::Frage: return "Frage";
  }
  return "";
}

}  // namespace

int ConsolePresenter::Present(TMeldungsArt kind, const std::string& text) {
  std::string shown = text;
  std::replace(shown.begin(), shown.end(), '\r', '\n');
  std::cerr << Label(kind) << ": " << shown << '\n';
  if (kind != TMeldungsArt::Frage) return mrOk;
  if (!isatty(STDIN_FILENO)) return mrNo;
  std::cerr << "[j/N] " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return (answer == "j" || answer == "J" || answer == "ja" || answer == "Ja") ? mrYes : mrNo;
}

int ScriptedPresenter::Present(TMeldungsArt kind, const std::string& text) {
  shown_.push_back({kind, text});
  if (kind != TMeldungsArt::Frage) return mrOk;
  if (answers_.empty()) return defaultAnswer_;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::size_t ScriptedPresenter::QuestionsAsked() const {
  return static_cast<std::size_t>(std::count_if(
      shown_.begin(), shown_.end(), [](const Shown& s) { return s.kind == TMeldungsArt::Frage; }));
}

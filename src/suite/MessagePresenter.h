// What the message service shows goes through a replaceable presenter: silent in batch
// mode, the console, a scripted one in tests, the Qt one on the desktop.
#pragma once

#include <deque>
#include <string>
#include <vector>

// Dialog results as the suite returns them.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

enum class TMeldungsArt { Hinweis, Warnung, Fehler, Frage };

class IMessagePresenter {
 public:
  virtual ~IMessagePresenter() = default;
  // Shows text (CR separates lines) and returns the dialog result.
  virtual int Present(TMeldungsArt kind, const std::string& text) = 0;
  // Lets pending window messages run; nothing to do without a window system.
  virtual void ProcessMessages(int /*milliseconds*/) {}
};

// Batch mode: shows nothing; a question is answered with the configured default (No).
class SilentPresenter final : public IMessagePresenter {
 public:
  explicit SilentPresenter(int answer = mrNo) : answer_(answer) {}
  int Present(TMeldungsArt kind, const std::string&) override {
    return kind == TMeldungsArt::Frage ? answer_ : mrOk;
  }

 private:
  int answer_;
};

// Writes messages to standard error; questions are asked on the terminal when there is
// one, otherwise answered No.
class ConsolePresenter final : public IMessagePresenter {
 public:
  int Present(TMeldungsArt kind, const std::string& text) override;
};

// For tests: records every message and answers questions from a queue.
class ScriptedPresenter final : public IMessagePresenter {
 public:
  struct Shown {
    TMeldungsArt kind;
    std::string text;
  };

  void Answer(int result) { answers_.push_back(result); }
  int Present(TMeldungsArt kind, const std::string& text) override;

  const std::vector<Shown>& Messages() const { return shown_; }
  std::size_t Count() const { return shown_.size(); }
  std::size_t QuestionsAsked() const;
  std::string LastText() const { return shown_.empty() ? std::string() : shown_.back().text; }
  void Clear() { shown_.clear(); }
  // Answer given when the queue is empty.
  void SetDefaultAnswer(int result) { defaultAnswer_ = result; }

 private:
  std::vector<Shown> shown_;
  std::deque<int> answers_;
  int defaultAnswer_ = mrNo;
};

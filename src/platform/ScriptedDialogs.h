#pragma once

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Dialogs.h"

namespace quorvel {

// Dialogs for tests: every question is recorded, and every answer comes
// from a queue that the test fills beforehand. A question with no scripted
// answer, or with an answer of the wrong kind, throws std::logic_error, so
// an unexpected dialog fails the test instead of blocking it.
class TScriptedDialogs : public IDialogs {
 public:
  enum class TKind { Message, InternalError, YesNo, YesNoCancel, YesNoDefaultNo, OpenFile, SaveFile, Color, Font };

  struct TQuestion {
    TKind Kind;
    std::string Text;            // message or question; empty for the pickers
    TFileDialogOptions Options;  // for the file dialogs
  };

  struct TCancel {};
  using TAnswer = std::variant<bool, std::string, TColor, TFont, TCancel>;

  // Scripted answers, consumed in order. A question with Cancel takes Yes,
  // No or Cancel; the other questions and dialogs take Cancel as their own.
  void AnswerYes() { answers_.push_back(true); }
  void AnswerNo() { answers_.push_back(false); }
  void AnswerFile(const std::string& path) { answers_.push_back(path); }
  void AnswerColor(TColor color) { answers_.push_back(color); }
  void AnswerFont(const TFont& font) { answers_.push_back(font); }
  void AnswerCancel() { answers_.push_back(TCancel{}); }

  const std::vector<TQuestion>& Questions() const { return questions_; }
  std::vector<std::string> Messages() const;        // the texts of ShowMessage, in order
  std::vector<std::string> InternalErrors() const;  // the texts of ShowInternalError, in order
  std::size_t PendingAnswers() const { return answers_.size(); }

  void ShowMessage(const std::string& text) override;
  void ShowInternalError(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  TYesNoCancel AskYesNoCancel(const std::string& text) override;
  bool AskYesNoDefaultNo(const std::string& text) override;
  std::optional<std::string> OpenFileName(const TFileDialogOptions& options) override;
  std::optional<std::string> SaveFileName(const TFileDialogOptions& options) override;
  std::optional<TColor> ChooseColor(TColor initial) override;
  std::optional<TFont> ChooseFont(const TFont& initial) override;

 private:
  TAnswer NextAnswer(const std::string& text);
  bool Ask(TKind kind, const std::string& text);
  std::vector<std::string> Texts(TKind kind) const;
  template <typename T>
  std::optional<T> NextOptional(TKind kind, const TFileDialogOptions& options = {});

  std::deque<TAnswer> answers_;
  std::vector<TQuestion> questions_;
};

}  // namespace quorvel

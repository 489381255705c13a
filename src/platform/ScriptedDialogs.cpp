#include "platform/ScriptedDialogs.h"

#include <stdexcept>

namespace quorvel {

std::vector<std::string> TScriptedDialogs::Messages() const { return Texts(TKind::Message); }

std::vector<std::string> TScriptedDialogs::InternalErrors() const { return Texts(TKind::InternalError); }

std::vector<std::string> TScriptedDialogs::Texts(TKind kind) const {
  std::vector<std::string> texts;
  for (const TQuestion& q : questions_)
    if (q.Kind == kind) texts.push_back(q.Text);
  return texts;
}

TScriptedDialogs::TAnswer TScriptedDialogs::NextAnswer(const std::string& text) {
  if (answers_.empty()) throw std::logic_error("unscripted dialog: " + text);
  TAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

template <typename T>
std::optional<T> TScriptedDialogs::NextOptional(TKind kind, const TFileDialogOptions& options) {
  questions_.push_back({kind, {}, options});
  TAnswer answer = NextAnswer(options.Filter);
  if (std::holds_alternative<TCancel>(answer)) return std::nullopt;
  if (!std::holds_alternative<T>(answer)) throw std::logic_error("scripted answer of the wrong kind");
  return std::get<T>(answer);
}

void TScriptedDialogs::ShowMessage(const std::string& text) { questions_.push_back({TKind::Message, text, {}}); }

void TScriptedDialogs::ShowInternalError(const std::string& text) {
  questions_.push_back({TKind::InternalError, text, {}});
}

bool TScriptedDialogs::AskYesNo(const std::string& text) { return Ask(TKind::YesNo, text); }

bool TScriptedDialogs::AskYesNoDefaultNo(const std::string& text) { return Ask(TKind::YesNoDefaultNo, text); }

bool TScriptedDialogs::Ask(TKind kind, const std::string& text) {
  questions_.push_back({kind, text, {}});
  TAnswer answer = NextAnswer(text);
  if (!std::holds_alternative<bool>(answer)) throw std::logic_error("scripted answer of the wrong kind: " + text);
  return std::get<bool>(answer);
}

TYesNoCancel TScriptedDialogs::AskYesNoCancel(const std::string& text) {
  questions_.push_back({TKind::YesNoCancel, text, {}});
  TAnswer answer = NextAnswer(text);
  if (std::holds_alternative<TCancel>(answer)) return TYesNoCancel::Cancel;
  if (!std::holds_alternative<bool>(answer)) throw std::logic_error("scripted answer of the wrong kind: " + text);
  return std::get<bool>(answer) ? TYesNoCancel::Yes : TYesNoCancel::No;
}

std::optional<std::string> TScriptedDialogs::OpenFileName(const TFileDialogOptions& options) {
  return NextOptional<std::string>(TKind::OpenFile, options);
}

std::optional<std::string> TScriptedDialogs::SaveFileName(const TFileDialogOptions& options) {
  return NextOptional<std::string>(TKind::SaveFile, options);
}

std::optional<TColor> TScriptedDialogs::ChooseColor(TColor) { return NextOptional<TColor>(TKind::Color); }

std::optional<TFont> TScriptedDialogs::ChooseFont(const TFont&) { return NextOptional<TFont>(TKind::Font); }

}  // namespace quorvel

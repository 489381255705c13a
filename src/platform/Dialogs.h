#pragma once

#include <optional>
#include <string>

#include "platform/Color.h"
#include "platform/Font.h"

namespace quorvel {

struct TFileDialogOptions {
  std::string Filter;            // "Etikett|*.lab": pairs of caption and pattern
  std::string DefaultExtension;  // added when the user types a name without one ("lab")
  std::string FileName;          // preset of the name field
  std::string InitialDir;
  std::string Title;
  bool operator==(const TFileDialogOptions&) const = default;
};

enum class TYesNoCancel { Yes, No, Cancel };

// The common dialogs. All texts are UTF-8; file names are the system's bytes.
class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // A report with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The report of a programming error ("Interner Fehler: …"), which tests
  // record so that they fail on it; shown like any other report by default.
  virtual void ShowInternalError(const std::string& text) { ShowMessage(text); }
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A question with Yes, No and Cancel, where Cancel stops what asked.
  virtual TYesNoCancel AskYesNoCancel(const std::string& text) = 0;
  // The same where Yes risks something: No is the answer Enter gives.
  virtual bool AskYesNoDefaultNo(const std::string& text) { return AskYesNo(text); }
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFileName(const TFileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFileName(const TFileDialogOptions& options) = 0;
  virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
  virtual std::optional<TFont> ChooseFont(const TFont& initial) = 0;
};

}  // namespace quorvel

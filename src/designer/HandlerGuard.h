#pragma once

#include <functional>

namespace quorvel {

class IDialogs;

// The one guard of the designer's user-interface handlers, so that nothing
// throws into Qt's event loop. An EUserError shows its message; an EAbort
// (the user called the action off) ends it quietly. Anything
// else is an internal error: "Interner Fehler: …" is shown, the details go
// to standard error, and the program keeps running so that the user can
// still save the label.
class THandlerGuard {
 public:
  explicit THandlerGuard(IDialogs& dialogs) : dialogs_(dialogs) {}

  // Runs the handler; false when it ended by an exception.
  bool Run(const std::function<void()>& handler) const noexcept;
  // The handler run by Run, for connecting to a signal.
  std::function<void()> Guarded(std::function<void()> handler) const;

 private:
  IDialogs& dialogs_;
};

}  // namespace quorvel

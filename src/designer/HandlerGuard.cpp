#include "designer/HandlerGuard.h"

#include <iostream>
#include <typeinfo>

#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {

bool THandlerGuard::Run(const std::function<void()>& handler) const noexcept {
  std::string internal;
  try {
    handler();
    return true;
  } catch (const EUserError& error) {
    dialogs_.ShowMessage(error.what());
    return false;
  } catch (const EAbort&) {
    return false;  // called off on purpose: nothing to report
  } catch (const std::exception& error) {
    std::cerr << "quorvel: interner Fehler (" << typeid(error).name() << "): " << error.what() << std::endl;
    internal = error.what();
  } catch (...) {
    std::cerr << "quorvel: interner Fehler (unbekannte Ausnahme)" << std::endl;
    internal = "unbekannte Ausnahme";
  }
  try {
    dialogs_.ShowInternalError(std::string("Interner Fehler: ") + internal);
  } catch (...) {
    std::cerr << "quorvel: der interne Fehler kann nicht angezeigt werden" << std::endl;
  }
  return false;
}

std::function<void()> THandlerGuard::Guarded(std::function<void()> handler) const {
  return [this, handler = std::move(handler)] { Run(handler); };
}

}  // namespace quorvel

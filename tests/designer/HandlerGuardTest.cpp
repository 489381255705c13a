#include <gtest/gtest.h>

#include <stdexcept>

#include "designer/HandlerGuard.h"
#include "platform/Errors.h"
#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

// A user's error is shown as it is; anything else is an internal error that
// is reported as such, and the handler's caller goes on either way.
TEST(HandlerGuardTest, ShowsUserErrorsAndReportsEverythingElseAsInternal) {
  TScriptedDialogs dialogs;
  THandlerGuard guard(dialogs);
  EXPECT_TRUE(guard.Run([] {}));
  EXPECT_FALSE(guard.Run([] { throw EConvertError("'x' ist kein gültiger Integerwert"); }));
  EXPECT_FALSE(guard.Run([] { throw std::out_of_range("no object in slot 7"); }));
  EXPECT_FALSE(guard.Run([] { throw 42; }));
  std::function<void()> guarded = guard.Guarded([] { throw std::logic_error("the object's element is no shape"); });
  EXPECT_NO_THROW(guarded());
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"'x' ist kein gültiger Integerwert"});
  EXPECT_EQ(dialogs.InternalErrors(),
            (std::vector<std::string>{"Interner Fehler: no object in slot 7", "Interner Fehler: unbekannte Ausnahme",
                                      "Interner Fehler: the object's element is no shape"}));
}

}  // namespace
}  // namespace quorvel

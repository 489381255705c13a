#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

TEST(ScriptedDialogsTest, AnswersFromTheQueueAndRecordsEveryQuestion) {
  TScriptedDialogs dialogs;
  dialogs.AnswerNo();
  dialogs.AnswerFile("/tmp/a.lab");
  dialogs.AnswerCancel();
  dialogs.AnswerColor(clRed);

  dialogs.ShowMessage("Fertig");
  EXPECT_FALSE(dialogs.AskYesNo(std::string("Änderungen speichern ? ")));
  TFileDialogOptions open{"Etikett|*.lab", "lab", "", "", ""};
  EXPECT_EQ(dialogs.OpenFileName(open), "/tmp/a.lab");
  EXPECT_EQ(dialogs.SaveFileName(open), std::nullopt);
  EXPECT_EQ(dialogs.ChooseColor(clBlack), clRed);

  ASSERT_EQ(dialogs.Questions().size(), 5u);
  EXPECT_EQ(dialogs.Questions()[1].Kind, TScriptedDialogs::TKind::YesNo);
  EXPECT_EQ(dialogs.Questions()[1].Text, std::string("Änderungen speichern ? "));
  EXPECT_EQ(dialogs.Questions()[2].Options, open);
  EXPECT_EQ(dialogs.Questions()[3].Kind, TScriptedDialogs::TKind::SaveFile);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Fertig"});
  EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

TEST(ScriptedDialogsTest, AnUnexpectedOrMismatchedQuestionFailsLoudly) {
  TScriptedDialogs dialogs;
  EXPECT_THROW(dialogs.AskYesNo("?"), std::logic_error);
  dialogs.AnswerFile("x");
  EXPECT_THROW(dialogs.AskYesNo("?"), std::logic_error);
  dialogs.AnswerYes();
  EXPECT_THROW(dialogs.OpenFileName({}), std::logic_error);
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include "WorkingDirectory.h"
#include "app/Program.h"
#include "designer/Form2.h"
#include "designer/TopBar.h"
#include "document/DesignerSettings.h"
#include "platform/PdfPrinter.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

using test::ReadFile;
using test::WriteFile;

// The program with the real designer window, as the program itself wires it.
class DesignerWiringTest : public ::testing::Test {
 protected:
  DesignerWiringTest()
      : program(launcher, [this] { return std::make_unique<TForm2>(dialogs, printer); }, {}) {}

  TForm2& Designer() { return *static_cast<TForm2*>(program.DesignerWindow()); }

  // A label with one box, opened through the designer's own command.
  void OpenLabelWithABox() {
    WriteFile(folder.Path("kiste.lab"), "55;50;;;;;;;;;;0;;\r\n1;1;0;100;100;200;150;1;000000;FFFFFF;\r\n");
    dialogs.AnswerFile(folder.Path("kiste.lab"));
    Designer().TopBar().Menu().Open->trigger();
    ASSERT_EQ(Designer().Document().ObjectCount(), 1);
  }

  test::TWorkingDirectory folder;
  TScriptedDialogs dialogs;
  TPdfPrinter printer{folder.Path("druck.pdf"), 195, 288, 300};
  TRecordingProcessLauncher launcher;
  TProgram program;
};

TEST_F(DesignerWiringTest, TheDesignerIsMadeAtStartAndHidden) {
  ASSERT_NE(program.DesignerWindow(), nullptr);
  EXPECT_EQ(Designer().windowTitle(), "Quorvel Etikettenentwurf");
  EXPECT_FALSE(Designer().isVisible());
}

TEST_F(DesignerWiringTest, ClosingTheDesignerHidesItAndKeepsTheLabel) {
  TForm1& start = program.StartWindow();
  start.show();
  start.LoginOkClick();
  start.Entwurf1->trigger();
  ASSERT_TRUE(Designer().isVisible());
  OpenLabelWithABox();

  EXPECT_TRUE(Designer().close());
  EXPECT_FALSE(Designer().isVisible());
  EXPECT_TRUE(start.isVisible());
  EXPECT_FALSE(ReadFile(SettingsPath("data2.ini")).empty());

  start.Entwurf1->trigger();
  EXPECT_TRUE(Designer().isVisible());
  EXPECT_EQ(Designer().Document().ObjectCount(), 1);
  EXPECT_EQ(Designer().Document().Object(1).Name, "box01");
}

TEST_F(DesignerWiringTest, EndingTheProgramAsksTheOpenDesignerAboutUnsavedChanges) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(5000);
  QTimer::singleShot(0, [this] {
    program.StartWindow().LoginOkClick();
    program.StartWindow().Entwurf1Click();
    OpenLabelWithABox();
    Designer().Document().Modified = true;
    dialogs.AnswerNo();
    program.StartWindow().Ende1Click();
  });
  EXPECT_EQ(program.Run(), 0);
  ASSERT_FALSE(dialogs.Questions().empty());
  EXPECT_EQ(dialogs.Questions().back().Text, "Änderungen speichern ? ");
  EXPECT_FALSE(ReadFile(SettingsPath("data2.ini")).empty());
  EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), "1\r\n0\r\n0\r\n0\r\n");
}

TEST_F(DesignerWiringTest, CancellingTheQuestionAtTheEndKeepsTheProgramAndTheEdit) {
  program.Show();
  program.StartWindow().LoginOkClick();
  program.StartWindow().Entwurf1Click();
  OpenLabelWithABox();
  Designer().Document().Modified = true;
  dialogs.AnswerCancel();
  EXPECT_FALSE(program.StartWindow().close());
  EXPECT_EQ(dialogs.Questions().back().Kind, TScriptedDialogs::TKind::YesNoCancel);
  EXPECT_TRUE(program.StartWindow().isVisible());
  EXPECT_TRUE(Designer().isVisible());
  EXPECT_TRUE(Designer().Document().Modified);
  EXPECT_EQ(Designer().Document().ObjectCount(), 1);
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "WorkingDirectory.h"
#include "app/Program.h"
#include "document/DesignerSettings.h"
#include "platform/ProcessLauncher.h"

namespace quorvel {
namespace {

using test::ReadFile;
using test::WriteFile;

// Stands in for the designer: records its closing, and may refuse it as a
// designer does whose user cancels the question about unsaved changes.
class TFakeDesigner : public QWidget {
 public:
  TFakeDesigner(std::vector<std::string>& log, bool refuseClose) : log_(log), refuseClose_(refuseClose) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    log_.push_back("designer closed");
    if (refuseClose_) event->ignore();
  }

 private:
  std::vector<std::string>& log_;
  bool refuseClose_;
};

class ProgramTest : public ::testing::Test {
 protected:
  TProgram::TWindowFactory Designer(bool refuseClose = false) {
    return [this, refuseClose] {
      log.push_back("designer created");
      return std::make_unique<TFakeDesigner>(log, refuseClose);
    };
  }
  TProgram::TWindowFactory Preview() {
    return [this] {
      log.push_back("preview created");
      return std::make_unique<QWidget>();
    };
  }

  test::TWorkingDirectory folder;
  TRecordingProcessLauncher launcher;
  std::vector<std::string> log;
};

TEST_F(ProgramTest, CreatesAllWindowsAtStartInTheLanguageOfTheFileAndShowsNoneYet) {
  WriteFile(SettingsPath("data1.ini"), "0\r\n0\r\n1\r\n0\r\n");
  TProgram program(launcher, Designer(), Preview());
  EXPECT_EQ(log, (std::vector<std::string>{"designer created", "preview created"}));
  // The about window was made after the start window had read the language.
  EXPECT_EQ(program.AboutWindow().windowTitle(), "about Talvern");
  EXPECT_TRUE(program.AboutWindow().InfoText->toPlainText().contains("From 13.05.2026"));
  EXPECT_FALSE(program.StartWindow().isVisible());
  EXPECT_FALSE(program.AboutWindow().isVisible());
  EXPECT_FALSE(program.DesignerWindow()->isVisible());
  EXPECT_FALSE(program.PreviewWindow()->isVisible());
}

TEST_F(ProgramTest, BearbeitungShowsTheDesignerAndClosingItKeepsIt) {
  TProgram program(launcher, Designer(), Preview());
  TForm1& start = program.StartWindow();
  start.show();
  QTest::mouseClick(start.LoginOkButton, Qt::LeftButton);
  start.Entwurf1->trigger();
  QWidget* designer = program.DesignerWindow();
  EXPECT_TRUE(designer->isVisible());
  EXPECT_TRUE(start.isVisible());

  designer->close();
  EXPECT_FALSE(designer->isVisible());
  start.Entwurf1->trigger();
  EXPECT_EQ(program.DesignerWindow(), designer);
  EXPECT_TRUE(designer->isVisible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "designer created"), 1);
}

TEST_F(ProgramTest, TheAboutItemShowsTheSameAboutWindowEachTime) {
  TProgram program(launcher, Designer(), Preview());
  TForm30* about = &program.AboutWindow();
  program.StartWindow().berTalvern1->trigger();
  EXPECT_TRUE(about->isVisible());
  QTest::mouseClick(about->CloseButton, Qt::LeftButton);
  program.StartWindow().berTalvern1->trigger();
  EXPECT_EQ(&program.AboutWindow(), about);
  EXPECT_TRUE(about->isVisible());
}

TEST_F(ProgramTest, WithoutADesignerBearbeitungDoesNothing) {
  TProgram program(launcher, {}, {});
  program.StartWindow().LoginOkClick();
  program.StartWindow().Entwurf1->trigger();
  EXPECT_EQ(program.DesignerWindow(), nullptr);
}

// Runs the program's event loop with the given steps; a loop that does not
// end within a few seconds ends with 99.
int RunWith(TProgram& program, std::function<void()> steps) {
  QTimer::singleShot(0, std::move(steps));
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(5000);
  return program.Run();
}

TEST_F(ProgramTest, ClosingTheStartWindowClosesAnOpenDesignerFirstAndEndsTheProgram) {
  WriteFile(SettingsPath("data1.ini"), "0\r\n1\r\n0\r\n0\r\n");
  TProgram program(launcher, Designer(), Preview());
  const int result = RunWith(program, [&] {
    program.StartWindow().LoginOkClick();
    program.StartWindow().Entwurf1Click();
    program.StartWindow().Ende1Click();
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(log.back(), "designer closed");
  EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), "0\r\n1\r\n0\r\n0\r\n");
}

TEST_F(ProgramTest, TheProgramGoesOnWhileTheDesignerStaysOpen) {
  TProgram program(launcher, Designer(/*refuseClose=*/true), Preview());
  program.Show();
  program.StartWindow().LoginOkClick();
  program.StartWindow().Entwurf1Click();
  EXPECT_FALSE(program.StartWindow().close());
  EXPECT_EQ(log.back(), "designer closed");
  EXPECT_TRUE(program.StartWindow().isVisible());
  EXPECT_TRUE(program.DesignerWindow()->isVisible());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath("data1.ini"))));
}

TEST_F(ProgramTest, AHiddenDesignerIsNotClosedAgainAtTheEnd) {
  TProgram program(launcher, Designer(), Preview());
  const int result = RunWith(program, [&] { program.StartWindow().close(); });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"designer created", "preview created"}));
}

}  // namespace
}  // namespace quorvel

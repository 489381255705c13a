#include <gtest/gtest.h>

#include <QFileInfo>
#include <QThread>

#include "platform/ProcessLauncher.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

bool AppearsWithin(const std::string& path, int seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    if (QFileInfo::exists(QString::fromStdString(path))) return true;
    QThread::msleep(50);
  }
  return false;
}

TEST(ProcessLauncherTest, ArgumentsReachTheProgramAsTheyAreWithoutAShell) {
  test::TTempDir dir;
  TQtProcessLauncher launcher;
  std::string tricky = "a; touch injected";
  ASSERT_TRUE(launcher.StartProgram("touch", {tricky}, dir.Path("")));
  ASSERT_TRUE(AppearsWithin(dir.Path(tricky), 10));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.Path("injected"))));
}

TEST(ProcessLauncherTest, AMissingProgramReportsFailure) {
  TQtProcessLauncher launcher;
  EXPECT_FALSE(launcher.StartProgram("/nonexistent/program", {}, "/"));
}

}  // namespace
}  // namespace quorvel

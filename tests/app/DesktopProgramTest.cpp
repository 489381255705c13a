#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>

#include "WorkingDirectory.h"
#include "app/DesktopProgram.h"
#include "designer/ControlHost.h"
#include "designer/DesignPanel.h"
#include "designer/EveryKindLabel.h"
#include "designer/DesignPage.h"
#include "designer/Form2.h"
#include "platform/PdfPrinter.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

// "quorvel FILE.lab": the program as the desktop starts it to open a label.
class DesktopProgramTest : public ::testing::Test {
 protected:
  void ExpectLoggedInWithTheDesignerOnTop() {
    TForm1& start = program.Program().StartWindow();
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(start.LoginBox->isVisible());
    EXPECT_TRUE(start.Entwurf1->isEnabled());
    EXPECT_TRUE(program.Designer().isVisible());
  }

  test::TWorkingDirectory folder;
  TScriptedDialogs dialogs;
  TPdfPrinter printer{folder.Path("druck.pdf"), 195, 288, 300};
  TRecordingProcessLauncher launcher;
  TDesktopProgram program{launcher, dialogs, printer};
};

TEST_F(DesktopProgramTest, ALabelNamedAtStartIsShownInTheDesignerOverTheLoggedInStartWindow) {
  const std::string label = test::WriteEveryKindLabel(folder.Path(""));
  program.Start("alles.lab");  // named relative to the working directory, as a shell gives it
  ExpectLoggedInWithTheDesignerOnTop();
  EXPECT_TRUE(dialogs.Messages().empty());

  TLabelDocument& document = program.Designer().Document();
  ASSERT_EQ(document.ObjectCount(), 8);
  EXPECT_EQ(QDir::cleanPath(QString::fromStdString(document.LoadedFileName)),
            QDir::cleanPath(QString::fromStdString(label)));
  auto* objectList = program.Designer().findChild<QComboBox*>("ObjectList");
  ASSERT_NE(objectList, nullptr);
  EXPECT_EQ(objectList->count(), 8);
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    SCOPED_TRACE(document.Object(slot).Name);
    TControlHost* host = program.Designer().DesignPage().Surface().HostOf(document.Object(slot).Element());
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->isVisible());
  }
}

TEST_F(DesktopProgramTest, ALabelThatCannotBeReadIsReportedInTheOpenDesigner) {
  program.Start(QString::fromStdString(folder.Path("fehlt.lab")));
  ExpectLoggedInWithTheDesignerOnTop();
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_NE(dialogs.Messages()[0].find("fehlt.lab existiert nicht"), std::string::npos);
  EXPECT_EQ(program.Designer().Document().ObjectCount(), 0);
}

}  // namespace
}  // namespace quorvel

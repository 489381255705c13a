#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "app/ManualFile.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// A working folder and an installed program under one private folder:
// work/, bin/quorvel, share/doc/quorvel/.
class ManualFileTest : public ::testing::Test {
 protected:
  ManualFileTest() {
    for (const char* folder : {"work", "bin", "share/doc/quorvel"}) std::filesystem::create_directories(root.Path(folder));
  }
  QString Path(const std::string& name) const { return QString::fromStdString(root.Path(name)); }
  void PutManual(const std::string& folder) { test::WriteFile(root.Path(folder + "/quorvel.pdf"), "%PDF-1.4\n"); }
  QString Find() const { return FindManual(Path("work"), Path("bin"), "../share/doc/quorvel"); }

  test::TTempDir root;
};

TEST_F(ManualFileTest, TheWorkingFolderComesFirst) {
  PutManual("work");
  PutManual("bin");
  PutManual("share/doc/quorvel");
  EXPECT_EQ(Find(), Path("work") + "/quorvel.pdf");
}

TEST_F(ManualFileTest, ThenTheProgramsFolder) {
  PutManual("bin");
  PutManual("share/doc/quorvel");
  EXPECT_EQ(Find(), Path("bin") + "/quorvel.pdf");
}

TEST_F(ManualFileTest, ThenTheInstalledDocumentationFolder) {
  PutManual("share/doc/quorvel");
  EXPECT_EQ(Find(), QDir::cleanPath(Path("share/doc/quorvel") + "/quorvel.pdf"));
}

TEST_F(ManualFileTest, NowhereNamesTheWorkingFolder) {
  std::filesystem::create_directory(root.Path("bin/quorvel.pdf"));  // a folder is no manual
  EXPECT_EQ(Find(), Path("work") + "/quorvel.pdf");
}

}  // namespace
}  // namespace quorvel

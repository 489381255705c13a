#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "app/ManualFile.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// An installed program under one private folder: bin/quorvel and
// share/doc/quorvel/.
class ManualFileTest : public ::testing::Test {
 protected:
  ManualFileTest() {
    for (const char* folder : {"bin", "share/doc/quorvel"}) std::filesystem::create_directories(root.Path(folder));
  }
  QString Path(const std::string& name) const { return QDir::cleanPath(QString::fromStdString(root.Path(name))); }
  QString Find() const { return FindManual(Path("bin"), "../share/doc/quorvel"); }

  test::TTempDir root;
};

TEST_F(ManualFileTest, TheInstalledManualWinsThenTheOneBesideTheProgramThenTheInstalledName) {
  struct TCase {
    std::vector<std::string> Manuals;  // folders holding a quorvel.pdf
    std::string Found;
  };
  const TCase cases[] = {
      {{"bin", "share/doc/quorvel"}, "share/doc/quorvel"},
      {{"bin"}, "bin"},
      {{}, "share/doc/quorvel"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Found);
    for (const char* folder : {"bin", "share/doc/quorvel"}) std::filesystem::remove(root.Path(folder) + "/quorvel.pdf");
    for (const std::string& folder : c.Manuals) test::WriteFile(root.Path(folder + "/quorvel.pdf"), "%PDF-1.4\n");
    EXPECT_EQ(Find(), Path(c.Found + "/quorvel.pdf"));
  }
}

TEST_F(ManualFileTest, AFolderIsNoManual) {
  std::filesystem::create_directory(root.Path("share/doc/quorvel/quorvel.pdf"));
  test::WriteFile(root.Path("bin/quorvel.pdf"), "%PDF-1.4\n");
  EXPECT_EQ(Find(), Path("bin/quorvel.pdf"));
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>
#include <map>
#include <string>

#include "app/SettingsTakeOver.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::ReadFile;
using test::WriteFile;

using TFolderFiles = std::map<std::string, std::string>;  // file name -> content

// The settings folder and the two earlier folders (the working directory and
// ~/Quorvel) under one private folder.
class SettingsTakeOverTest : public ::testing::Test {
 protected:
  void Put(const std::string& folder, const TFolderFiles& files) {
    std::filesystem::create_directories(root.Path(folder));
    for (const auto& [name, content] : files) WriteFile(root.Path(folder + "/" + name), content);
  }
  TFolderFiles Files(const std::string& folder) const {
    TFolderFiles files;
    if (!std::filesystem::is_directory(root.Path(folder))) return files;
    for (const auto& entry : std::filesystem::directory_iterator(root.Path(folder)))
      files[entry.path().filename().string()] = ReadFile(entry.path().string());
    return files;
  }
  QStringList TakeOver() {
    const auto path = [this](const char* folder) { return QString::fromStdString(root.Path(folder)); };
    return TakeOverSettingsFiles(path("config/quorvel"), {path("work"), path("Quorvel")});
  }

  test::TTempDir root;
};

TEST_F(SettingsTakeOverTest, AtTheFirstStartEachFileComesFromTheFirstEarlierFolderHoldingIt) {
  Put("work", {{"data1.ini", "work 1"}, {"data2.ini", "work 2"}, {"andere.ini", "x"}});
  Put("Quorvel", {{"data2.ini", "menu 2"}, {"drucker.ini", "menu printer"}});
  EXPECT_EQ(TakeOver().join(' ').toStdString(), "data1.ini data2.ini drucker.ini");
  EXPECT_EQ(Files("config/quorvel"),
            (TFolderFiles{{"data1.ini", "work 1"}, {"data2.ini", "work 2"}, {"drucker.ini", "menu printer"}}));
  EXPECT_EQ(Files("work").size(), 3u);  // copied, not moved
  EXPECT_EQ(Files("Quorvel").size(), 2u);
}

TEST_F(SettingsTakeOverTest, OnceTheSettingsFolderHoldsAnySettingsFileItsFilesWin) {
  Put("config/quorvel", {{"drucker.ini", "kept"}});
  Put("work", {{"data1.ini", "work 1"}, {"drucker.ini", "work printer"}});
  EXPECT_TRUE(TakeOver().isEmpty());
  EXPECT_EQ(Files("config/quorvel"), (TFolderFiles{{"drucker.ini", "kept"}}));
}

TEST_F(SettingsTakeOverTest, NothingToTakeOverLeavesNoFolderAndOnlyFilesAreTaken) {
  std::filesystem::create_directories(root.Path("work/data2.ini"));  // a folder of that name
  EXPECT_TRUE(TakeOver().isEmpty());
  EXPECT_FALSE(std::filesystem::exists(root.Path("config/quorvel")));
}

}  // namespace
}  // namespace quorvel

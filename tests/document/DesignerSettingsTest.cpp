#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "LabelFileSupport.h"
#include "document/DesignerSettings.h"
#include "platform/QtText.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::CrLf;
using test::ReadFile;
using test::WriteFile;

class DesignerSettingsTest : public ::testing::Test {
 protected:
  DesignerSettingsTest() {
    document_.Layout = {"55", "50", "1", "2", "3", "4", "5", "6", "7", "8"};
    document_.SeriesFileName = "s.csv";
    document_.QuantityColumn = "9";
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }

  test::TTempDir dir_;
  TLabelDocument document_;
};

TEST_F(DesignerSettingsTest, SheetSettingsAreTwelveLinesWithTheSeriesFileBetweenGapsAndMargins) {
  document_.Landscape = true;
  WriteSheetSettings(document_, Path("data2.ini"));
  EXPECT_EQ(ReadFile(Path("data2.ini")), CrLf({"0", "1", "1", "2", "3", "4", "5", "6", "s.csv", "7", "8", "9"}));

  TLabelDocument read;
  ReadSheetSettings(read, Path("data2.ini"));
  EXPECT_TRUE(read.Landscape);
  EXPECT_EQ(read.Layout, document_.Layout);  // the label size is not in the file and keeps 55 x 50
  EXPECT_EQ(read.SeriesFileName, "s.csv");
  EXPECT_EQ(read.QuantityColumn, "9");
}

TEST_F(DesignerSettingsTest, AShortFileEmptiesTheFieldsItDoesNotReach) {
  document_.Landscape = true;
  WriteFile(Path("data2.ini"), CrLf({"1", "0", "195"}));
  ReadSheetSettings(document_, Path("data2.ini"));
  EXPECT_FALSE(document_.Landscape);
  EXPECT_EQ(document_.Layout.SheetWidth, "195");
  EXPECT_EQ(document_.Layout.SheetHeight, "");
  EXPECT_EQ(document_.Layout.LeftMargin, "");
  EXPECT_EQ(document_.SeriesFileName, "");
  EXPECT_EQ(document_.QuantityColumn, "");
  EXPECT_EQ(document_.Layout.LabelWidth, "55");
}

TEST_F(DesignerSettingsTest, OrientationLinesDecideInOrder) {
  const std::tuple<const char*, const char*, bool, bool> kCases[] = {
      // line 1, line 2, orientation before, orientation after
      {"1", "0", true, false}, {"0", "1", false, true}, {"1", "1", false, true},
      {"0", "0", true, true},  {"0", "0", false, false}, {"ja", "", true, true},
  };
  for (const auto& [first, second, before, after] : kCases) {
    WriteFile(Path("data2.ini"), CrLf({first, second}));
    document_.Landscape = before;
    ReadSheetSettings(document_, Path("data2.ini"));
    EXPECT_EQ(document_.Landscape, after) << first << "/" << second;
  }
}

TEST_F(DesignerSettingsTest, AMissingFileChangesNothingAndAnUnreadableOneIsReported) {
  TSheetLayout before = document_.Layout;
  ReadSheetSettings(document_, Path("data2.ini"));
  ReadPrinterSettings(document_, Path("drucker.ini"));
  EXPECT_EQ(document_.Layout, before);
  EXPECT_EQ(document_.PrinterName, "");

  QDir().mkpath(QString::fromStdString(Path("data2.ini")));  // exists, but is no file to read
  try {
    ReadSheetSettings(document_, Path("data2.ini"));
    ADD_FAILURE() << "read";
  } catch (const EUserError& error) {
    EXPECT_EQ(std::string(error.what()), "Die Datei " + Path("data2.ini") + " ist keine gewöhnliche Datei");
  }
  EXPECT_EQ(document_.Layout, before);
}

TEST_F(DesignerSettingsTest, ThePrinterNameIsKeptEvenForAPrinterThatIsNotInstalled) {
  WriteFile(Path("drucker.ini"), CrLf({"Gibt es nicht", "zweite Zeile"}));
  ReadPrinterSettings(document_, Path("drucker.ini"));
  EXPECT_EQ(document_.PrinterName, "Gibt es nicht");

  WriteFile(Path("drucker.ini"), "");
  ReadPrinterSettings(document_, Path("drucker.ini"));
  EXPECT_EQ(document_.PrinterName, "");

  document_.PrinterName = "Büro";
  WritePrinterSettings(document_, Path("drucker.ini"));
  EXPECT_EQ(ReadFile(Path("drucker.ini")), "B\xFCro\r\n");  // Windows-1252, as before
}

// A series file in a folder beyond Windows-1252 stays where it is: such a
// settings file is written as UTF-8 with a byte-order mark instead of losing
// the name to '?'.
TEST_F(DesignerSettingsTest, ASeriesFileNameBeyondWindows1252IsKept) {
  document_.SeriesFileName = "/home/anna/Łódź/adressen.csv";
  WriteSheetSettings(document_, Path("blatt.ini"));
  EXPECT_TRUE(ReadFile(Path("blatt.ini")).starts_with("\xEF\xBB\xBF"));
  TLabelDocument read;
  ReadSheetSettings(read, Path("blatt.ini"));
  EXPECT_EQ(read.SeriesFileName, "/home/anna/Łódź/adressen.csv");
}

// Settings live where Linux keeps them, whatever the working directory, also
// below a home folder whose name is not ASCII; the folder is made on the
// first write.
TEST_F(DesignerSettingsTest, SettingsLiveInTheUsersConfigurationFolderOfTheProgram) {
  const QString config = QString::fromStdString(Path("")) + QString::fromUtf8("/J\u00FCrgen/.config");
  const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
  const QString previousName = QCoreApplication::applicationName();
  qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
  QCoreApplication::setApplicationName("quorvel");

  EXPECT_EQ(SettingsFolder(), config + "/quorvel");
  EXPECT_EQ(ToQString(SettingsPath(kSheetSettingsFile)), config + "/quorvel/data2.ini");
  WriteSheetSettings(document_, SettingsPath(kSheetSettingsFile));
  EXPECT_TRUE(QFile::exists(config + "/quorvel/data2.ini"));
  TLabelDocument read;
  ReadSheetSettings(read, SettingsPath(kSheetSettingsFile));
  EXPECT_EQ(read.Layout.SheetHeight, "2");

  QCoreApplication::setApplicationName(previousName);
  qputenv("XDG_CONFIG_HOME", previousConfig);
}

}  // namespace
}  // namespace quorvel

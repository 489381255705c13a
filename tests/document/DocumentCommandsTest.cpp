#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "LabelFileSupport.h"
#include "document/DesignerSettings.h"
#include "document/DocumentCommands.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::Add;
using test::CrLf;
using test::kDefaultHeader;
using test::ReadFile;
using test::WriteFile;
using TKind = TScriptedDialogs::TKind;

const std::string kSaveChanges = std::string("Änderungen speichern ? ");
const std::string kOverwrite = std::string("Diese Datei ist bereits vorhanden, überschreiben ? ");

class TRecordingView : public IDocumentView {
 public:
  void ReturnToFullSize() override { ++returns; }
  void DocumentReplaced() override { ++replacements; }
  void SettingsChanged() override {}
  void LabelChanged() override {}
  int returns = 0;
  int replacements = 0;
};

// Dialogs whose file pickers wander off into another folder, as real ones may.
class TWanderingDialogs : public TScriptedDialogs {
 public:
  std::optional<std::string> OpenFileName(const TFileDialogOptions& options) override {
    QDir::setCurrent(QDir::rootPath());
    return TScriptedDialogs::OpenFileName(options);
  }
  std::optional<std::string> SaveFileName(const TFileDialogOptions& options) override {
    QDir::setCurrent(QDir::rootPath());
    return TScriptedDialogs::SaveFileName(options);
  }
};

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() : previous_(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(dir_.Path("")));
    commands_.Start();
  }
  ~DocumentCommandsTest() override { QDir::setCurrent(previous_); }

  std::string Path(const std::string& name) const { return dir_.Path(name); }

  // A changed document holding one box at the given left.
  void Change(int left) {
    if (document_.ObjectCount() == 0) Add(document_, TObjectKind::okBox);
    document_.Object(1).Left = left;
    document_.Modified = true;
  }
  // The left of the box a label file holds.
  static std::string BoxLine(int left) {
    return "1;1;0;" + std::to_string(left) + ";10;100;50;1;000000;FFFFFF;";
  }
  std::vector<TKind> Asked() const {
    std::vector<TKind> kinds;
    for (const auto& question : dialogs_.Questions()) kinds.push_back(question.Kind);
    return kinds;
  }
  void ExpectEverythingAnswered() const { EXPECT_EQ(dialogs_.PendingAnswers(), 0u); }

  test::TTempDir dir_;
  QString previous_;
  TWanderingDialogs dialogs_;
  TRecordingView view_;
  TLabelDocument document_;
  TDocumentCommands commands_{document_, dialogs_, view_};
};

TEST_F(DocumentCommandsTest, LabelFileDialogsFilterLabelFilesAndAddTheirExtension) {
  TFileDialogOptions options = TDocumentCommands::LabelFileDialog();
  EXPECT_EQ(options.Filter, "Etikett|*.lab");
  EXPECT_EQ(options.DefaultExtension, "lab");
  dialogs_.AnswerCancel();
  commands_.SaveAs();
  EXPECT_EQ(dialogs_.Questions().at(0).Options, options);
}

TEST_F(DocumentCommandsTest, NewWithoutChangesAsksNothingAndEmptiesTheLabel) {
  Add(document_, TObjectKind::okBox);
  document_.Layout.SheetWidth = "195";
  commands_.New();
  EXPECT_TRUE(dialogs_.Questions().empty());
  EXPECT_EQ(document_.ObjectCount(), 0);
  EXPECT_EQ(document_.Layout.SheetWidth, "195");
  EXPECT_EQ(view_.replacements, 1);
}

TEST_F(DocumentCommandsTest, NewWithChangesAnsweredNoDiscardsThem) {
  Change(20);
  dialogs_.AnswerNo();
  commands_.New();
  EXPECT_EQ(Asked(), (std::vector<TKind>{TKind::YesNoCancel}));
  EXPECT_EQ(dialogs_.Questions()[0].Text, kSaveChanges);
  EXPECT_EQ(document_.ObjectCount(), 0);
  EXPECT_FALSE(document_.Modified);
}

TEST_F(DocumentCommandsTest, NewWithChangesAnsweredYesSavesToTheSavedFileWithoutADialog) {
  Change(20);
  save_label(document_, Path("a.lab"));
  Change(30);
  dialogs_.AnswerYes();
  commands_.New();
  EXPECT_EQ(Asked(), (std::vector<TKind>{TKind::YesNoCancel}));
  EXPECT_EQ(ReadFile(Path("a.lab")), CrLf({kDefaultHeader, BoxLine(30)}));
  EXPECT_EQ(document_.ObjectCount(), 0);
}

TEST_F(DocumentCommandsTest, ALoadedChangedLabelIsSavedBackToItsFile) {
  WriteFile(Path("geladen.lab"), CrLf({kDefaultHeader, BoxLine(10)}));
  load_label(document_, Path("geladen.lab"));
  Change(40);
  commands_.Save();
  EXPECT_TRUE(dialogs_.Questions().empty());
  EXPECT_EQ(ReadFile(Path("geladen.lab")), CrLf({kDefaultHeader, BoxLine(40)}));
  EXPECT_FALSE(document_.Modified);
  EXPECT_GE(view_.returns, 1);
}

TEST_F(DocumentCommandsTest, TheSavedNameWinsOverTheLoadedOne) {
  WriteFile(Path("geladen.lab"), CrLf({kDefaultHeader, BoxLine(10)}));
  load_label(document_, Path("geladen.lab"));
  dialogs_.AnswerFile(Path("zweite.lab"));
  commands_.SaveAs();
  Change(50);
  commands_.Save();
  Change(60);
  commands_.Save();
  EXPECT_EQ(ReadFile(Path("geladen.lab")), CrLf({kDefaultHeader, BoxLine(10)}));
  EXPECT_EQ(ReadFile(Path("zweite.lab")), CrLf({kDefaultHeader, BoxLine(60)}));
  ExpectEverythingAnswered();
}

TEST_F(DocumentCommandsTest, SaveOfANeverSavedLabelAsksForANameAndAboutOverwriting) {
  Change(70);
  WriteFile(Path("da.lab"), "alt");
  dialogs_.AnswerFile(Path("da.lab"));
  dialogs_.AnswerNo();  // do not overwrite
  commands_.Save();
  EXPECT_EQ(ReadFile(Path("da.lab")), "alt");
  EXPECT_TRUE(document_.Modified);
  EXPECT_EQ(dialogs_.Questions()[1].Text, kOverwrite);

  dialogs_.AnswerFile(Path("da.lab"));
  dialogs_.AnswerYes();
  commands_.Save();
  EXPECT_EQ(ReadFile(Path("da.lab")), CrLf({kDefaultHeader, BoxLine(70)}));

  Change(80);  // from now on without any dialog
  commands_.Save();
  EXPECT_EQ(ReadFile(Path("da.lab")), CrLf({kDefaultHeader, BoxLine(80)}));
  EXPECT_EQ(Asked(), (std::vector<TKind>{TKind::SaveFile, TKind::YesNo, TKind::SaveFile, TKind::YesNo}));
}

TEST_F(DocumentCommandsTest, SaveAsToANewFileAsksNothingMoreAndCancelOrEmptyNameSaveNothing) {
  Change(5);
  dialogs_.AnswerCancel();
  commands_.SaveAs();
  dialogs_.AnswerFile("");
  commands_.SaveAs();
  EXPECT_FALSE(document_.HasSavedFile);
  EXPECT_TRUE(document_.Modified);
  dialogs_.AnswerFile(Path("neu.lab"));
  commands_.SaveAs();
  EXPECT_EQ(ReadFile(Path("neu.lab")), CrLf({kDefaultHeader, BoxLine(5)}));
  EXPECT_EQ(Asked(), (std::vector<TKind>{TKind::SaveFile, TKind::SaveFile, TKind::SaveFile}));
}

// Cancel, and a save the user wanted that then did not happen (its dialog
// cancelled, overwriting refused), stop the command: nothing is lost.
TEST_F(DocumentCommandsTest, CancelOrAWantedSaveThatDoesNotHappenStopsTheCommand) {
  WriteFile(Path("anderes.lab"), CrLf({"70;40;;;;;;;;;;1;;", BoxLine(99)}));
  WriteFile(Path("da.lab"), "alt");
  const std::pair<const char*, std::function<void()>> kAnswers[] = {
      {"Abbrechen", [&] { dialogs_.AnswerCancel(); }},
      {"Ja, Dialog abgebrochen", [&] { dialogs_.AnswerYes(), dialogs_.AnswerCancel(); }},
      {"Ja, nicht überschreiben", [&] { dialogs_.AnswerYes(), dialogs_.AnswerFile(Path("da.lab")), dialogs_.AnswerNo(); }},
  };
  const std::pair<const char*, std::function<bool()>> kCommands[] = {
      {"neu", [&] { return commands_.New(), true; }},
      {"öffnen", [&] { return commands_.Open(), true; }},
      {"Datei öffnen", [&] { return commands_.OpenFile(Path("anderes.lab")), true; }},
      {"Ende", [&] { return !commands_.Close(); }},
  };
  Change(1);
  for (const auto& [answer, script] : kAnswers)
    for (const auto& [command, run] : kCommands) {
      script();
      EXPECT_TRUE(run()) << command << ", " << answer;
      EXPECT_EQ(document_.ObjectCount(), 1) << command << ", " << answer;
      EXPECT_EQ(document_.Object(1).Left, 1) << command << ", " << answer;
      EXPECT_TRUE(document_.Modified) << command << ", " << answer;
      ExpectEverythingAnswered();
    }
  EXPECT_EQ(view_.replacements, 0);
  EXPECT_EQ(ReadFile(Path("da.lab")), "alt");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath("data2.ini"))));
}

TEST_F(DocumentCommandsTest, OpenThatIsCancelledLeavesTheLabelAsItWas) {
  Change(3);
  dialogs_.AnswerNo();
  dialogs_.AnswerCancel();
  commands_.Open();
  EXPECT_EQ(document_.ObjectCount(), 1);
  EXPECT_TRUE(document_.Modified);
  EXPECT_EQ(view_.replacements, 0);
}

TEST_F(DocumentCommandsTest, OpenReportsAMissingFile) {
  dialogs_.AnswerFile(Path("fehlt.lab"));
  commands_.Open();
  EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{" Die Datei " + Path("fehlt.lab") + " existiert nicht"}));
}

TEST_F(DocumentCommandsTest, AFailedOpenLeavesTheLabelExactlyAsItWas) {
  WriteFile(Path("gut.lab"), CrLf({"70;40;195;288;2;5;0;0;1;1;PDF;1;serie.csv;", BoxLine(10)}));
  dialogs_.AnswerFile(Path("gut.lab"));
  commands_.Open();
  Change(20);
  save_label(document_, Path("vorher.lab"));
  Change(30);  // modified again, as the user left it
  std::string broken = CrLf({kDefaultHeader, BoxLine(40), "1;1;0;x;10;100;50;1;000000;FFFFFF;", BoxLine(50)});
  WriteFile(Path("kaputt.lab"), broken);

  dialogs_.AnswerNo();  // do not save the changes
  dialogs_.AnswerFile(Path("kaputt.lab"));
  commands_.Open();
  EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{"Die Etikettendatei " + Path("kaputt.lab") +
                                                            ", Zeile 3, Feld \"Links\": 'x' ist kein gültiger Integerwert"}));
  EXPECT_EQ(view_.replacements, 1);  // only the good open
  EXPECT_TRUE(document_.Modified);
  EXPECT_TRUE(document_.HasLoadedFile);
  EXPECT_EQ(document_.LoadedFileName, Path("gut.lab"));
  EXPECT_EQ(document_.SavedFileName, Path("vorher.lab"));
  Change(20);
  save_label(document_, Path("nachher.lab"));
  EXPECT_EQ(ReadFile(Path("nachher.lab")), ReadFile(Path("vorher.lab")));
  EXPECT_EQ(ReadFile(Path("kaputt.lab")), broken);
}

TEST_F(DocumentCommandsTest, ASaveThatFailsStopsTheCommandThatAsked) {
  Add(document_, TObjectKind::okText).Text = "a;b";
  document_.Modified = true;
  dialogs_.AnswerYes();
  dialogs_.AnswerFile(Path("t.lab"));
  commands_.New();
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("nicht gespeichert"), std::string::npos);
  EXPECT_EQ(document_.ObjectCount(), 1);  // the changes the user wanted kept are still there
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("t.lab"))));
}

TEST_F(DocumentCommandsTest, CloseWritesTheSheetSettingsEveryTimeIntoTheSettingsFolder) {
  dialogs_.AnswerCancel();
  commands_.Open();  // the dialog leaves the working directory elsewhere
  document_.Layout.SheetWidth = "195";
  EXPECT_TRUE(commands_.Close());
  EXPECT_EQ(ReadFile(SettingsPath("data2.ini")), CrLf({"1", "0", "195", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(dialogs_.Questions().size(), 1u);

  Change(7);
  dialogs_.AnswerNo();
  document_.Landscape = true;
  EXPECT_TRUE(commands_.Close());
  EXPECT_EQ(ReadFile(SettingsPath("data2.ini")).substr(0, 6), "0\r\n1\r\n");
}

TEST_F(DocumentCommandsTest, CloseStopsWhenTheSettingsCannotBeWrittenOrTheWantedSaveFails) {
  QDir().mkpath(QString::fromStdString(SettingsPath("data2.ini")));
  EXPECT_FALSE(commands_.Close());
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("data2.ini kann nicht geschrieben werden"), std::string::npos);
  QDir().rmdir(QString::fromStdString(SettingsPath("data2.ini")));

  Add(document_, TObjectKind::okPicture).PictureFile = "x\ny.jpg";
  document_.Modified = true;
  dialogs_.AnswerYes();
  dialogs_.AnswerFile(Path("bild.lab"));
  EXPECT_FALSE(commands_.Close());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath("data2.ini"))));
  ExpectEverythingAnswered();
}

TEST_F(DocumentCommandsTest, StartReadsBothSettingsFilesFromTheSettingsFolderNotTheWorkingDirectory) {
  WriteFile(SettingsPath("drucker.ini"), CrLf({"Nicht installiert"}));
  WriteFile(SettingsPath("data2.ini"), CrLf({"0", "1", "200"}));
  WriteFile(Path("drucker.ini"), CrLf({"Aus dem Arbeitsverzeichnis"}));
  WriteFile(Path("data2.ini"), CrLf({"1", "0", "100"}));
  TLabelDocument document;
  TDocumentCommands commands(document, dialogs_, view_);
  commands.Start();
  EXPECT_EQ(document.PrinterName, "Nicht installiert");
  EXPECT_TRUE(document.Landscape);
  EXPECT_EQ(document.Layout.SheetWidth, "200");
}

TEST_F(DocumentCommandsTest, StartReportsAnUnreadableSettingsFileAndGoesOn) {
  QDir().mkpath(QString::fromStdString(SettingsPath("data2.ini")));
  WriteFile(SettingsPath("drucker.ini"), CrLf({"PDF"}));
  TLabelDocument document;
  TDocumentCommands commands(document, dialogs_, view_);
  commands.Start();
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("data2.ini ist keine gewöhnliche Datei"), std::string::npos);
  EXPECT_EQ(document.PrinterName, "PDF");
}

TEST_F(DocumentCommandsTest, SavePrinterWritesTheNameAlone) {
  document_.PrinterName = "Etikettendrucker";
  commands_.SavePrinter();
  EXPECT_EQ(ReadFile(SettingsPath("drucker.ini")), "Etikettendrucker\r\n");
}

}  // namespace
}  // namespace quorvel

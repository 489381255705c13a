#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "WorkingDirectory.h"
#include "app/Form1.h"
#include "document/DesignerSettings.h"
#include "platform/ProcessLauncher.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

using test::ReadFile;
using test::WriteFile;

// A start window in a private working directory, with the menu's actions
// counted instead of acted out.
class StartWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<TForm1> Open() {
    TForm1::TActions actions{[this] { ++designerShown; }, [this] { ++aboutShown; }, [this] { ++programEnded; }};
    auto window = std::make_unique<TForm1>(texts, launcher, actions);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  // On the button's circle: the rest of its width does not take clicks.
  static void ClickLanguage(TForm1& window, int k) {
    QTest::mouseClick(window.LanguageButtons[k], Qt::LeftButton, {}, QPoint(6, window.LanguageButtons[k]->height() / 2));
  }
  void ClickMenuBar(TForm1& window, QAction* action) {
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
  }

  test::TWorkingDirectory folder;
  TLanguageTable texts;
  TRecordingProcessLauncher launcher;
  int designerShown = 0, aboutShown = 0, programEnded = 0;
};

struct TLanguageFileCase {
  const char* Name;
  std::string File;         // content of "data1.ini"
  int Language;             // CurrentLanguage after the start
  std::string WrittenBack;  // the file as the closing window writes it
  const char* Documentation;
  const char* End;
  const char* Password;
};

const TLanguageFileCase kLanguageFileCases[] = {
    {"English", "0\r\n0\r\n1\r\n0\r\n", lgEnglish, "0\r\n0\r\n1\r\n0\r\n", "Documentation", "End", "Password"},
    {"French", "0\r\n1\r\n0\r\n0\r\n", lgFrench, "0\r\n1\r\n0\r\n0\r\n", "Documentation", "Fin", "Mot de passe"},
    {"GermanChosenByTheFile", "1\r\n0\r\n0\r\n0\r\n", lgGerman, "1\r\n0\r\n0\r\n0\r\n", "Dokumentation", "Ende",
     "Passwort"},
    {"TwoOnesTheLaterWins", "0\r\n1\r\n1\r\n0\r\n", lgEnglish, "0\r\n0\r\n1\r\n0\r\n", "Documentation", "End",
     "Password"},
    {"GermanAndPortugueseThePortugueseWins", "1\r\n0\r\n0\r\n1\r\n", lgPortuguese, "0\r\n0\r\n0\r\n1\r\n",
     "Documentaç" "ao", "Final", "Senha pessoal:"},
    {"ABlankBeforeTheOneCountsAsZero", "1\r\n0\r\n 1\r\n0\r\n", lgGerman, "1\r\n0\r\n0\r\n0\r\n", "Dokumentation",
     "Ende", "Passwort"},
    {"ABlankAfterTheOneCountsAsZero", "0\r\n0\r\n1 \r\n1\t\r\n", lgNone, "0\r\n0\r\n0\r\n0\r\n", "", "", ""},
    {"NoOneLeavesNoLanguageAndEmptyCaptions", "0\r\n0\r\n0\r\n0\r\n", lgNone, "0\r\n0\r\n0\r\n0\r\n", "", "", ""},
    {"AnEmptyFileChoosesNothing", "", lgNone, "0\r\n0\r\n0\r\n0\r\n", "", "", ""},
    {"LineFeedsAloneAndAMissingLastLine", "0\n0\n1", lgEnglish, "0\r\n0\r\n1\r\n0\r\n", "Documentation", "End",
     "Password"},
    {"LinesBeyondTheFourthAreNotRead", "0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n", lgFrench, "0\r\n1\r\n0\r\n0\r\n",
     "Documentation", "Fin", "Mot de passe"},
};

TEST_F(StartWindowTest, TheLanguageFileChoosesTheLanguageAndIsWrittenBackOnClosing) {
  for (const TLanguageFileCase& c : kLanguageFileCases) {
    SCOPED_TRACE(c.Name);
    WriteFile(SettingsPath("data1.ini"), c.File);
    texts = TLanguageTable();
    auto window = Open();
    EXPECT_EQ(texts.CurrentLanguage, c.Language);
    EXPECT_EQ(FromQString(window->Dokumentation1->title()), c.Documentation);
    EXPECT_EQ(FromQString(window->Ende1->text()), c.End);
    EXPECT_EQ(FromQString(window->PasswordLabel->text()), c.Password);
    window->close();
    EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), c.WrittenBack);
  }
}

TEST_F(StartWindowTest, WithoutALanguageFileTheWindowIsGermanAndWritesGerman) {
  auto window = Open();
  EXPECT_EQ(texts.CurrentLanguage, lgGerman);
  EXPECT_EQ(window->Dokumentation1->title(), "Dokumentation");
  EXPECT_EQ(window->Ende1->text(), "Ende");
  EXPECT_EQ(window->PasswordLabel->text(), "Passwort");
  window->close();
  EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), "1\r\n0\r\n0\r\n0\r\n");
}

TEST_F(StartWindowTest, TheLanguageBoxCaptionsFollowTheLanguage) {
  WriteFile(SettingsPath("data1.ini"), "0\r\n0\r\n0\r\n1\r\n");
  auto window = Open();
  EXPECT_EQ(FromQString(window->LanguageBox->title()), "Seleccione o seu Idioma:");
  const std::string expected[] = {"alemao", "francês", "inglês", "português"};
  for (int k = 0; k < LanguageButtonCount; ++k) {
    EXPECT_EQ(FromQString(window->LanguageButtons[k]->text()), expected[k]);
    EXPECT_EQ(window->LanguageButtons[k]->isChecked(), k == 3);
  }
}

// The buttons of a question as Qt labels them, without their shortcut
// marks, in UTF-8.
std::vector<std::string> QuestionButtons() {
  QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  std::vector<std::string> texts;
  for (QMessageBox::StandardButton button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
    texts.push_back(box.button(button)->text().remove('&').toStdString());
  return texts;
}

struct TQtTextsCase {
  const char* File;  // content of "data1.ini"
  std::vector<std::string> Buttons;
};

TEST_F(StartWindowTest, QtsOwnTextsSpeakTheLanguageOfTheStartWindow) {
  const TQtTextsCase cases[] = {
      {"1\r\n0\r\n0\r\n0\r\n", {"Ja", "Nein", "Abbrechen"}},
      {"0\r\n1\r\n0\r\n0\r\n", {"Oui", "Non", "Annuler"}},
      {"0\r\n0\r\n1\r\n0\r\n", {"Yes", "No", "Cancel"}},
      {"0\r\n0\r\n0\r\n1\r\n", {"Sim", "N\u00E3o", "Cancelar"}},
      {"0\r\n0\r\n0\r\n0\r\n", {"Ja", "Nein", "Abbrechen"}},  // no language: the designer's German
  };
  for (const TQtTextsCase& c : cases) {
    SCOPED_TRACE(c.File);
    WriteFile(SettingsPath("data1.ini"), c.File);
    texts = TLanguageTable();
    auto window = Open();
    EXPECT_EQ(QuestionButtons(), c.Buttons);
  }
}

TEST_F(StartWindowTest, ChoosingALanguageBeforeTheLoginSwitchesCaptionsQtsTextsAndTheFile) {
  auto window = Open();
  EXPECT_EQ(QuestionButtons()[0], "Ja");
  ClickLanguage(*window, 2);
  EXPECT_EQ(texts.CurrentLanguage, lgEnglish);
  EXPECT_EQ(window->Ende1->text(), "End");
  EXPECT_EQ(QuestionButtons(), (std::vector<std::string>{"Yes", "No", "Cancel"}));

  ClickLanguage(*window, 2);  // the chosen one stays chosen
  EXPECT_TRUE(window->LanguageButtons[2]->isChecked());
  ClickLanguage(*window, 0);
  EXPECT_EQ(QuestionButtons()[1], "Nein");
  ClickLanguage(*window, 1);
  window->close();
  EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), "0\r\n1\r\n0\r\n0\r\n");
}

TEST_F(StartWindowTest, TheUntranslatedCaptionsStayGerman) {
  WriteFile(SettingsPath("data1.ini"), "0\r\n0\r\n1\r\n0\r\n");
  auto window = Open();
  EXPECT_EQ(window->windowTitle(), "Quorvel V2020");
  EXPECT_EQ(window->size(), QSize(657, 500));
  EXPECT_EQ(window->Entwurf1->text(), "Bearbeitung");
  EXPECT_EQ(window->Gesamtdoku1->text(), "Gesamtdoku");
  EXPECT_EQ(window->TalvernimInternet1->text(), "Quorvel im Internet");
  EXPECT_EQ(window->berTalvern1->text(), QString::fromUtf8("über Quorvel"));
}

TEST_F(StartWindowTest, TheLoginOpensTheWayToTheDesignerWhateverThePassword) {
  auto window = Open();
  EXPECT_FALSE(window->Entwurf1->isEnabled());
  EXPECT_TRUE(window->LoginBox->isVisible());
  EXPECT_TRUE(window->LanguageBox->isVisible());
  ClickMenuBar(*window, window->Entwurf1);
  EXPECT_EQ(designerShown, 0);

  QTest::mouseClick(window->LoginOkButton, Qt::LeftButton);
  EXPECT_TRUE(window->Entwurf1->isEnabled());
  EXPECT_FALSE(window->LoginBox->isVisible());
  EXPECT_FALSE(window->LanguageBox->isVisible());

  ClickMenuBar(*window, window->Entwurf1);
  EXPECT_EQ(designerShown, 1);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(StartWindowTest, ThePasswordShowsAStarForEachCharacterAndReturnLogsIn) {
  auto window = Open();
  QTest::keyClicks(window->PasswordEdit, "geheim");
  EXPECT_EQ(window->PasswordEdit->text(), "geheim");
  EXPECT_EQ(window->PasswordEdit->displayText(), "******");
  QTest::keyClick(window->PasswordEdit, Qt::Key_Return);
  EXPECT_TRUE(window->Entwurf1->isEnabled());
}

// A manual in the working directory is not the program's: the one installed
// with the program opens, and its name is given even where it is missing.
TEST_F(StartWindowTest, GesamtdokuOpensTheInstalledManualWhateverTheWorkingDirectoryHolds) {
  WriteFile(folder.Path("quorvel.pdf"), "%PDF-1.4\n");
  launcher.Succeed = false;  // no viewer: nothing is reported
  auto window = Open();
  window->Gesamtdoku1->trigger();
  window->Gesamtdoku1->trigger();
  ASSERT_EQ(launcher.Launches().size(), 2u);
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/doc/quorvel/quorvel.pdf";
  for (const auto& launch : launcher.Launches()) EXPECT_EQ(launch.Document, FromQString(QDir::cleanPath(installed)));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(StartWindowTest, TheInternetItemOpensTheDistributorsWebSite) {
  auto window = Open();
  window->TalvernimInternet1->trigger();
  ASSERT_EQ(launcher.Launches().size(), 1u);
  EXPECT_EQ(launcher.Launches()[0].Document, "https://www.example.com/quorvel/");
  EXPECT_EQ(launcher.Launches()[0].Program, "");
}

TEST_F(StartWindowTest, TheAboutItemShowsTheAboutWindow) {
  auto window = Open();
  window->berTalvern1->trigger();
  EXPECT_EQ(aboutShown, 1);
}

TEST_F(StartWindowTest, EndeClosesTheWindowWritesTheLanguageAndEndsTheProgram) {
  WriteFile(SettingsPath("data1.ini"), "0\r\n1\r\n0\r\n0\r\n");
  auto window = Open();
  ClickMenuBar(*window, window->Ende1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(programEnded, 1);
  EXPECT_EQ(ReadFile(SettingsPath("data1.ini")), "0\r\n1\r\n0\r\n0\r\n");
}

TEST_F(StartWindowTest, ALanguageFileThatCannotBeWrittenIsIgnored) {
  std::filesystem::create_directory(SettingsPath("data1.ini"));
  auto window = Open();
  EXPECT_EQ(texts.CurrentLanguage, lgGerman);
  window->close();
  EXPECT_EQ(programEnded, 1);
  EXPECT_TRUE(std::filesystem::is_directory(SettingsPath("data1.ini")));
}

}  // namespace
}  // namespace quorvel

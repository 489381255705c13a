#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "app/LanguageFile.h"
#include "app/LanguageTable.h"
#include "app/QtTranslation.h"
#include "platform/ProcessLauncher.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace quorvel {

// The start window: the program's main window, with the login, the
// language read from the language file (which the user may change until the
// login), and the main menu. Its language is also that of Qt's own texts.
// Closing it writes the language file and ends the program, unless the
// program may not end yet (the designer's user cancelled).
class TForm1 : public QMainWindow {
 public:
  // What the menu reaches beyond this window; the program supplies them.
  struct TActions {
    std::function<void()> ShowDesigner;
    std::function<void()> ShowAbout;
    std::function<void()> EndProgram;  // after the window has closed
    std::function<bool()> MayEnd;      // before it closes; false keeps it open
  };

  // Reads the language file of the settings folder and applies its
  // language. texts and launcher must outlive the window.
  TForm1(TLanguageTable& texts, IProcessLauncher& launcher, TActions actions, QWidget* parent = nullptr);

  // The localised captions, looked up anew.
  void uebersetze();

  void LoginOkClick();
  void Entwurf1Click();
  void Gesamtdoku1Click();
  void TalvernimInternet1Click();
  void berTalvern1Click();
  void Ende1Click();

  // The language buttons as they stand: German, French, English, Portuguese.
  TLanguageButtons ChosenLanguages() const;

  // Controls, named as the program's menu names them.
  QAction* Entwurf1 = nullptr;
  QMenu* Dokumentation1 = nullptr;
  QAction* Gesamtdoku1 = nullptr;
  QAction* TalvernimInternet1 = nullptr;
  QAction* berTalvern1 = nullptr;
  QAction* Ende1 = nullptr;

  QFrame* LoginBox = nullptr;
  QLabel* PasswordLabel = nullptr;
  QLineEdit* PasswordEdit = nullptr;
  QPushButton* LoginOkButton = nullptr;

  QGroupBox* LanguageBox = nullptr;
  std::array<QRadioButton*, LanguageButtonCount> LanguageButtons{};

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildSurface(QWidget* surface);
  void BuildLoginBox(QWidget* surface);
  void BuildLanguageBox(QWidget* surface);
  void LoadLanguage();
  void ChooseLanguage(int language);
  void ShowLanguage();

  TLanguageTable& texts_;
  IProcessLauncher& launcher_;
  TActions actions_;
  TQtTranslation qtTexts_;
};

}  // namespace quorvel

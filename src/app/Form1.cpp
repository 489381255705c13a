#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "app/AboutText.h"
#include "app/Artwork.h"
#include "app/ManualFile.h"
#include "document/DesignerSettings.h"
#include "platform/Color.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

constexpr TColor kBackground = 9411464;  // red 136, green 155, blue 143

// Every typed character of the password shows as '*', whatever the style.
class TAsteriskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QFont ArialPixels(int pixels, bool italic = false) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setItalic(italic);
  return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(role, color);
  widget->setPalette(palette);
}

}  // namespace

TForm1::TForm1(TLanguageTable& texts, IProcessLauncher& launcher, TActions actions, QWidget* parent)
    : QMainWindow(parent), texts_(texts), launcher_(launcher), actions_(std::move(actions)) {
  setWindowTitle("Quorvel V2020");
  QRect frame(QPoint(0, 0), QSize(657, 500));
  if (QScreen* screen = QGuiApplication::primaryScreen()) frame.moveCenter(screen->availableGeometry().center());
  setGeometry(frame);

  BuildMenu();
  auto* surface = new QWidget(this);
  setCentralWidget(surface);
  BuildSurface(surface);
  BuildLoginBox(surface);
  BuildLanguageBox(surface);
  LoadLanguage();
}

void TForm1::BuildMenu() {
  Entwurf1 = menuBar()->addAction("Bearbeitung");
  Entwurf1->setEnabled(false);
  Dokumentation1 = menuBar()->addMenu(QString());
  Gesamtdoku1 = Dokumentation1->addAction("Gesamtdoku");
  TalvernimInternet1 = Dokumentation1->addAction("Quorvel im Internet");
  berTalvern1 = Dokumentation1->addAction(QString::fromUtf8("über Quorvel"));
  Ende1 = menuBar()->addAction(QString());

  connect(Entwurf1, &QAction::triggered, this, [this] { Entwurf1Click(); });
  connect(Gesamtdoku1, &QAction::triggered, this, [this] { Gesamtdoku1Click(); });
  connect(TalvernimInternet1, &QAction::triggered, this, [this] { TalvernimInternet1Click(); });
  connect(berTalvern1, &QAction::triggered, this, [this] { berTalvern1Click(); });
  connect(Ende1, &QAction::triggered, this, [this] { Ende1Click(); });
}

void TForm1::BuildSurface(QWidget* surface) {
  SetColor(surface, QPalette::Window, ToQColor(kBackground));
  surface->setAutoFillBackground(true);

  auto* logo = new QLabel(surface);
  logo->setFont(ArialPixels(64, true));
  logo->setTextFormat(Qt::RichText);
  logo->setText("<span style='color:#ffff00'>Quor</span><span style='color:#ffffff'>vel</span>");
  logo->setGeometry(16, 0, 270, 78);

  auto* slogan = new QLabel("die professionelle Etikettensoftware", surface);
  slogan->setFont(ArialPixels(13));
  SetColor(slogan, QPalette::WindowText, Qt::yellow);
  slogan->setGeometry(292, 46, 320, 18);

  auto* picture = new QLabel(surface);
  picture->setPixmap(QPixmap::fromImage(StartPicture()));
  picture->setScaledContents(true);
  picture->setGeometry(16, 80, 377, 273);
}

void TForm1::BuildLoginBox(QWidget* surface) {
  LoginBox = new QFrame(surface);
  LoginBox->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetColor(LoginBox, QPalette::Window, QApplication::palette().color(QPalette::Button));
  SetColor(LoginBox, QPalette::WindowText, Qt::black);
  LoginBox->setAutoFillBackground(true);
  LoginBox->setGeometry(408, 80, 225, 129);

  auto* title = new QLabel("Login", LoginBox);
  title->setFont(ArialPixels(24));
  SetColor(title, QPalette::WindowText, QColor(0, 0, 128));
  title->setGeometry(8, 4, 209, 30);

  PasswordLabel = new QLabel(LoginBox);
  PasswordLabel->setGeometry(8, 38, 209, 16);

  PasswordEdit = new QLineEdit(LoginBox);
  auto* asterisks = new TAsteriskStyle;
  asterisks->setParent(PasswordEdit);
  PasswordEdit->setStyle(asterisks);
  PasswordEdit->setEchoMode(QLineEdit::Password);
  PasswordEdit->setFont(ArialPixels(27));
  SetColor(PasswordEdit, QPalette::Base, QColor(254, 254, 233));
  PasswordEdit->setGeometry(8, 56, 209, 36);

  LoginOkButton = new QPushButton("OK", LoginBox);
  LoginOkButton->setGeometry(142, 97, 75, 25);

  connect(LoginOkButton, &QPushButton::clicked, this, [this] { LoginOkClick(); });
  connect(PasswordEdit, &QLineEdit::returnPressed, this, [this] { LoginOkClick(); });
}

void TForm1::BuildLanguageBox(QWidget* surface) {
  LanguageBox = new QGroupBox(surface);
  LanguageBox->setGeometry(408, 250, 225, 127);
  for (int k = 0; k < LanguageButtonCount; ++k) {
    auto* flag = new QLabel(LanguageBox);
    flag->setPixmap(QPixmap::fromImage(FlagPicture(k + 1)));
    flag->setGeometry(10, 24 + k * 25, 24, 16);
    LanguageButtons[k] = new QRadioButton(LanguageBox);
    // Exclusive by hand: the language file may leave no button chosen.
    LanguageButtons[k]->setAutoExclusive(false);
    LanguageButtons[k]->setGeometry(42, 22 + k * 25, 170, 20);
  }
  LanguageButtons[0]->setChecked(true);
  for (int k = 0; k < LanguageButtonCount; ++k) {
    QRadioButton* button = LanguageButtons[k];
    connect(button, &QRadioButton::toggled, this, [this, k](bool checked) {
      if (checked) ChooseLanguage(k + 1);
    });
    // A click on the chosen language keeps it chosen.
    connect(button, &QRadioButton::clicked, button, [button] { button->setChecked(true); });
  }
}

void TForm1::LoadLanguage() {
  texts_.TableStale = true;
  if (std::optional<TLanguageLines> lines = ReadLanguageFile(SettingsPath(LanguageFileName))) {
    for (int k = 0; k < LanguageButtonCount; ++k) LanguageButtons[k]->setChecked((*lines)[k] == "1");
  }
  for (int k = 0; k < LanguageButtonCount; ++k) {
    if (LanguageButtons[k]->isChecked()) texts_.CurrentLanguage = k + 1;
  }
  ShowLanguage();
  LanguageBox->move(408, 250);
  LoginBox->move(408, 80);
  LoginBox->show();
  LanguageBox->show();
}

void TForm1::ChooseLanguage(int language) {
  for (int k = 0; k < LanguageButtonCount; ++k) {
    if (k + 1 != language) LanguageButtons[k]->setChecked(false);
  }
  texts_.SetLanguage(language);
  ShowLanguage();
}

void TForm1::ShowLanguage() {
  uebersetze();
  qtTexts_.Apply(texts_.CurrentLanguage);
}

void TForm1::uebersetze() {
  const auto text = [this](int number) { return ToQString(texts_.sprachtext(number)); };
  Dokumentation1->setTitle(text(21));
  Ende1->setText(text(26));
  PasswordLabel->setText(text(27));
  LanguageBox->setTitle(text(28));
  const int buttonTexts[LanguageButtonCount] = {29, 30, 31, 996};
  for (int k = 0; k < LanguageButtonCount; ++k) LanguageButtons[k]->setText(text(buttonTexts[k]));
}

TLanguageButtons TForm1::ChosenLanguages() const {
  TLanguageButtons chosen{};
  for (int k = 0; k < LanguageButtonCount; ++k) chosen[k] = LanguageButtons[k]->isChecked();
  return chosen;
}

// The password is not examined: any input, also none, opens the designer.
void TForm1::LoginOkClick() {
  LoginBox->hide();
  LanguageBox->hide();
  Entwurf1->setEnabled(true);
}

void TForm1::Entwurf1Click() {
  if (actions_.ShowDesigner) actions_.ShowDesigner();
}

// Whether a viewer opens is not reported, as with the web site.
void TForm1::Gesamtdoku1Click() {
  launcher_.OpenDocument(FromQPath(FindManual(QCoreApplication::applicationDirPath(), QUORVEL_DOC_FROM_BIN)));
}

void TForm1::TalvernimInternet1Click() { launcher_.OpenDocument(DistributorWebAddress()); }

void TForm1::berTalvern1Click() {
  if (actions_.ShowAbout) actions_.ShowAbout();
}

void TForm1::Ende1Click() { close(); }

// A language file that cannot be written is not reported; the language is
// then simply not kept for the next run.
void TForm1::closeEvent(QCloseEvent* event) {
  if (actions_.MayEnd && !actions_.MayEnd()) return event->ignore();
  WriteLanguageFile(SettingsPath(LanguageFileName), ChosenLanguages());
  event->accept();
  if (actions_.EndProgram) actions_.EndProgram();
}

}  // namespace quorvel

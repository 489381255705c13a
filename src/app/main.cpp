#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>

#include "app/Artwork.h"
#include "app/DesktopProgram.h"
#include "app/SettingsTakeOver.h"
#include "designer/Form2.h"
#include "document/DesignerSettings.h"
#include "platform/ProcessLauncher.h"
#include "designer/QtDialogs.h"
#include "app/QtPrinter.h"

namespace {

// "quorvel [FILE.lab]", as the desktop opens a label with the program; also
// --help and --version, which print and end the program.
QString LabelFileArgument(const QApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8("Etiketten entwerfen und auf Etikettenbögen drucken"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("etikett.lab", QString::fromUtf8("Das Etikett, das im Entwurf geöffnet wird"),
                               "[etikett.lab]");
  parser.process(application);
  return parser.positionalArguments().value(0);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quorvel");
  QApplication::setApplicationVersion("2020");
  QGuiApplication::setDesktopFileName("quorvel");
  // Before anything is drawn: --help and --version end the program at once.
  const QString labelFile = LabelFileArgument(application);
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(quorvel::ProgramIcon(64))));
  quorvel::TakeOverSettingsFiles(quorvel::SettingsFolder(), quorvel::EarlierSettingsFolders());

  quorvel::TQtProcessLauncher launcher;
  quorvel::TQtDialogs dialogs;
  quorvel::TQtPrinter printer;
  quorvel::TDesktopProgram program(launcher, dialogs, printer);
  dialogs.SetParent(&program.Designer());
  return program.Run(labelFile);
}

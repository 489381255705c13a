#include "app/DesktopProgram.h"

#include <QFileInfo>

#include "designer/Form2.h"
#include "platform/QtText.h"

namespace quorvel {

TDesktopProgram::TDesktopProgram(IProcessLauncher& launcher, IDialogs& dialogs, IPrinter& printer)
    : program_(launcher, [&dialogs, &printer] { return std::make_unique<TForm2>(dialogs, printer); }, {}) {}

TForm2& TDesktopProgram::Designer() { return *static_cast<TForm2*>(program_.DesignerWindow()); }

// The label is known by its full name, as the file dialogs give it.
void TDesktopProgram::Start(const QString& labelFile) {
  program_.Show();
  if (labelFile.isEmpty()) return;
  program_.StartWindow().LoginOkClick();
  program_.ShowDesigner();
  Designer().OpenLabel(FromQPath(QFileInfo(labelFile).absoluteFilePath()));
}

int TDesktopProgram::Run(const QString& labelFile) {
  Start(labelFile);
  return program_.Run();
}

}  // namespace quorvel

#pragma once

#include <QString>

#include "app/Program.h"

namespace quorvel {

class IDialogs;
class IPrinter;
class TForm2;

// The program as the desktop starts it, "quorvel [FILE.lab]": its windows
// with the label designer, and the label named on the command line opened
// in the designer.
class TDesktopProgram {
 public:
  // The services must outlive the program.
  TDesktopProgram(IProcessLauncher& launcher, IDialogs& dialogs, IPrinter& printer);

  // Shows the start window. With a label file it is as after a login: the
  // designer opens over the start window and shows the file, or the
  // message that it cannot be read.
  void Start(const QString& labelFile);
  // Starts, then runs until the start window is closed.
  int Run(const QString& labelFile);

  TProgram& Program() { return program_; }
  TForm2& Designer();

 private:
  TProgram program_;
};

}  // namespace quorvel

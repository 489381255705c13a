#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/Form1.h"
#include "app/Form30.h"
#include "app/LanguageTable.h"
#include "platform/ProcessLauncher.h"

namespace quorvel {

// The program's windows for the whole run, created in the order the start
// needs: start window (which reads the language), about window, label
// designer and print preview, the last two hidden.
class TProgram {
 public:
  // Creates a window of a lower layer; an empty factory leaves the window out.
  using TWindowFactory = std::function<std::unique_ptr<QWidget>()>;

  // launcher must outlive the program.
  TProgram(IProcessLauncher& launcher, TWindowFactory createDesigner, TWindowFactory createPreview);
  ~TProgram();

  // Shows the start window; the program ends when it is closed, which an
  // open designer may refuse.
  void Show();
  // Shows the start window and runs until it is closed.
  int Run();

  // Shows the label designer over the start window.
  void ShowDesigner();

  TLanguageTable& Texts() { return texts_; }
  TForm1& StartWindow() { return *start_; }
  TForm30& AboutWindow() { return *about_; }
  QWidget* DesignerWindow() { return designer_.get(); }
  QWidget* PreviewWindow() { return preview_.get(); }

 private:
  void ShowAbout();
  bool MayEnd();
  void End();

  TLanguageTable texts_;
  std::unique_ptr<TForm1> start_;
  std::unique_ptr<TForm30> about_;
  std::unique_ptr<QWidget> designer_;
  std::unique_ptr<QWidget> preview_;
};

}  // namespace quorvel

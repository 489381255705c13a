#include "app/Program.h"

#include <QApplication>

namespace quorvel {

TProgram::TProgram(IProcessLauncher& launcher, TWindowFactory createDesigner, TWindowFactory createPreview) {
  start_ = std::make_unique<TForm1>(texts_, launcher,
                                    TForm1::TActions{[this] { ShowDesigner(); }, [this] { ShowAbout(); },
                                                     [this] { End(); }, [this] { return MayEnd(); }});
  about_ = std::make_unique<TForm30>(texts_);
  if (createDesigner) designer_ = createDesigner();
  if (createPreview) preview_ = createPreview();
}

TProgram::~TProgram() = default;

// The start window alone decides when the program ends, also while the
// designer is still open.
void TProgram::Show() {
  QApplication::setQuitOnLastWindowClosed(false);
  start_->show();
}

int TProgram::Run() {
  Show();
  return QApplication::exec();
}

void TProgram::ShowDesigner() {
  if (!designer_) return;
  designer_->show();
  designer_->raise();
  designer_->activateWindow();
}

void TProgram::ShowAbout() {
  about_->show();
  about_->raise();
}

// An open designer is closed first, so that it can ask about unsaved
// changes and keep its settings; while it stays open (its user cancelled, or
// a wanted save failed) the program goes on.
bool TProgram::MayEnd() { return !designer_ || !designer_->isVisible() || designer_->close(); }

void TProgram::End() { QCoreApplication::exit(0); }

}  // namespace quorvel

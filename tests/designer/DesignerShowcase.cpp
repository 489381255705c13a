#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <utility>

#include "EveryKindLabel.h"
#include "designer/Form2.h"
#include "designer/ObjectPanel.h"
#include "designer/PropertyGrid.h"
#include "designer/TopBar.h"
#include "platform/PdfPrinter.h"
#include "designer/QtDialogs.h"

// The designer window holding a label with an object of every kind, as the
// screenshots in the README show it. An argument names the page to show;
// "--select=NAME" makes that object current, with its handles and properties;
// "--shelf" loads a small shelf label instead; "--preview" presses "Vorschau"
// and puts the preview window beside the designer.
namespace {

// The Qt dialogs, except that the first open dialog picks the label.
class TShowcaseDialogs : public quorvel::TQtDialogs {
 public:
  explicit TShowcaseDialogs(std::string label) : label_(std::move(label)) {}
  std::optional<std::string> OpenFileName(const quorvel::TFileDialogOptions& options) override {
    if (label_.empty()) return TQtDialogs::OpenFileName(options);
    return std::exchange(label_, {});
  }

 private:
  std::string label_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName("Quorvel");
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());  // no settings of the user
  QStringList args = application.arguments().mid(1);
  std::string label = args.contains("--shelf") ? quorvel::test::WriteShelfLabel(folder.path().toStdString())
                                               : quorvel::test::WriteEveryKindLabel(folder.path().toStdString());
  TShowcaseDialogs dialogs(label);
  quorvel::TPdfPrinter printer(folder.filePath("druck.pdf").toStdString(), 195, 288, 300);
  quorvel::TForm2 designer(dialogs, printer);
  designer.TopBar().Menu().Open->trigger();
  for (const QString& text : args) {
    if (text.startsWith("--select=")) {
      auto* list = designer.findChild<QComboBox*>("ObjectList");
      list->setCurrentIndex(list->findText(text.mid(9)));
      designer.ObjectPanel().Properties().obox_click();
      continue;
    }
    auto* pages = designer.findChild<QTabWidget*>("PageControl");
    for (int i = 0; i < pages->count(); ++i)
      if (pages->tabText(i) == text) pages->setCurrentIndex(i);
  }
  bool preview = args.contains("--preview");
  designer.move(0, 0);
  designer.resize(preview ? 1180 : 1280, 1024);
  designer.show();
  if (preview) {
    designer.findChild<QPushButton*>("PreviewButton")->click();
    if (auto* window = designer.findChild<QWidget*>("PrinterPreview")) window->move(1190, 0);
  }
  return QApplication::exec();
}

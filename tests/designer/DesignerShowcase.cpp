#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include "EveryKindLabel.h"
#include "designer/Form2.h"
#include "document/LabelFile.h"
#include "platform/PdfPrinter.h"
#include "platform/QtDialogs.h"

// The designer window holding a label with an object of every kind, as the
// screenshot in the README shows it. An argument names the page to show.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName("Quorvel");
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  std::string label = quorvel::test::WriteEveryKindLabel(folder.path().toStdString());
  quorvel::TQtDialogs dialogs;
  quorvel::TPdfPrinter printer(folder.filePath("druck.pdf").toStdString(), 195, 288, 300);
  quorvel::TForm2 designer(dialogs, printer);
  designer.Document().reset_label();
  quorvel::load_label(designer.Document(), label);
  designer.DocumentReplaced();
  if (argc > 1) {
    auto* pages = designer.findChild<QTabWidget*>("PageControl");
    for (int i = 0; i < pages->count(); ++i)
      if (pages->tabText(i) == QString::fromLocal8Bit(argv[1])) pages->setCurrentIndex(i);
  }
  designer.move(0, 0);
  designer.resize(1280, 1024);
  designer.show();
  return QApplication::exec();
}

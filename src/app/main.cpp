#include <QApplication>

#include "designer/Form2.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName("Quorvel");
  quorvel::TQtDialogs dialogs;
  quorvel::TQtPrinter printer;
  // Until the start window exists, the designer is the program's window.
  quorvel::TForm2 designer(dialogs, printer);
  dialogs.SetParent(&designer);
  designer.show();
  return QApplication::exec();
}

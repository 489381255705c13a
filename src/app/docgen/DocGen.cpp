// Build-time helper: writes the user manual as PDF from its HTML source, and
// the program's icon as PNG files, with the program's own drawing code.
//
//   quorvel_docgen manual <source.html> <target.pdf>
//   quorvel_docgen icon <size> <target.png>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "app/Artwork.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "quorvel_docgen: %s\n", qPrintable(message));
  return 1;
}

int WriteManual(const QString& sourcePath, const QString& targetPath) {
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) return Fail("cannot read " + sourcePath);
  QTextDocument document;
  // Pictures in the source are named relative to it.
  document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + "/"));
  QFont font("DejaVu Sans");
  font.setPointSizeF(10);
  document.setDefaultFont(font);
  document.setHtml(QString::fromUtf8(source.readAll()));

  QPdfWriter writer(targetPath);
  writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
  writer.setCreator("Quorvel");
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 14),
                                   QPageLayout::Millimeter));
  document.print(&writer);
  return QFileInfo(targetPath).size() > 0 ? 0 : Fail("cannot write " + targetPath);
}

int WriteIcon(const QString& sizeText, const QString& targetPath) {
  bool ok = false;
  const int size = sizeText.toInt(&ok);
  if (!ok || size < 16 || size > 1024) return Fail("bad icon size " + sizeText);
  return quorvel::ProgramIcon(size).save(targetPath, "PNG") ? 0 : Fail("cannot write " + targetPath);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt wants a private runtime folder even when it shows nothing.
  QTemporaryDir runtime(QDir::tempPath() + "/quorvel-docgen-XXXXXX");
  if (!std::getenv("XDG_RUNTIME_DIR") && runtime.isValid()) setenv("XDG_RUNTIME_DIR", qPrintable(runtime.path()), 1);
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() == 4 && arguments[1] == "manual") return WriteManual(arguments[2], arguments[3]);
  if (arguments.size() == 4 && arguments[1] == "icon") return WriteIcon(arguments[2], arguments[3]);
  return Fail("usage: quorvel_docgen manual <source.html> <target.pdf> | icon <size> <target.png>");
}

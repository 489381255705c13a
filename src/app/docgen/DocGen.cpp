// Build-time helper: writes the user manual as PDF from its HTML source, and
// the program's icon as PNG files, with the program's own drawing code.
//
//   quorvel_docgen manual <source.html> <target.pdf>
//   quorvel_docgen icon <size> <target.png>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "app/Artwork.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "quorvel_docgen: %s\n", qPrintable(message));
  return 1;
}

// Lays the document out on the PDF page itself and paints page after page,
// each with its number below. (QTextDocument::print loses pages here when a
// document holds several pictures.)
int WriteManual(const QString& sourcePath, const QString& targetPath) {
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) return Fail("cannot read " + sourcePath);

  QPdfWriter writer(targetPath);
  writer.setCreator("Quorvel");
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 12),
                                   QPageLayout::Millimeter));
  QPainter painter(&writer);
  if (!painter.isActive()) return Fail("cannot write " + targetPath);

  QTextDocument document;
  document.documentLayout()->setPaintDevice(&writer);
  // Pictures in the source are named relative to it; the icon is drawn.
  document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + "/"));
  document.addResource(QTextDocument::ImageResource, document.baseUrl().resolved(QUrl("quorvel-icon.png")),
                       quorvel::ProgramIcon(256));
  QFont font("DejaVu Sans");
  font.setPointSizeF(10);
  document.setDefaultFont(font);
  document.setHtml(QString::fromUtf8(source.readAll()));
  // A missing picture would silently spoil its page.
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QString name = format.toImageFormat().name();
      if (!document.resource(QTextDocument::ImageResource, QUrl(name)).isValid()) return Fail("missing picture " + name);
    }
  }
  writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));

  const QRectF printable = writer.pageLayout().paintRectPixels(writer.resolution());
  const double footer = writer.resolution() * 0.3;
  const QSizeF page(printable.width(), printable.height() - footer);
  document.setPageSize(page);

  QFont footerFont = font;
  footerFont.setPointSizeF(8);
  const int pages = document.pageCount();
  for (int index = 0; index < pages; ++index) {
    if (index > 0) writer.newPage();
    painter.save();
    painter.translate(0, -index * page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, index * page.height(), page.width(), page.height());
    painter.setClipRect(context.clip);  // table borders would reach past the page
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    if (index == 0) continue;  // the title page goes without
    const QRectF line(0, page.height(), page.width(), footer);
    painter.setFont(footerFont);
    painter.setPen(QColor(90, 110, 100));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, "Quorvel \u2013 Benutzerhandbuch");
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, QString("Seite %1 von %2").arg(index + 1).arg(pages));
  }
  return painter.end() ? 0 : Fail("cannot write " + targetPath);
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

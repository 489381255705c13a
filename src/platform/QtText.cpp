#include "platform/QtText.h"

#include <QFile>

namespace quorvel {

QString ToQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string FromQString(const QString& text) { return text.toStdString(); }

QString ToQPath(std::string_view nativePath) {
  return QFile::decodeName(QByteArray(nativePath.data(), static_cast<qsizetype>(nativePath.size())));
}

std::string FromQPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace quorvel

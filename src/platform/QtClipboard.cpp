#include <QClipboard>
#include <QGuiApplication>

#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Errors.h"

namespace quorvel {

void TQtClipboard::SetBitmap(const TBitmap& bitmap) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw EGraphicsError("Die Zwischenablage ist nicht erreichbar");
  clipboard->setImage(bitmap.Image());
}

}  // namespace quorvel

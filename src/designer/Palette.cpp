#include "designer/Palette.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "designer/BoundEdits.h"
#include "designer/ButtonPictures.h"

namespace quorvel {
namespace {

// A creation button shows a caption or, without one, a picture of what it creates.
struct TCreateButton {
  TObjectKind Kind;
  const char* Caption;
  QIcon (*Picture)();
  const char* Hint;
  const char* Name;
};
const TCreateButton kCreateButtons[] = {
    {TObjectKind::okQrCode, "QR-Code", nullptr, nullptr, "CreateQrCode"},
    {TObjectKind::okBarcode, nullptr, BarcodePicture, "Barcode", "CreateBarcode"},
    {TObjectKind::okText, "A, B, C, D, .Text", nullptr, nullptr, "CreateText"},
    {TObjectKind::okPicture, "  Bild", nullptr, nullptr, "CreatePicture"},
    {TObjectKind::okBox, nullptr, BoxPicture, "Rechteck", "CreateBox"},
    {TObjectKind::okHLine, nullptr, HorizontalLinePicture, "waagerechte Linie", "CreateHLine"},
    {TObjectKind::okVLine, nullptr, VerticalLinePicture, "senkrechte Linie", "CreateVLine"},
    {TObjectKind::okVerticalText, "senkrechter Text", nullptr, nullptr, "CreateVerticalText"},
};

QPushButton* Named(QPushButton* button, const char* name, QVBoxLayout* column) {
  button->setObjectName(name);
  column->addWidget(button);
  return button;
}

}  // namespace

TPalette::TPalette() {
  setObjectName("Palette");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  for (const TCreateButton& b : kCreateButtons) {
    QPushButton* button = b.Picture ? PictureButton(b.Picture(), b.Hint) : new QPushButton(QString::fromUtf8(b.Caption));
    create_[KindIndex(b.Kind)] = Named(button, b.Name, column);
  }
  column->addSpacing(16);
  deleteLast_ = Named(new QPushButton(QString::fromUtf8("letztes löschen")), "DeleteLast", column);
  deleteAll_ = Named(new QPushButton(QString::fromUtf8("alle löschen")), "DeleteAll", column);
  refresh_ = Named(new QPushButton("refresh"), "Refresh", column);
  column->addStretch();
}

}  // namespace quorvel

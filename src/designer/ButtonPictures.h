#pragma once

#include <QIcon>

namespace quorvel {

// The pictures of the designer's picture buttons, drawn by the program.
QIcon OpenPicture();
QIcon SavePicture();
QIcon PrintPicture();
QIcon CutPicture();
QIcon CopyPicture();
QIcon PastePicture();
QIcon UndoPicture();
QIcon RedoPicture();
QIcon FolderPicture();
QIcon BarcodePicture();
QIcon BoxPicture();
QIcon HorizontalLinePicture();
QIcon VerticalLinePicture();

}  // namespace quorvel

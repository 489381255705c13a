#pragma once

#include <QImage>

namespace quorvel {

// The program's own pictures, drawn rather than shipped as files.

// A sheet of labels with barcodes, texts and a QR Code; the start window's
// picture (377 x 273).
QImage StartPicture();
// A label tag with a barcode; the about window's picture (209 x 196).
QImage AboutPicture();
// The small flag of a language button (24 x 16); language 1 to 4.
QImage FlagPicture(int language);
// The program's icon, a square of size pixels.
QImage ProgramIcon(int size);

}  // namespace quorvel

#include "EveryKindLabel.h"

#include <QImage>
#include <QPainter>

#include "support/TempDir.h"

namespace quorvel::test {

std::string WriteEveryKindLabel(const std::string& folder) {
  std::string picture = folder + "/sonne.bmp";
  QImage sun(160, 120, QImage::Format_RGB32);
  sun.fill(QColor(120, 180, 240));
  QPainter painter(&sun);
  painter.setBrush(QColor(250, 210, 40));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPoint(80, 60), 36, 36);
  painter.end();
  sun.save(QString::fromStdString(picture), "BMP");

  std::string label = folder + "/alles.lab";
  WriteFile(label, "80;50;195;288;2;5;0;0;18,5;17,5;PDF;0;;\r\n"
                   "1;1;0;20;20;760;460;3;1F3F8F;F4F8FF;\r\n"
                   "2;2;0;40;130;500;4;4;1F3F8F;FFFFFF;\r\n"
                   "3;3;0;560;40;2;260;2;808080;FFFFFF;\r\n"
                   "4;4;1;40;40;Quorvel Etikett;Arial;16;1;0;0;1F3F8F;F4F8FF;\r\n"
                   "5;5;3;40;160;160;120;" + picture + ";\r\n"
                   "6;6;2;220;160;320;140;4006381333931;Ean13;1;1;0;\r\n"
                   "7;7;0;730;40;40;0;senkrecht;Arial;10;0;0;0;C02020;90;\r\n"
                   "8;8;0;580;150;140;140;https://www.quorvel.example/;\r\n");
  return label;
}

std::string WriteShelfLabel(const std::string& folder) {
  std::string label = folder + "/regal.lab";
  // Windows-1252: 0xE4 is "ä", 0x80 is "€".
  WriteFile(label, "70;45;195;288;2;5;0;0;18,5;17,5;PDF;0;;\r\n"
                   "1;1;0;15;15;670;420;3;1F3F8F;F4F8FF;\r\n"
                   "4;1;0;40;35;Bergkäse;Arial;16;1;0;0;1F3F8F;F4F8FF;\r\n"
                   "4;2;0;40;110;250 g   3,49 €;Arial;11;0;0;0;000000;F4F8FF;\r\n"
                   "6;1;0;40;190;330;170;4006381333931;Ean13;1;1;0;\r\n"
                   "8;1;0;440;160;200;200;https://www.quorvel.example/;\r\n");
  return label;
}

}  // namespace quorvel::test

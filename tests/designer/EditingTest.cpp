#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QPainter>
#include <QTest>
#include <functional>
#include <QToolButton>

#include "barcode/Ean.h"
#include "designer/ControlHost.h"
#include "DesignerFixture.h"
#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "designer/HandleWidgets.h"
#include "designer/PropertyGrid.h"
#include "designer/PropertyRows.h"
#include "document/KindDescription.h"
#include "document/StaticTextControl.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/ImageControl.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextCodec.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::SendMouse;

class EditingTest : public test::TDesignerFixture {};

TEST_F(EditingTest, PaletteCreatesEveryKindWithItsName) {
  Click("CreateQrCode");
  Click("CreateBarcode");
  EXPECT_EQ(Doc().Object(1).Name, "qr01");
  EXPECT_EQ(Doc().Object(2).Name, "bar01");
  EXPECT_TRUE(Doc().Modified);
  for (const char* button : {"CreateText", "CreatePicture", "CreateBox", "CreateHLine", "CreateVLine", "CreateVerticalText"})
    Click(button);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "linh01", "linv01", "text01", "bild01", "bar01", "stext01", "qr01"}));
  EXPECT_EQ(Child<QComboBox>("ObjectList")->currentText(), "stext01");
  EXPECT_EQ(Doc().CurrentObject, 8);
  EXPECT_TRUE(Doc().SelectionActive);

  ChooseInList("qr01");
  EXPECT_EQ(Cell("QR-Code"), Doc().Object(1).QrText);
  EXPECT_FALSE(Doc().Object(1).QrText.empty());
}

TEST_F(EditingTest, DeleteCommandsKeepCountersAndSlots) {
  Create("CreateBox");
  Create("CreateText");
  Create("CreateBox");
  Child<QPushButton>("DeleteObject")->click();  // box02 is current
  EXPECT_TRUE(Doc().Object(3).Deleted);
  EXPECT_EQ(Doc().ObjectCount(), 3);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "text01"}));
  EXPECT_EQ(Doc().CurrentObject, 1);  // the first listed object

  Click("DeleteLast");  // the already deleted box02
  EXPECT_EQ(Doc().ObjectCount(), 2);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "text01"}));

  Click("DeleteAll");
  EXPECT_EQ(Doc().ObjectCount(), 0);
  EXPECT_EQ(ListNames(), std::vector<std::string>{});
  EXPECT_FALSE(Doc().SelectionActive);
  TLabelObject& box = Create("CreateBox");
  EXPECT_EQ(box.Name, "box03");
  EXPECT_EQ(Doc().ObjectCount(), 1);
}

TEST_F(EditingTest, TextsTakeTheToolbarsFont) {
  Child<QComboBox>("FontName")->setEditText("DejaVu Serif");
  Child<QLineEdit>("FontSize")->setText("12");
  Child<QToolButton>("BoldButton")->setChecked(true);
  TLabelObject& text = Create("CreateText");
  EXPECT_EQ(text.FontName, "DejaVu Serif");
  EXPECT_EQ(text.FontSize, 12);
  EXPECT_TRUE(text.Bold);
  EXPECT_FALSE(text.Italic);

  Child<QLineEdit>("FontSize")->setText("0");
  EXPECT_EQ(Create("CreateVerticalText").FontSize, 8);

  Child<QLineEdit>("FontSize")->setText("zwölf");
  Click("CreateText");
  EXPECT_EQ(Doc().ObjectCount(), 2);
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
}

TEST_F(EditingTest, PasteFollowsTheCopyTable) {
  QAction* paste = MenuItem("Einfügen");
  EXPECT_FALSE(paste->isEnabled());
  TLabelObject& box = Create("CreateBox");
  box.Top = 20;
  box.Width = 300;
  box.Height = 200;
  box.BrushColor = clRed;
  MenuItem("Kopieren")->trigger();
  EXPECT_TRUE(paste->isEnabled());
  paste->trigger();
  TLabelObject& boxCopy = Doc().Object(Doc().ObjectCount());
  EXPECT_EQ(boxCopy.Name, "box02");
  EXPECT_EQ((std::array{boxCopy.Left, boxCopy.Top, boxCopy.Width, boxCopy.Height}), (std::array{10, 30, 300, 200}));
  EXPECT_EQ(boxCopy.BrushColor, clRed);

  TLabelObject& line = Create("CreateVLine");
  line.Left = line.Top = 50;
  MenuItem("Kopieren")->trigger();
  paste->trigger();
  TLabelObject& lineCopy = Doc().Object(Doc().ObjectCount());
  EXPECT_EQ((std::pair{lineCopy.Left, lineCopy.Top}), (std::pair{60, 50}));

  TLabelObject& bar = Create("CreateBarcode");
  bar.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  bar.Barcode().SetBarCode("QUORVEL-7");
  MenuItem("Kopieren")->trigger();
  paste->trigger();
  TLabelObject& barCopy = Doc().Object(Doc().ObjectCount());
  EXPECT_EQ(barCopy.Name, "bar02");
  EXPECT_EQ(barCopy.Barcode().TypBarCode(), TTypBarCode::bcCode128);
  EXPECT_EQ(barCopy.Barcode().BarCode(), "QUORVEL-7");
  EXPECT_EQ((std::pair{barCopy.Left, barCopy.Top}), (std::pair{bar.Left + 10, bar.Top + 10}));

  Create("CreateQrCode");
  MenuItem("Kopieren")->trigger();
  int before = Doc().ObjectCount();
  paste->trigger();
  EXPECT_EQ(Doc().ObjectCount(), before);
}

TEST_F(EditingTest, StackingRefreshAndRightClick) {
  TLabelObject& box = Create("CreateBox");
  TLabelObject& text = Create("CreateText");
  auto order = [&] {
    QObjectList children = form_->DesignPage().Surface().children();
    return children.indexOf(HostOf(box)) < children.indexOf(HostOf(text));
  };
  EXPECT_TRUE(order());  // the text came last
  SendMouse(HostOf(box), QEvent::MouseButtonPress, {2, 2}, Qt::RightButton);
  SendMouse(HostOf(box), QEvent::MouseButtonRelease, {2, 2}, Qt::RightButton);
  EXPECT_EQ(Doc().CurrentObject, 1);  // a right-click selects before the menu acts
  MenuItem("nach vorne bringen")->trigger();
  EXPECT_FALSE(order());
  MenuItem("nach hinten bringen")->trigger();
  EXPECT_TRUE(order());

  text.Deleted = true;
  Click("Refresh");
  EXPECT_TRUE(HostOf(text)->isHidden());
  EXPECT_FALSE(HostOf(box)->isHidden());
}

TEST_F(EditingTest, ClipboardTakesOnlyBarcodes) {
  Create("CreateText");
  MenuItem("in Zwischenablage")->trigger();
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{std::string("derzeit nur bei Barcode möglich !")});
  TLabelObject& bar = Create("CreateBarcode");
  MenuItem("in Zwischenablage")->trigger();
  ASSERT_EQ(clipboard_.Sizes.size(), 1u);
  EXPECT_EQ(clipboard_.Sizes[0], (std::pair{bar.Element().Width(), bar.Element().Height()}));
}

TEST_F(EditingTest, FullLabelRefusesAnotherObject) {
  for (int i = 0; i < TLabelDocument::kSlotCount; ++i) Click("CreateBox");
  MenuItem("Kopieren")->trigger();
  MenuItem("Einfügen")->trigger();
  Click("CreateText");
  EXPECT_EQ(Doc().ObjectCount(), TLabelDocument::kSlotCount);
  EXPECT_EQ(dialogs_.Messages().size(), 2u);
}

TEST_F(EditingTest, HandlesSurroundTheCurrentObject) {
  Create("CreateBox");
  EXPECT_EQ(Handle(THandle::kr1)->pos(), QPoint(6, 6));
  EXPECT_EQ(Handle(THandle::kr2)->pos(), QPoint(56, 6));
  EXPECT_EQ(Handle(THandle::kr5)->pos(), QPoint(106, 56));
  EXPECT_EQ(Handle(THandle::kr1)->size(), QSize(7, 7));
  EXPECT_EQ(Handle(THandle::kr1)->cursor().shape(), Qt::SizeFDiagCursor);
  EXPECT_EQ(Handle(THandle::kr4)->cursor().shape(), Qt::SizeHorCursor);
  for (int i = 0; i < kHandleCount; ++i) EXPECT_FALSE(Handle(static_cast<THandle>(i))->isHidden()) << i;

  Create("CreateHLine");
  for (int i = 0; i < kHandleCount; ++i) {
    auto handle = static_cast<THandle>(i);
    EXPECT_EQ(Handle(handle)->isHidden(), handle != THandle::kr4 && handle != THandle::kr8) << i;
  }
  SendMouse(&form_->DesignPage().Surface(), QEvent::MouseButtonPress, QPoint(400, 400));
  EXPECT_FALSE(Doc().SelectionActive);
  EXPECT_TRUE(Handle(THandle::kr4)->isHidden());
  EXPECT_EQ(Cell("Breite"), "100");  // the grid keeps the last object
}

TEST_F(EditingTest, MovesSnapToTheGrid) {
  struct TCase {
    const char* Grid;
    const char* Button;
    int To;
    int Moved;
  };
  const TCase kCases[] = {
      {"10", "CreateBox", 37, 0}, {"10", "CreateBox", 43, 10}, {"5", "CreateBox", 37, 5},
      {"0", "CreateBox", 37, 7},  {"", "CreateBox", 37, 7},    {"abc", "CreateBox", 37, 7},
      {"10", "CreateText", 37, 7},
  };
  for (const TCase& c : kCases) {
    SetGrid(c.Grid);
    TLabelObject& object = Create(c.Button);
    Doc().Modified = false;
    int left = object.Left;
    int top = object.Top;
    Drag(HostOf(object), {30, 5}, {{c.To, 5}});
    EXPECT_EQ(object.Left - left, c.Moved) << c.Grid << " " << c.Button << " " << c.To;
    EXPECT_EQ(object.Top, top) << c.Grid << " " << c.Button;
    EXPECT_EQ(Doc().Modified, c.Moved != 0);
    EXPECT_EQ(Handle(THandle::kr1)->pos().x(), object.Left - 4);
  }
}

TEST_F(EditingTest, ObjectFollowsThePointerInGridSteps) {
  TLabelObject& box = Create("CreateBox");
  QWidget* host = HostOf(box);
  SendMouse(host, QEvent::MouseButtonPress, {30, 5});
  SendMouse(host, QEvent::MouseMove, {43, 5});  // 10 to the right
  SendMouse(host, QEvent::MouseMove, {45, 5});  // 15 beyond the grab: another 10
  SendMouse(host, QEvent::MouseButtonRelease, {45, 5});
  EXPECT_EQ(box.Left, 30);
}

TEST_F(EditingTest, EachHandleResizesTheBox) {
  struct TCase {
    THandle Handle;
    std::array<int, 4> Expected;  // left, top, width, height after a drag of (+10, +20)
  };
  const TCase kCases[] = {
      {THandle::kr1, {110, 120, 90, 30}}, {THandle::kr2, {100, 120, 100, 30}}, {THandle::kr3, {100, 120, 110, 30}},
      {THandle::kr4, {100, 100, 110, 50}}, {THandle::kr5, {100, 100, 110, 70}}, {THandle::kr6, {100, 100, 100, 70}},
      {THandle::kr7, {110, 100, 90, 70}}, {THandle::kr8, {110, 100, 90, 50}},
  };
  for (const TCase& c : kCases) {
    TLabelObject& box = Create("CreateBox");
    box.Left = box.Top = 100;
    box.UpdateElement(1.0);
    form_->ObjectPanel().Properties().obox_click();  // the handles around it
    Doc().Modified = false;
    Drag(Handle(c.Handle), {3, 3}, {{13, 23}});
    EXPECT_EQ((std::array{box.Left, box.Top, box.Width, box.Height}), c.Expected) << static_cast<int>(c.Handle) + 1;
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Handle(THandle::kr5)->pos(), QPoint(box.Left + box.Width - 4, box.Top + box.Height - 4));
  }
  TLabelObject& box = Create("CreateBox");
  Drag(Handle(THandle::kr4), {3, 3}, {{-300, 3}});
  EXPECT_EQ(box.Width, 1);
}

TEST_F(EditingTest, TextGrowsOnlyByTheBottomRightHandle) {
  SetGrid("0");
  TLabelObject& text = Create("CreateText");
  Drag(Handle(THandle::kr4), {3, 3}, {{23, 13}});
  EXPECT_EQ(text.FontSize, 8);
  Drag(Handle(THandle::kr5), {3, 3}, {{3, 13}});
  EXPECT_EQ(text.FontSize, 11);
  EXPECT_EQ(text.Element().Height(), text.Height);
}

TEST_F(EditingTest, StatusBarShowsThePointer) {
  SendMouse(&form_->DesignPage().Surface(), QEvent::MouseMove, QPoint(120, 45));
  EXPECT_EQ(form_->statusBar()->currentMessage(), "X=120 Y=45");
}

TEST_F(EditingTest, QuickTextFollowsTheCurrentObject) {
  TLabelObject& text = Create("CreateText");
  TLabelObject& vertical = Create("CreateVerticalText");
  auto* quick = Child<QLineEdit>("QuickText");
  Drag(HostOf(vertical), {2, 2}, {});
  EXPECT_EQ(quick->text(), "Bitte Text rechts in Objektliste eingeben -->");
  Drag(HostOf(text), {2, 2}, {});
  EXPECT_EQ(quick->text(), "Text");
  Doc().Modified = false;
  quick->selectAll();
  QTest::keyClicks(quick, "Preis");
  EXPECT_EQ(text.Text, "Preis");
  EXPECT_TRUE(Doc().Modified);
  quick->selectAll();
  // Typed as one key event: QTest spells out only Latin-1 keys.
  QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, QString::fromUtf8("Łódź 你好"), Qt::NoModifier);
  EXPECT_EQ(text.Text, "Łódź 你好");
  EXPECT_EQ(Child<QComboBox>("ObjectList")->currentText(), "text01");
}

TEST_F(EditingTest, GridShowsEveryKindsRows) {
  Create("CreateBox");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Links", "Oben", "Breite", "Höhe", "Strichstärke", "Rahmenfarbe", "Füllfarbe"}));
  EXPECT_EQ((std::array{Cell("Links"), Cell("Oben"), Cell("Breite"), Cell("Höhe"), Cell("Strichstärke"),
                        Cell("Rahmenfarbe"), Cell("Füllfarbe")}),
            (std::array<std::string, 7>{"10", "10", "100", "50", "1", "000000", "FFFFFF"}));
  const std::pair<const char*, size_t> kRowCounts[] = {{"CreateHLine", 5}, {"CreateVLine", 5},   {"CreateText", 11},
                                                       {"CreatePicture", 6}, {"CreateBarcode", 10}, {"CreateVerticalText", 12},
                                                       {"CreateQrCode", 6}};
  for (const auto& [button, rows] : kRowCounts) {
    Create(button);
    EXPECT_EQ(Captions().size(), rows) << button;
  }
  EXPECT_EQ(Grid()->height(), (6 + 1) * 19);  // the QR Code's six rows
}

// Applying the rows as the grid shows them changes nothing, at any zoom.
TEST_F(EditingTest, EveryKindsRowsApplyBackUnchanged) {
  for (double zoom : {1.0, 2.0, 0.25}) {
    for (TObjectKind kind : kAllObjectKinds) {
      form_->Palette().CreateButton(kind).click();
      TLabelObject& object = Doc().Object(Doc().ObjectCount());
      object.Left = 13, object.Top = 27;
      object.UpdateElement(zoom);
      std::vector<std::optional<std::string>> shown;
      for (const TPropertyRow& row : PropertyRows(object, zoom)) shown.push_back(row.Value);
      std::vector<const TFieldDescription*> fields = FieldsWith(Describe(kind), kStored);
      std::vector<TFieldValue> before;
      for (const TFieldDescription* field : fields) before.push_back(field->Get(object));
      ApplyPropertyRows(object, shown, zoom);
      for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i]->Get(object), before[i]) << object.Name << " " << fields[i]->Name << " at " << zoom;
    }
  }
}

TEST_F(EditingTest, ConversionErrorKeepsTheRowsBefore) {
  TLabelObject& box = Create("CreateBox");
  SetCell("Links", "abc");
  Click("Apply");
  EXPECT_EQ(box.Left, 10);
  ASSERT_EQ(dialogs_.Messages().size(), 1u);

  SetCell("Links", "40");
  SetCell("Höhe", "x");
  SetCell("Strichstärke", "3");
  Click("Apply");
  EXPECT_EQ(box.Left, 40);
  EXPECT_EQ(box.Height, 50);
  EXPECT_EQ(box.PenWidth, 1);
  EXPECT_EQ(box.Element().Left(), 40);
}

TEST_F(EditingTest, EveryKindAppliesItsRowsUpToABadNumber) {
  struct TCase {
    const char* Button;
    const char* BadRow;
    const char* LaterRow;
    const char* LaterValue;
    std::function<bool(const TLabelObject&)> LaterUntouched;
  };
  const TCase kCases[] = {
      {"CreateBox", "Höhe", "Strichstärke", "3", [](const TLabelObject& o) { return o.PenWidth == 1; }},
      {"CreateHLine", "Breite", "Strichstärke", "3", [](const TLabelObject& o) { return o.PenWidth == 1; }},
      {"CreateVLine", "Höhe", "Strichstärke", "3", [](const TLabelObject& o) { return o.PenWidth == 1; }},
      {"CreateText", "Schriftgröße", "Fett", "ja", [](const TLabelObject& o) { return !o.Bold; }},
      {"CreatePicture", "Breite", "Höhe", "77", [](const TLabelObject& o) { return o.Height == 50; }},
      {"CreateBarcode", "Höhe", "Hochkant", "ja", [](const TLabelObject& o) { return o.Barcode().Angle() == 0; }},
      {"CreateVerticalText", "Winkel", "Schriftart", "Courier", [](const TLabelObject& o) { return o.FontName == "Arial"; }},
      {"CreateQrCode", "Breite", "Höhe", "77", [](const TLabelObject& o) { return o.Height == 100; }},
  };
  Child<QComboBox>("FontName")->setEditText("Arial");
  for (const TCase& c : kCases) {
    TLabelObject& object = Create(c.Button);
    SetCell("Links", "33");
    SetCell(c.BadRow, "x");
    SetCell(c.LaterRow, c.LaterValue);
    size_t messages = dialogs_.Messages().size();
    Click("Apply");
    EXPECT_EQ(dialogs_.Messages().size(), messages + 1) << c.Button;
    EXPECT_EQ(object.Left, 33) << c.Button;
    EXPECT_EQ(object.Element().Left(), 33) << c.Button;
    EXPECT_TRUE(c.LaterUntouched(object)) << c.Button;
  }
}

TEST_F(EditingTest, VerticalLinePenSetsItsWidth) {
  TLabelObject& line = Create("CreateVLine");
  SetCell("Strichstärke", "4");
  Click("Apply");
  EXPECT_EQ((std::pair{line.PenWidth, line.Width}), (std::pair{4, 4}));
}

TEST_F(EditingTest, PictureButtonReadsTheChosenFile) {
  TLabelObject& picture = Create("CreatePicture");
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::red);
  std::string path = dir_.Path("rot.bmp");
  ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
  Grid()->setCurrentCell(Row("Bilddatei"), 1);
  EXPECT_FALSE(form_->ObjectPanel().Properties().PictureButton()->isHidden());
  dialogs_.AnswerFile(path);
  form_->ObjectPanel().Properties().PictureButton()->click();
  EXPECT_EQ(picture.PictureFile, path);
  EXPECT_EQ(picture.Image().Picture().Width(), 40);
  ASSERT_EQ(dialogs_.Questions().size(), 1u);
  EXPECT_EQ(dialogs_.Questions()[0].Options.Filter, "Bilder|*.jpg;*.jpeg;*.bmp|Alle Dateien|*");

  std::string broken = dir_.Path("kaputt.jpg");
  test::WriteFile(broken, "no picture at all");
  Grid()->setCurrentCell(Row("Links"), 1);
  Grid()->setCurrentCell(Row("Bilddatei"), 1);
  dialogs_.AnswerFile(broken);
  form_->ObjectPanel().Properties().PictureButton()->click();
  EXPECT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_EQ(picture.PictureFile, path);
  EXPECT_EQ(picture.Image().Picture().Width(), 40);
}

TEST_F(EditingTest, LinePenSetsItsThickness) {
  TLabelObject& line = Create("CreateHLine");
  SetCell("Strichstärke", "5");
  Click("Apply");
  EXPECT_EQ(line.PenWidth, 5);
  EXPECT_EQ(line.Height, 5);
  EXPECT_EQ(line.Element().Height(), 5);
}

TEST_F(EditingTest, BoldReadsOnlyJa) {
  TLabelObject& text = Create("CreateText");
  for (const auto& [cell, bold] : {std::pair{"ja", true}, {"Ja", false}, {"ja", true}, {"nein", false}}) {
    SetCell("Fett", cell);
    Click("Apply");
    EXPECT_EQ(text.Bold, bold) << cell;
  }
}

TEST_F(EditingTest, SymbologyListReplacesTheValue) {
  TLabelObject& bar = Create("CreateBarcode");
  std::string old = bar.Barcode().BarCode();
  Grid()->setCurrentCell(Row("Barcodetyp"), 1);
  QComboBox* list = form_->ObjectPanel().Properties().SymbologyList();
  ASSERT_TRUE(list->isVisible() || !list->isHidden());
  EXPECT_EQ(list->currentText(), "Ean13");
  list->setCurrentIndex(list->findText("Code39Standard"));
  emit list->activated(list->currentIndex());
  EXPECT_EQ(bar.Barcode().TypBarCode(), TTypBarCode::bcCode39Standard);
  EXPECT_NE(bar.Barcode().BarCode(), old);
  EXPECT_EQ(Cell("Text"), bar.Barcode().BarCode());  // the grid shows what the object now holds
  EXPECT_EQ(Cell("Barcodetyp"), "Code39Standard");
}

TEST_F(EditingTest, YesNoListAppliesTheChoice) {
  TLabelObject& bar = Create("CreateBarcode");
  Grid()->setCurrentCell(Row("Hochkant"), 1);
  QComboBox* list = form_->ObjectPanel().Properties().YesNoList();
  EXPECT_FALSE(list->isHidden());
  EXPECT_EQ(list->currentText(), "nein");
  list->setCurrentIndex(0);
  emit list->activated(0);
  EXPECT_EQ(bar.Barcode().Angle(), 90);
}

TEST_F(EditingTest, ColourAndFontPickersGoThroughTheDialogs) {
  TLabelObject& text = Create("CreateText");
  Grid()->setCurrentCell(Row("Schriftfarbe"), 1);
  EXPECT_FALSE(form_->ObjectPanel().Properties().ColourButton()->isHidden());
  dialogs_.AnswerColor(clRed);
  form_->ObjectPanel().Properties().ColourButton()->click();
  EXPECT_EQ(text.FontColor, clRed);

  Grid()->setCurrentCell(Row("Schriftart"), 1);
  TFont font;
  font.Name = "DejaVu Sans";
  font.Size = 14;
  font.Style = TFontStyles(TFontStyle::fsItalic);
  font.Color = clBlue;
  dialogs_.AnswerFont(font);
  form_->ObjectPanel().Properties().FontButton()->click();
  EXPECT_EQ((std::tuple{text.FontName, text.FontSize, text.Bold, text.Italic, text.FontColor}),
            (std::tuple{std::string("DejaVu Sans"), 14, false, true, clBlue}));

  dialogs_.AnswerCancel();
  Grid()->setCurrentCell(Row("Schriftfarbe"), 1);
  form_->ObjectPanel().Properties().ColourButton()->click();
  EXPECT_EQ(text.FontColor, clBlue);  // cancelled: unchanged
}

TEST_F(EditingTest, QrCodeRedrawsOnlyForNewText) {
  TLabelObject& qr = Create("CreateQrCode");
  QImage drawn = qr.Image().Picture().Image();
  SetCell("Breite", "200");
  Click("Apply");
  EXPECT_EQ(qr.Width, 200);
  EXPECT_EQ(qr.Image().Picture().Image(), drawn);  // the same symbol, stretched

  SetCell("QR-Code", "QUORVEL 42");
  SetCell("Höhe", "200");
  Click("Apply");
  EXPECT_EQ(qr.QrText, "QUORVEL 42");
  EXPECT_EQ(qr.Image().Picture().Width(), 200);
  TBitmap shown(qr.Element().Width(), qr.Element().Height());
  qr.Element().Paint(shown.Canvas());
  QImage field(shown.Width() + 80, shown.Height() + 80, QImage::Format_RGB32);
  field.fill(Qt::white);
  {
    QPainter painter(&field);
    painter.drawImage(40, 40, shown.Image());
  }
  EXPECT_EQ(test::DecodeOne(field).Text, "QUORVEL 42");
}

}  // namespace
}  // namespace quorvel

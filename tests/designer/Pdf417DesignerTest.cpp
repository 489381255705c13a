// A PDF417 object in the designer: shown on the design surface, printed by
// "Drucken" and "Start Drucken", previewed and put on the clipboard, and
// every one of them reads back.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "barcode/Ean.h"
#include "designer/Form2.h"
#include "designer/DesignPage.h"
#include "designer/PrinterPreview.h"
#include "designer/SeriesPage.h"
#include "designer/TopBar.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScriptedDialogs.h"
#include "support/BitmapPrinter.h"
#include "support/Decoder.h"

namespace quorvel {
namespace {

const std::string kValue = "Quorvel 417 / Charge A-17";

class TKeepingClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override { Images.push_back(bitmap.Image()); }
  std::vector<QImage> Images;
};

std::vector<std::string> Read(const QImage& image) {
  std::vector<std::string> texts;
  for (const test::TDecoded& decoded : test::Decode(image, {.Formats = "PDF417"})) texts.push_back(decoded.Text);
  return texts;
}

// A label of 80 x 40 mm on a 203 dpi printer with 2 x 2 cells, holding a
// PDF417 object of 60 x 25 mm with the designer's 2 columns.
class Pdf417DesignerTest : public ::testing::Test {
 protected:
  Pdf417DesignerTest() {
    const std::pair<const char*, const char*> kLayout[] = {
        {"LabelWidth", "80"}, {"LabelHeight", "40"}, {"SheetWidth", "200"}, {"SheetHeight", "100"},
        {"Columns", "2"},     {"Rows", "2"},         {"RowGap", "5"},       {"ColumnGap", "10"},
        {"TopMargin", "5"},   {"LeftMargin", "5"}};
    for (const auto& [name, text] : kLayout) SetField(name, text);
    TLabelObject& o = form_.Document().Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    o.Left = 100, o.Top = 75, o.Width = 600, o.Height = 250;
    o.Barcode().SetTypBarCode(TTypBarCode::bcPDF417);
    o.Barcode().SetBarCode(kValue);
    o.UpdateElement(1.0);
  }

  void SetField(const char* name, const char* text) { form_.findChild<QLineEdit*>(name)->setText(text); }
  TEan& Barcode() { return form_.Document().Object(1).Barcode(); }

  TScriptedDialogs dialogs_;
  test::TBitmapPrinter printer_{1600, 800, 203};  // 200 x 100 mm
  TKeepingClipboard clipboard_;
  TRecordingProcessLauncher launcher_;
  TForm2 form_{TDesignerServices{dialogs_, printer_, clipboard_, launcher_}};
};

TEST_F(Pdf417DesignerTest, TheSurfaceShowsWhatThePrinterPrints) {
  // The design surface paints the element at its size in design units.
  TBitmap surface(Barcode().Width(), Barcode().Height());
  Barcode().Paint(surface.Canvas());
  EXPECT_TRUE(Barcode().PaintErrorMessage().empty()) << Barcode().PaintErrorMessage();
  EXPECT_EQ(Read(surface.Image()), std::vector<std::string>{kValue});

  form_.TopBar().PrintButton().click();
  ASSERT_EQ(printer_.Pages.size(), 1u);
  EXPECT_EQ(Read(printer_.Pages[0]), std::vector<std::string>{kValue});

  SetField("Copies", "3");
  form_.SeriesPage().PrintCopiesButton().click();
  ASSERT_EQ(printer_.Pages.size(), 2u);
  EXPECT_EQ(Read(printer_.Pages[1]), std::vector<std::string>(3, kValue));
  EXPECT_TRUE(dialogs_.Messages().empty());
}

TEST_F(Pdf417DesignerTest, PreviewAndClipboardHoldTheSymbol) {
  form_.TopBar().PreviewButton().click();
  auto* preview = form_.findChild<TPrinterPreview*>("PrinterPreview", Qt::FindDirectChildrenOnly);
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(Read(preview->Shown().Image()), std::vector<std::string>{kValue});

  form_.Document().CurrentObject = 1;
  form_.DesignPage().Menu().ToClipboard->trigger();
  ASSERT_EQ(clipboard_.Images.size(), 1u);
  EXPECT_EQ(Read(clipboard_.Images[0]), std::vector<std::string>{kValue});
  EXPECT_TRUE(dialogs_.Messages().empty());
}

}  // namespace
}  // namespace quorvel

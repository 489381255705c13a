#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "document/DesignFont.h"
#include "document/LabelDocument.h"
#include "document/Placeholders.h"
#include "document/ShapeControl.h"
#include "document/StaticTextControl.h"
#include "platform/Bitmap.h"
#include "platform/Errors.h"
#include "platform/ImageControl.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

TLabelObject& Add(TLabelDocument& document, TObjectKind kind) {
  return document.Append(std::make_unique<TLabelObject>(kind));
}

TEST(LabelDocumentTest, NamesCountPerKindAndContinueAfterDeletion) {
  TLabelDocument document;
  Add(document, TObjectKind::okBox);
  Add(document, TObjectKind::okBox);
  TLabelObject& text = Add(document, TObjectKind::okText);
  EXPECT_EQ(document.Object(1).Name, "box01");
  EXPECT_EQ(document.Object(2).Name, "box02");
  EXPECT_EQ(text.Name, "text01");
  EXPECT_EQ(text.Number, 1);
  EXPECT_EQ(document.Object(2).Number, 2);
  EXPECT_EQ(document.KindCounters[KindIndex(TObjectKind::okBox)], 2);
  // A deleted object keeps its slot and its name is never given again.
  document.Object(2).Deleted = true;
  EXPECT_EQ(Add(document, TObjectKind::okBox).Name, "box03");
  EXPECT_EQ(document.ObjectCount(), 4);
}

TEST(LabelDocumentTest, TheTableHoldsSixtyObjects) {
  TLabelDocument document;
  for (int i = 0; i < TLabelDocument::kSlotCount; ++i) Add(document, TObjectKind::okHLine);
  EXPECT_TRUE(document.Full());
  EXPECT_THROW(Add(document, TObjectKind::okBox), EUserError);
  EXPECT_EQ(document.ObjectCount(), 60);
  EXPECT_EQ(document.KindCounters[KindIndex(TObjectKind::okBox)], 0);
  EXPECT_THROW(document.Object(61), std::out_of_range);
  EXPECT_THROW(document.Object(0), std::out_of_range);
}

TEST(LabelDocumentTest, FindByNameIncludesDeletedObjects) {
  TLabelDocument document;
  Add(document, TObjectKind::okBox);
  Add(document, TObjectKind::okText).Deleted = true;
  EXPECT_EQ(document.FindByName("text01"), 2);
  EXPECT_EQ(document.FindByName("box01"), 1);
  EXPECT_EQ(document.FindByName("box02"), 0);
  EXPECT_EQ(document.FindByName(""), 0);
}

TEST(LabelDocumentTest, ObjectListGroupsLiveObjectsByKind) {
  TLabelDocument document;
  for (TObjectKind kind : {TObjectKind::okText, TObjectKind::okBox, TObjectKind::okQrCode, TObjectKind::okBox,
                           TObjectKind::okVerticalText, TObjectKind::okHLine})
    Add(document, kind);
  EXPECT_EQ(document.ObjectListNames(),
            (std::vector<std::string>{"box01", "box02", "linh01", "text01", "stext01", "qr01"}));
  document.Object(2).Deleted = true;
  EXPECT_EQ(document.ObjectListNames(),
            (std::vector<std::string>{"box02", "linh01", "text01", "stext01", "qr01"}));
}

TEST(LabelDocumentTest, ResetEmptiesTheTableButKeepsTheSettings) {
  test::TRecordingSurface surface;  // outlives the document that uses it
  TLabelDocument document;
  document.SetSurface(&surface);
  Add(document, TObjectKind::okBox);
  Add(document, TObjectKind::okText);
  document.Layout.LabelWidth = "70";
  document.PrinterName = "PDF";
  document.Landscape = true;
  document.SeriesFileName = "serie.csv";
  document.CurrentObject = 2;
  document.SelectionActive = document.Modified = document.HasSavedFile = document.HasLoadedFile = true;

  document.reset_label();
  EXPECT_EQ(document.ObjectCount(), 0);
  EXPECT_EQ(document.KindCounters, (std::array<int, 8>{}));
  EXPECT_EQ(document.CurrentObject, 0);
  EXPECT_FALSE(document.SelectionActive || document.Modified || document.HasSavedFile || document.HasLoadedFile);
  EXPECT_EQ(document.Layout.LabelWidth, "70");
  EXPECT_EQ(document.PrinterName, "PDF");
  EXPECT_TRUE(document.Landscape);
  EXPECT_EQ(document.SeriesFileName, "serie.csv");
  EXPECT_TRUE(surface.Stack.empty());
  EXPECT_EQ(surface.Calls, (std::vector<std::string>{"add", "add", "remove", "remove"}));
  EXPECT_EQ(Add(document, TObjectKind::okBox).Name, "box01");
}

TEST(LabelDocumentTest, NewObjectsTakeTheDefaultsOfTheirKind) {
  TLabelDocument document;
  const std::tuple<TObjectKind, TRect> kShapes[] = {
      {TObjectKind::okBox, {10, 10, 110, 60}},
      {TObjectKind::okHLine, {10, 10, 110, 11}},
      {TObjectKind::okVLine, {10, 10, 11, 110}},
  };
  for (const auto& [kind, bounds] : kShapes) {
    TLabelObject& shape = Add(document, kind);
    EXPECT_EQ(shape.Element().BoundsRect(), bounds);
    EXPECT_EQ(shape.Shape().Pen().Width, 1);
    EXPECT_EQ(shape.Shape().Pen().Color, clBlack);
    EXPECT_EQ(shape.Shape().Brush().Color, clWhite);
    EXPECT_EQ(shape.Element().Hint, shape.Name);
  }
  TLabelObject& text = Add(document, TObjectKind::okText);
  EXPECT_EQ(text.Text, "Text");
  EXPECT_EQ(text.FontSize, 8);
  EXPECT_EQ(text.StaticText().Caption(), "Text");
  EXPECT_EQ(text.StaticText().Color(), clWhite);
  TLabelObject& picture = Add(document, TObjectKind::okPicture);
  EXPECT_EQ(picture.Element().BoundsRect(), (TRect{0, 0, 70, 50}));
  EXPECT_TRUE(picture.Image().Stretch());
  EXPECT_EQ(picture.Image().Picture().Image(), PicturePlaceholder().Image());
  TLabelObject& vertical = Add(document, TObjectKind::okVerticalText);
  EXPECT_EQ(vertical.Text, "senkrechter Text");
  EXPECT_EQ(vertical.Angle, 90);
  EXPECT_EQ(vertical.Element().Hint, "senkrechter Text");
  EXPECT_EQ(vertical.Element().Left(), 10);
  EXPECT_FALSE(vertical.Image().Stretch());
}

TEST(LabelDocumentTest, TextsAreSizedByTheirTextAt254PixelsPerInch) {
  TLabelDocument document;
  TLabelObject& text = Add(document, TObjectKind::okText);
  TTextExtent expected = MeasureDesignText(text.Font(), "Text");
  EXPECT_EQ(text.Width, expected.Width);
  EXPECT_EQ(text.Height, expected.Height);
  EXPECT_EQ(text.Element().Width(), text.Width);
  // 8 points at 254 pixels per inch are 28 pixels; the cell is a little taller.
  EXPECT_EQ(DesignFontPixels(8), 28);
  EXPECT_GE(text.Height, 28);
  EXPECT_LE(text.Height, 36);

  int shortWidth = text.Width;
  text.Text = "Text, nun viel länger";
  text.UpdateElement(1.0);
  EXPECT_GT(text.Width, shortWidth);
  EXPECT_EQ(text.Element().Width(), text.Width);
}

TEST(LabelDocumentTest, VerticalTextGeometryFollowsFontSizeAndTextWidth) {
  TLabelDocument document;
  TLabelObject& vertical = Add(document, TObjectKind::okVerticalText);
  EXPECT_EQ(vertical.Width, 32);  // size 8, whatever the text
  int tw = MeasureDesignText(vertical.Font(), vertical.Text).Width;
  EXPECT_EQ(vertical.Height, RoundHalfEven(tw * 1.2));
  EXPECT_EQ(vertical.Element().Width(), 32);
  EXPECT_EQ(vertical.Element().Height(), vertical.Height);

  vertical.Text = "x";
  vertical.UpdateElement(1.0);
  EXPECT_EQ(vertical.Width, 32);
  EXPECT_LT(vertical.Height, 40);
  vertical.FontSize = 20;
  vertical.UpdateElement(1.0);
  EXPECT_EQ(vertical.Width, 80);
}

TEST(LabelDocumentTest, VerticalTextBitmapRunsUpFromTheBottomLeftCorner) {
  TLabelDocument document;
  TLabelObject& vertical = Add(document, TObjectKind::okVerticalText);
  vertical.FontColor = clRed;
  vertical.UpdateElement(1.0);
  TBitmap shown(vertical.Width, vertical.Height);
  vertical.Element().Paint(shown.Canvas());
  int inkTop = vertical.Height, inkBottom = -1, inkRight = -1;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (shown.Pixel(x, y) != clWhite) {
        inkTop = std::min(inkTop, y);
        inkBottom = std::max(inkBottom, y);
        inkRight = std::max(inkRight, x);
      }
  EXPECT_GT(inkBottom, vertical.Height * 3 / 4);  // starts near the bottom
  EXPECT_LT(inkTop, vertical.Height / 4);         // and climbs most of the height
  EXPECT_LT(inkRight, vertical.Width);
}

TEST(LabelDocumentTest, ElementsShowZoomedValuesWhileTheFieldsKeepThoseOf100Percent) {
  TLabelDocument document;
  TLabelObject& box = Add(document, TObjectKind::okBox);
  box.Left = 30;
  TLabelObject& hline = Add(document, TObjectKind::okHLine);
  TLabelObject& vline = Add(document, TObjectKind::okVLine);
  TLabelObject& text = Add(document, TObjectKind::okText);
  int textWidth = text.Width;
  for (TLabelObject* object : {&box, &hline, &vline, &text}) object->UpdateElement(2.0);
  EXPECT_EQ(box.Element().BoundsRect(), (TRect{60, 20, 260, 120}));
  EXPECT_EQ(hline.Element().BoundsRect(), (TRect{20, 20, 220, 21}));  // keeps its thickness
  EXPECT_EQ(vline.Element().BoundsRect(), (TRect{20, 20, 21, 220}));
  EXPECT_EQ(text.StaticText().Font().Size, 16);
  EXPECT_EQ(text.Width, textWidth);
  EXPECT_EQ(box.Left, 30);
  box.UpdateElement(0.5);
  EXPECT_EQ(box.Element().Left(), 15);
}

TEST(LabelDocumentTest, ShapesPaintFrameInsideAndFill) {
  TShapeControl shape;
  shape.SetBounds(0, 0, 10, 8);
  shape.SetPen(2, clRed);
  shape.SetBrushColor(clLime);
  TBitmap bitmap(12, 10);
  shape.Paint(bitmap.Canvas());
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
  EXPECT_EQ(bitmap.Pixel(2, 2), clLime);
  EXPECT_EQ(bitmap.Pixel(9, 7), clRed);
  EXPECT_EQ(bitmap.Pixel(10, 8), clWhite);  // nothing beyond the bounds
}

TEST(LabelDocumentTest, StaticTextPaintsItsBackgroundAndTextAtItsOwnResolution) {
  TStaticTextControl text;
  TFont font;
  font.Color = clBlue;
  text.SetFont(font);
  text.SetCaption("MMM");
  text.SetColor(clLime);
  for (int ppi : {96, 300}) {
    TBitmap bitmap(text.Width(), text.Height(), ppi);
    text.Paint(bitmap.Canvas());
    int blue = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) blue += bitmap.Pixel(x, y) == clBlue;
    EXPECT_EQ(bitmap.Pixel(0, 0), clLime) << ppi;
    EXPECT_GT(blue, 50) << ppi;
  }
}

TEST(LabelDocumentTest, SurfaceSizeIsTenUnitsPerMillimetre) {
  TLabelDocument document;
  EXPECT_EQ(document.SurfaceSize(), (TSurfaceSize{550, 500}));
  document.Layout.LabelWidth = "21,2";
  document.Layout.LabelHeight = "0.25";  // rounds half to even
  EXPECT_EQ(document.SurfaceSize(), (TSurfaceSize{212, 2}));
  document.Layout.LabelWidth = "abc";
  try {
    document.SurfaceSize();
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' ist kein gültiger Gleitkommawert");
  }
}

TEST(LabelDocumentTest, TheSurfaceSeesEveryElementComeAndGo) {
  TLabelDocument document;
  Add(document, TObjectKind::okBox);
  test::TRecordingSurface surface;
  document.SetSurface(&surface);  // elements made before are put on it
  EXPECT_EQ(surface.Stack.size(), 1u);
  TLabelObject& text = Add(document, TObjectKind::okText);
  EXPECT_EQ(surface.Stack.back(), &text.Element());
  document.SetSurface(nullptr);
  EXPECT_TRUE(surface.Stack.empty());
}

}  // namespace
}  // namespace quorvel

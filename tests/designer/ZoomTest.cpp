#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <cfenv>
#include <cmath>
#include <random>

#include "DesignerFixture.h"
#include "designer/PropertyGrid.h"
#include "document/StaticTextControl.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

using test::SendMouse;

class ZoomTest : public test::TDesignerFixture {
 protected:
  void ZoomIn(int times = 1) {
    for (int i = 0; i < times; ++i) ClickCaption("zoom +");
  }
  void ZoomOut(int times = 1) {
    for (int i = 0; i < times; ++i) ClickCaption("zoom -");
  }
  QRect Shown(TLabelObject& object) { return HostOf(object)->geometry(); }
  QScrollBar* Bar(const char* name) { return Child<QScrollBar>(name); }
  void ChangePage(const char* title) {
    auto* pages = Child<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i)
      if (pages->tabText(i) == QString::fromUtf8(title)) pages->setCurrentIndex(i);
  }
};

TEST_F(ZoomTest, FourStepsDownReachOneSixteenthAndTheFifthDoesNothing) {
  TLabelObject& box = Create("CreateBox");
  box.Left = 32;
  box.UpdateElement(1.0);
  const double kSteps[] = {0.5, 0.25, 0.125, 0.0625, 0.0625};
  for (double expected : kSteps) {
    ZoomOut();
    EXPECT_EQ(Doc().Zoom, expected);
  }
  EXPECT_EQ(Shown(box), QRect(2, 1, 6, 3));  // 32, 10, 100, 50 at 1/16, halves to even
  EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(34, 31));
  ClickCaption("zoom aus");
  EXPECT_EQ(Doc().Zoom, 1.0);
  EXPECT_EQ(Shown(box), QRect(32, 10, 100, 50));
}

TEST_F(ZoomTest, ZoomPlusStopsAtSixteenTimes) {
  TLabelObject& box = Create("CreateBox");
  ZoomIn(4);
  EXPECT_EQ(Doc().Zoom, 16.0);
  ZoomIn();
  EXPECT_EQ(Doc().Zoom, 16.0);
  EXPECT_EQ(Shown(box), QRect(160, 160, 1600, 800));
  EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(8800, 8000));
  ZoomOut(8);
  EXPECT_EQ(Doc().Zoom, 0.0625);
}

TEST_F(ZoomTest, SurfaceAndObjectsShowTheirSizesTimesTheZoom) {
  EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(550, 500));  // 55 x 50 mm
  TLabelObject& box = Create("CreateBox");
  box.Left = 30;
  box.UpdateElement(1.0);
  TLabelObject& hline = Create("CreateHLine");
  hline.Height = hline.PenWidth = 3;
  hline.UpdateElement(1.0);
  TLabelObject& vline = Create("CreateVLine");
  TLabelObject& qr = Create("CreateQrCode");
  TLabelObject& text = Create("CreateText");
  EXPECT_EQ(text.FontSize, 8);
  QSize textAt100 = Shown(text).size();

  ZoomIn();
  EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(1100, 1000));
  EXPECT_EQ(Shown(box), QRect(60, 20, 200, 100));
  EXPECT_EQ(Shown(hline), QRect(20, 20, 200, 3));  // a line keeps its thickness
  EXPECT_EQ(Shown(vline), QRect(20, 20, 1, 200));
  EXPECT_EQ(Shown(qr), QRect(0, 0, 200, 200));
  EXPECT_EQ(text.StaticText().Font().Size, 16);
  EXPECT_GT(Shown(text).width(), textAt100.width() * 3 / 2);
  Drag(HostOf(text), {1, 1}, {});
  EXPECT_EQ(Child<QLineEdit>("FontSize")->text(), "16");

  ZoomOut(2);
  EXPECT_EQ(Shown(box), QRect(15, 5, 50, 25));
  EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(275, 250));
  // The document keeps the values of 100 % throughout.
  EXPECT_EQ((std::array{box.Left, box.Top, box.Width, box.Height}), (std::array{30, 10, 100, 50}));
  EXPECT_EQ(text.FontSize, 8);
  EXPECT_FALSE(Doc().SelectionActive);  // zooming hides the handles
}

TEST_F(ZoomTest, SmallFontsComeBackAfterZoomingFarOut) {
  TLabelObject& text = Create("CreateText");
  ZoomOut(4);
  EXPECT_EQ(text.StaticText().Font().Size, 0);  // 8 / 16 rounds to even
  ZoomIn(4);
  EXPECT_EQ(text.FontSize, 8);
  EXPECT_EQ(text.StaticText().Font().Size, 8);
}

TEST_F(ZoomTest, VerticalTextIsPaintedAgainAtTheShownFontSize) {
  TLabelObject& vertical = Create("CreateVerticalText");
  QRect at100 = Shown(vertical);
  EXPECT_EQ(at100.width(), 32);  // four pixels per point
  ZoomIn();
  EXPECT_EQ(Shown(vertical).width(), 64);
  EXPECT_NEAR(Shown(vertical).height(), 2 * at100.height(), 4);
  const QImage& picture = vertical.Image().Picture().Image();
  EXPECT_EQ(picture.width(), 64);
  int ink = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ink += qGray(picture.pixel(x, y)) < 128;
  EXPECT_GT(ink, 100);
  EXPECT_EQ((std::pair{vertical.Width, vertical.FontSize}), (std::pair{32, 8}));
}

TEST_F(ZoomTest, ObjectsMadeWhileZoomedTakeTheirDefaultsInSurfacePixels) {
  ZoomIn();
  TLabelObject& box = Create("CreateBox");
  EXPECT_EQ((std::array{box.Left, box.Top, box.Width, box.Height}), (std::array{5, 5, 50, 25}));
  EXPECT_EQ(Shown(box), QRect(10, 10, 100, 50));
  TLabelObject& hline = Create("CreateHLine");
  EXPECT_EQ((std::pair{hline.Width, hline.Height}), (std::pair{50, 1}));
  TLabelObject& text = Create("CreateText");  // the toolbar's 8 as shown
  EXPECT_EQ(text.FontSize, 4);
  EXPECT_EQ(text.StaticText().Font().Size, 8);
  EXPECT_EQ(Cell("Schriftgröße"), "8");
}

TEST_F(ZoomTest, GridShowsAndEditsTheShownValues) {
  TLabelObject& box = Create("CreateBox");
  box.Left = 3;
  ZoomIn();
  Child<QComboBox>("ObjectList")->setEditText("box01");
  form_->ObjectPanel().Properties().obox_click();
  EXPECT_EQ(Cell("Breite"), "200");
  EXPECT_EQ(Cell("Links"), "6");
  SetCell("Links", "61");
  SetCell("Breite", "150");
  form_->ObjectPanel().Properties().obox_zuruck();
  EXPECT_EQ((std::pair{box.Left, box.Width}), (std::pair{30, 75}));  // 30.5 rounds to even
  EXPECT_EQ(Shown(box).left(), 60);

  // Applying what the grid shows leaves values that do not divide evenly alone.
  box.Left = 3;
  ClickCaption("zoom aus");
  ZoomOut();
  form_->ObjectPanel().Properties().obox_click();
  EXPECT_EQ(Cell("Links"), "2");
  form_->ObjectPanel().Properties().obox_zuruck();
  EXPECT_EQ(box.Left, 3);
  ClickCaption("zoom aus");
  form_->ObjectPanel().Properties().obox_click();
  EXPECT_EQ(Cell("Breite"), "75");
}

TEST_F(ZoomTest, FontSizesInTheGridAreThoseShown) {
  TLabelObject& text = Create("CreateText");
  ClickCaption("zoom +");
  form_->ObjectPanel().Properties().obox_click();
  EXPECT_EQ(Cell("Schriftgröße"), "16");
  Grid()->setCurrentCell(Row("Schriftart"), 1);
  TFont font;
  font.Name = "DejaVu Sans";
  font.Size = 20;
  dialogs_.AnswerFont(font);
  form_->ObjectPanel().Properties().FontButton()->click();
  EXPECT_EQ(text.FontSize, 10);
  EXPECT_EQ(text.StaticText().Font().Size, 20);
  SetCell("Schriftgröße", "30");
  form_->ObjectPanel().Properties().obox_zuruck();
  EXPECT_EQ(text.FontSize, 15);
}

TEST_F(ZoomTest, MovingALineWhileZoomedKeepsItsThickness) {
  SetGrid("0");
  TLabelObject& hline = Create("CreateHLine");
  hline.Height = hline.PenWidth = 4;
  hline.UpdateElement(1.0);
  ZoomIn();
  Drag(HostOf(hline), {5, 1}, {{25, 11}});
  EXPECT_EQ((std::array{hline.Left, hline.Top, hline.Width, hline.Height}), (std::array{20, 15, 100, 4}));
  Drag(Handle(THandle::kr4), {3, 3}, {{13, 3}});
  EXPECT_EQ((std::pair{hline.Width, hline.Height}), (std::pair{105, 4}));
}

// A model of the rule, independent of the designer's code: a change of d
// shown pixels at zoom z changes the value of 100 % by d / z, to the nearest
// whole unit with halves to even; the surface shows each value times z.
struct TModelObject {
  TObjectKind Kind;
  std::array<int, 4> Stored;  // left, top, width, height
};

int Nearest(double value) {
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
  return static_cast<int>(std::nearbyint(value));
}

QRect ModelShown(const TModelObject& m, double z) {
  double wz = m.Kind == TObjectKind::okVLine ? 1 : z;
  double hz = m.Kind == TObjectKind::okHLine ? 1 : z;
  return {Nearest(m.Stored[0] * z), Nearest(m.Stored[1] * z), Nearest(m.Stored[2] * wz), Nearest(m.Stored[3] * hz)};
}

TEST_F(ZoomTest, RandomZoomStepsMovesAndResizesChangeTheStoredValuesByDOverZ) {
  SetGrid("0");
  const TObjectKind kKinds[] = {TObjectKind::okBox, TObjectKind::okHLine, TObjectKind::okVLine, TObjectKind::okPicture};
  for (unsigned seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    ClickCaption("zoom aus");
    Click("DeleteAll");
    std::vector<TModelObject> model;
    for (TObjectKind kind : kKinds) {
      form_->Palette().CreateButton(kind).click();
      TLabelObject& object = Doc().Object(Doc().ObjectCount());
      object.Left = between(0, 500), object.Top = between(0, 500);
      object.Width = kind == TObjectKind::okVLine ? 2 : between(40, 400);
      object.Height = kind == TObjectKind::okHLine ? 3 : between(40, 400);
      object.UpdateElement(1.0);
      model.push_back({kind, {object.Left, object.Top, object.Width, object.Height}});
    }
    double z = 1;
    for (int step = 0; step < 30; ++step) {
      int pick = between(0, 3);
      TLabelObject& object = Doc().Object(pick + 1);
      TModelObject& m = model[pick];
      int dx = between(-60, 60), dy = between(-60, 60);
      switch (between(0, 4)) {
        case 0:
          ZoomIn();
          z = std::min(16.0, z * 2);
          break;
        case 1:
          ZoomOut();
          z = std::max(0.0625, z / 2);
          break;
        case 2:  // move
          Drag(HostOf(object), {0, 0}, {{dx, dy}});
          m.Stored[0] += Nearest(dx / z), m.Stored[1] += Nearest(dy / z);
          break;
        default: {  // resize by the bottom-right or top-left handle, or the line's own
          THandle handle = m.Kind == TObjectKind::okHLine ? THandle::kr4
                           : m.Kind == TObjectKind::okVLine ? THandle::kr6
                           : between(0, 1)                ? THandle::kr5
                                                            : THandle::kr1;
          if (handle == THandle::kr4) dy = 0;
          if (handle == THandle::kr6) dx = 0;
          std::array<int, 4> after = m.Stored;
          if (handle == THandle::kr1) {
            after[0] += Nearest(dx / z), after[1] += Nearest(dy / z);
            after[2] -= Nearest(dx / z), after[3] -= Nearest(dy / z);
          } else {
            after[2] += Nearest(dx / z), after[3] += Nearest(dy / z);
          }
          QRect shown = ModelShown(m, z);
          int sign = handle == THandle::kr1 ? -1 : 1;
          // Only drags that leave every edge where it is dragged to.
          if (after[2] < 1 || after[3] < 1 || shown.width() + sign * dx < 1 || shown.height() + sign * dy < 1) break;
          Drag(HostOf(object), {0, 0}, {});
          Drag(Handle(handle), {3, 3}, {{3 + dx, 3 + dy}});
          m.Stored = after;
        }
      }
      ASSERT_EQ(Doc().Zoom, z) << "seed " << seed << " step " << step;
      for (size_t i = 0; i < model.size(); ++i) {
        TLabelObject& o = Doc().Object(static_cast<int>(i) + 1);
        ASSERT_EQ((std::array{o.Left, o.Top, o.Width, o.Height}), model[i].Stored) << "seed " << seed << " step " << step;
        ASSERT_EQ(Shown(o), ModelShown(model[i], z)) << "seed " << seed << " step " << step;
      }
    }
  }
}

TEST_F(ZoomTest, SavingWhileZoomedWritesTheValuesOf100Percent) {
  SetGrid("0");
  TLabelObject& box = Create("CreateBox");
  ZoomIn();
  Drag(HostOf(box), {0, 0}, {{20, 0}});
  ZoomIn();
  std::string path = dir_.Path("zoom.lab");
  dialogs_.AnswerFile(path);
  form_->TopBar().Menu().SaveAs->trigger();
  EXPECT_EQ(Doc().Zoom, 1.0);
  EXPECT_EQ(Shown(box), QRect(20, 10, 100, 50));
  std::string file = test::ReadFile(path);
  EXPECT_NE(file.find("\r\n1;1;0;20;10;100;50;1;"), std::string::npos) << file;
}

TEST_F(ZoomTest, EveryCommandThatReadsGeometryReturnsTo100Percent) {
  std::string label = dir_.Path("rueck.lab");
  test::WriteFile(dir_.Path("serie.csv"), "1;\r\n");
  Doc().SeriesFileName = dir_.Path("serie.csv");
  for (const auto& [name, text] : {std::pair{"SheetWidth", "195"}, {"SheetHeight", "288"}, {"Columns", "2"}, {"Rows", "5"},
                                   {"RowGap", "0"}, {"ColumnGap", "0"}, {"TopMargin", "0"}, {"LeftMargin", "0"}})
    Child<QLineEdit>(name)->setText(text);
  const std::pair<const char*, std::function<void()>> kCommands[] = {
      {"Drucken", [&] { Click("PrintButton"); }},
      {"Start Drucken (Serie)", [&] { Click("PrintSeriesButton"); }},
      {"Start Drucken (Anzahl)", [&] { Click("PrintCopiesButton"); }},
      {"Vorschau", [&] { Click("PreviewButton"); }},
      {"speichern unter", [&] { dialogs_.AnswerFile(label), form_->TopBar().Menu().SaveAs->trigger(); }},
      {"öffnen", [&] { dialogs_.AnswerFile(label), form_->TopBar().Menu().Open->trigger(); }},
      {"Einstellungen verlassen", [&] { ChangePage("Einstellungen"), ChangePage("Entwurf"); }},
  };
  Create("CreateBox");
  Doc().Modified = false;
  for (const auto& [name, command] : kCommands) {
    ZoomIn(2);
    Bar("HorizontalScrollBar")->setValue(30);
    command();
    EXPECT_EQ(Doc().Zoom, 1.0) << name;
    EXPECT_EQ(form_->DesignPage().Surface().size(), QSize(550, 500)) << name;
    EXPECT_EQ(Shown(Doc().Object(1)), QRect(10, 10, 100, 50)) << name;
    EXPECT_EQ(Bar("HorizontalScrollBar")->value(), 0) << name;
  }
  EXPECT_EQ(printer_.JobsBegun, 3);
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{});
}

TEST_F(ZoomTest, ScrollBarsSlideTheSurface) {
  QScrollBar* horizontal = Bar("HorizontalScrollBar");
  QScrollBar* vertical = Bar("VerticalScrollBar");
  EXPECT_EQ((std::pair{horizontal->maximum(), vertical->maximum()}), (std::pair{100, 100}));
  ZoomIn();
  horizontal->setValue(40);
  EXPECT_EQ(horizontal->maximum(), 1100);
  EXPECT_EQ(form_->DesignPage().Surface().pos(), QPoint(-40, 34));
  vertical->setValue(25);
  EXPECT_EQ(vertical->maximum(), 1000);
  EXPECT_EQ(form_->DesignPage().Surface().pos(), QPoint(-40, -25));
  vertical->setValue(0);
  EXPECT_EQ(form_->DesignPage().Surface().pos(), QPoint(-40, 34));  // back below the quick text field
  horizontal->setValue(900);
  ZoomOut(2);  // the surface shrinks to 275: the next change cuts the position down
  horizontal->setValue(800);
  EXPECT_EQ(horizontal->maximum(), 275);
  EXPECT_EQ(form_->DesignPage().Surface().x(), -275);
  vertical->setValue(10);
  ClickCaption("zoom aus");
  EXPECT_EQ((std::pair{horizontal->value(), vertical->value()}), (std::pair{0, 0}));
  EXPECT_EQ(form_->DesignPage().Surface().pos(), QPoint(0, 34));
}

}  // namespace
}  // namespace quorvel

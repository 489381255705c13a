#include <QFontDatabase>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "DesignerFixture.h"
#include "document/StaticTextControl.h"

namespace quorvel {
namespace {

using test::SendMouse;

class TextToolbarTest : public test::TDesignerFixture {
 protected:
  QComboBox* FaceList() { return Child<QComboBox>("FontName"); }
  QLineEdit* SizeField() { return Child<QLineEdit>("FontSize"); }
  QToolButton* Style(const char* name) { return Child<QToolButton>(name); }
  // Picks the face from the list as the user does.
  void ChooseFace(const QString& face) {
    int index = FaceList()->findText(face);
    ASSERT_GE(index, 0) << face.toStdString();
    FaceList()->setCurrentIndex(index);
    emit FaceList()->activated(index);
  }
  void Arrow(const char* name, int times = 1) {
    for (int i = 0; i < times; ++i) Child<QToolButton>(name)->click();
  }
  // Everything the toolbar may change on an object.
  static auto Font(const TLabelObject& o) { return std::tuple{o.FontName, o.FontSize, o.Bold, o.Italic, o.Underline}; }
  // A face other than the one shown, from the installed ones.
  QString OtherFace(const std::string& than) {
    for (int i = 0; i < FaceList()->count(); ++i)
      if (FaceList()->itemText(i).toStdString() != than) return FaceList()->itemText(i);
    return {};
  }
};

TEST_F(TextToolbarTest, StartsWithEveryInstalledFaceArialAndSizeEight) {
  QStringList faces = QFontDatabase::families();
  faces.sort();
  QStringList listed;
  for (int i = 0; i < FaceList()->count(); ++i) listed << FaceList()->itemText(i);
  EXPECT_EQ(listed, faces);
  EXPECT_EQ(FaceList()->currentText(), "Arial");
  EXPECT_TRUE(FaceList()->isEditable());
  EXPECT_EQ(FaceList()->maxVisibleItems(), 10);
  EXPECT_EQ(FaceList()->toolTip(), "Font Name");
  EXPECT_EQ(SizeField()->text(), "8");
  EXPECT_EQ(SizeField()->toolTip(), "Font Size");
  for (const char* style : {"Bold", "Italic", "Underline"}) {
    QToolButton* button = Style((std::string(style) + "Button").c_str());
    EXPECT_EQ(button->toolTip(), style);
    EXPECT_TRUE(button->isCheckable());
    EXPECT_FALSE(button->isChecked());
  }
}

TEST_F(TextToolbarTest, ASelectedBoxOrVerticalTextStaysAsItIs) {
  for (const char* button : {"CreateBox", "CreateVerticalText"}) {
    TLabelObject& object = Create(button);
    auto before = Font(object);
    QRect shown = HostOf(object)->geometry();
    ChooseFace(OtherFace(object.FontName));
    Arrow("FontSizeUp", 3);
    Style("BoldButton")->click();
    EXPECT_EQ(Font(object), before) << button;
    EXPECT_EQ(HostOf(object)->geometry(), shown) << button;
    EXPECT_EQ(SizeField()->text(), "11");  // only the toolbar changed
    EXPECT_TRUE(Style("BoldButton")->isChecked());
    Style("BoldButton")->click();
    SizeField()->setText("8");
  }
}

TEST_F(TextToolbarTest, ReleasingBoldLeavesABoldItalicTextItalicOnly) {
  TLabelObject& text = Create("CreateText");
  text.Bold = text.Italic = true;
  text.UpdateElement(1.0);
  Drag(HostOf(text), {1, 1}, {});
  EXPECT_TRUE(Style("BoldButton")->isChecked());
  EXPECT_TRUE(Style("ItalicButton")->isChecked());
  EXPECT_FALSE(Style("UnderlineButton")->isChecked());
  Doc().Modified = false;
  Style("BoldButton")->click();
  EXPECT_EQ((std::tuple{text.Bold, text.Italic, text.Underline}), (std::tuple{false, true, false}));
  EXPECT_FALSE(text.StaticText().Font().Style.Has(TFontStyle::fsBold));
  EXPECT_TRUE(text.StaticText().Font().Style.Has(TFontStyle::fsItalic));
  Style("UnderlineButton")->click();
  EXPECT_TRUE(text.Underline);
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ((std::array{Cell("Fett"), Cell("Kursiv"), Cell("Unterstrichen")}),
            (std::array<std::string, 3>{"nein", "ja", "ja"}));  // the grid follows the text
}

TEST_F(TextToolbarTest, FaceAndSizeChangeTheTextOnlyWhenChosenOrStepped) {
  TLabelObject& text = Create("CreateText");
  int width = HostOf(text)->width();
  QTest::keyClicks(SizeField(), "2");  // "82" typed, no arrow
  FaceList()->lineEdit()->selectAll();
  QTest::keyClicks(FaceList()->lineEdit(), "Gibt es nicht");
  EXPECT_EQ(Font(text), Font(TLabelObject(TObjectKind::okText)));

  QString face = OtherFace(text.FontName);
  ChooseFace(face);
  EXPECT_EQ(text.FontName, face.toStdString());
  SizeField()->setText("20");
  Arrow("FontSizeUp");
  EXPECT_EQ(SizeField()->text(), "21");
  EXPECT_EQ(text.FontSize, 21);
  EXPECT_GT(HostOf(text)->width(), width);  // the element follows its font
  EXPECT_EQ(Handle(THandle::kr5)->pos(), HostOf(text)->geometry().bottomRight() - QPoint(3, 3));
}

TEST_F(TextToolbarTest, ArrowsStopAtZeroAndAtHundred) {
  TLabelObject& text = Create("CreateText");
  Arrow("FontSizeDown", 12);
  EXPECT_EQ(SizeField()->text(), "0");
  EXPECT_EQ(text.FontSize, 0);
  Arrow("FontSizeUp");
  EXPECT_EQ(SizeField()->text(), "1");
  SizeField()->setText("99");
  Arrow("FontSizeUp", 3);
  EXPECT_EQ(SizeField()->text(), "100");
  EXPECT_EQ(text.FontSize, 100);
  SizeField()->setText("250");  // typed beyond the range: the arrows start from its end
  Arrow("FontSizeDown");
  EXPECT_EQ(SizeField()->text(), "99");
  SizeField()->setText("groß");  // no number: the arrows go on from where they stood
  Arrow("FontSizeUp");
  EXPECT_EQ(SizeField()->text(), "100");
}

TEST_F(TextToolbarTest, WithNothingSelectedBoldOnlyGoesToTheNextText) {
  TLabelObject& first = Create("CreateText");
  SendMouse(&form_->DesignPage().Surface(), QEvent::MouseButtonPress, QPoint(400, 400));
  ASSERT_FALSE(Doc().SelectionActive);
  Style("BoldButton")->click();
  EXPECT_FALSE(first.Bold);
  TLabelObject& second = Create("CreateText");
  EXPECT_TRUE(second.Bold);
  EXPECT_FALSE(first.Bold);
}

TEST_F(TextToolbarTest, WhileZoomedTheSizeFieldWorksOnTheShownSize) {
  TLabelObject& text = Create("CreateText");
  ClickCaption("zoom +");
  Drag(HostOf(text), {1, 1}, {});
  EXPECT_EQ(SizeField()->text(), "16");
  Arrow("FontSizeUp");  // 17 shown: 8.5 rounds to even
  EXPECT_EQ(text.FontSize, 8);
  Arrow("FontSizeUp");
  EXPECT_EQ(SizeField()->text(), "18");
  EXPECT_EQ(text.FontSize, 9);
  EXPECT_EQ(text.StaticText().Font().Size, 18);
  Arrow("FontSizeDown", 2);
  EXPECT_EQ(text.FontSize, 8);
  ClickCaption("zoom aus");
  EXPECT_EQ(text.StaticText().Font().Size, 8);
}

}  // namespace
}  // namespace quorvel

// Every change reaches the document the same way: it marks the label
// modified, and every view then shows the document's values.
#include <QFontDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "DesignerFixture.h"
#include "designer/FontDialog.h"
#include "document/LabelFile.h"
#include "document/Placeholders.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

using test::SendMouse;

class DocumentChangesTest : public test::TDesignerFixture {
 protected:
  QToolButton* ToolButton(const char* name) { return Child<QToolButton>(name); }
  // The window shown and active, so that the keyboard focus is real.
  void ShowActive() {
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  // A press and release on the object, as a click of the user.
  void ClickOn(TLabelObject& object) { QTest::mouseClick(HostOf(object), Qt::LeftButton, {}, QPoint(2, 2)); }
  QImage PictureFile(const char* name, int width) {
    QImage image(width, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_TRUE(image.save(QString::fromStdString(dir_.Path(name)), "BMP"));
    return image;
  }
};

// Reproduction 1: an edit, then "neu" asks; Abbrechen keeps the edit.
TEST_F(DocumentChangesTest, EveryEditMarksTheLabelAndNeuAsksAndAbbrechenKeepsIt) {
  PictureFile("rot.bmp", 40);
  const std::pair<const char*, std::function<void()>> kEdits[] = {
      {"Füllfarbe übernommen", [&] { Create("CreateBox"), SetCell("Füllfarbe", "FF0000"), Click("Apply"); }},
      {"Text:", [&] { Create("CreateText"), QTest::keyClicks(Child<QLineEdit>("QuickText"), "x"); }},
      {"fett", [&] { Create("CreateText"), ToolButton("BoldButton")->click(); }},
      {"Schriftgröße", [&] { Create("CreateText"), ToolButton("FontSizeUp")->click(); }},
      {"Objekt löschen", [&] { Create("CreateBox"), Click("DeleteObject"); }},
      {"letztes löschen", [&] { Create("CreateBox"), Click("DeleteLast"); }},
      {"alle löschen", [&] { Create("CreateBox"), Click("DeleteAll"); }},
      {"Einfügen", [&] { Create("CreateBox"), MenuItem("Kopieren")->trigger(), MenuItem("Einfügen")->trigger(); }},
      {"Bilddatei", [&] { Create("CreatePicture"), SetCell("Bilddatei", dir_.Path("rot.bmp")), Click("Apply"); }},
      {"Blattbreite", [&] { QTest::keyClicks(Child<QLineEdit>("SheetWidth"), "1"); }},
      {"Drucker", [&] { Child<QComboBox>("PrinterBox")->setEditText("Etiketten"); }},
      {"Querformat", [&] { Child<QRadioButton>("Landscape")->click(); }},
      {"Seriendatei", [&] { QTest::keyClicks(Child<QLineEdit>("SeriesFile"), "s.csv"); }},
  };
  for (const auto& [edit, run] : kEdits) {
    Create("CreateText");  // something to lose
    Doc().Modified = false;
    run();
    EXPECT_TRUE(Doc().Modified) << edit;
    std::string before = dir_.Path("vorher.lab");
    save_label(Doc(), before);
    Doc().Modified = true;
    int objects = Doc().ObjectCount();
    dialogs_.AnswerCancel();
    form_->TopBar().Menu().New->trigger();
    ASSERT_FALSE(dialogs_.Questions().empty()) << edit;
    EXPECT_EQ(dialogs_.Questions().back().Kind, TScriptedDialogs::TKind::YesNoCancel) << edit;
    EXPECT_EQ(Doc().ObjectCount(), objects) << edit;
    save_label(Doc(), dir_.Path("nachher.lab"));
    EXPECT_EQ(test::ReadFile(dir_.Path("nachher.lab")), test::ReadFile(before)) << edit;
    Doc().Modified = true;
    dialogs_.AnswerNo();
    form_->TopBar().Menu().New->trigger();
    EXPECT_EQ(dialogs_.PendingAnswers(), 0u) << edit;
  }
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{});
}

// A press and release without a move is no change.
TEST_F(DocumentChangesTest, AClickWithoutAMoveLeavesTheLabelUnmodified) {
  TLabelObject& box = Create("CreateBox");
  Doc().Modified = false;
  Drag(HostOf(box), {5, 5}, {});
  Drag(Handle(THandle::kr5), {3, 3}, {});
  EXPECT_FALSE(Doc().Modified);
}

// Reproduction 3: what the toolbar and "Text:" change shows in the grid at
// once, and "übernehmen" writes only what was typed into the grid.
TEST_F(DocumentChangesTest, ToolbarAndQuickTextShowInTheGridAndApplyKeepsThem) {
  TLabelObject& text = Create("CreateText");
  ToolButton("BoldButton")->click();
  for (int i = 0; i < 4; ++i) ToolButton("FontSizeUp")->click();
  QTest::keyClicks(Child<QLineEdit>("QuickText"), "Preis");
  EXPECT_EQ((std::array{Cell("Fett"), Cell("Schriftgröße"), Cell("Text")}),
            (std::array<std::string, 3>{"ja", "12", "TextPreis"}));
  SetCell("Links", "30");
  Click("Apply");
  EXPECT_EQ((std::tuple{text.Left, text.Bold, text.FontSize, text.Text}), (std::tuple{30, true, 12, std::string("TextPreis")}));

  // Typed into the grid and not yet applied: a change elsewhere neither
  // loses the typed row nor is reverted by it.
  SetCell("Oben", "40");
  ToolButton("ItalicButton")->click();
  EXPECT_EQ(Cell("Oben"), "40");
  EXPECT_EQ(Cell("Kursiv"), "ja");
  Click("Apply");
  EXPECT_EQ((std::tuple{text.Top, text.Italic, text.Bold}), (std::tuple{40, true, true}));
}

TEST_F(DocumentChangesTest, ChoosingInTheObjectListMovesEveryViewToTheObject) {
  TLabelObject& text = Create("CreateText");
  text.Bold = true;
  text.FontSize = 14;
  text.Text = "fett";
  text.UpdateElement(1.0);
  Create("CreateBarcode");
  ChooseInList("text01");
  EXPECT_TRUE(ToolButton("BoldButton")->isChecked());
  EXPECT_EQ(Child<QLineEdit>("FontSize")->text(), "14");
  EXPECT_EQ(Child<QLineEdit>("QuickText")->text(), "fett");
  EXPECT_EQ(Cell("Text"), "fett");
  EXPECT_EQ(Handle(THandle::kr1)->pos(), QPoint(text.Left - 4, text.Top - 4));
  ChooseInList("bar01");
  EXPECT_EQ(Child<QLineEdit>("QuickText")->text(), "9771210107001");
  Create("CreateBox");  // a box has no text: the field is empty and takes none
  EXPECT_EQ(Child<QLineEdit>("QuickText")->text(), "");
  EXPECT_TRUE(Child<QLineEdit>("QuickText")->isReadOnly());
}

// Reproduction 2: after a click on a text the keys act on the surface, not
// on the toolbar's font list that had the focus.
TEST_F(DocumentChangesTest, KeysAfterAClickActOnTheSelectedObject) {
  ShowActive();
  struct TCase {
    const char* Button;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    std::array<int, 2> Moved;  // left, top
  };
  const TCase kCases[] = {
      {"CreateText", Qt::Key_Down, Qt::NoModifier, {0, 1}},
      {"CreateText", Qt::Key_Left, Qt::NoModifier, {-1, 0}},
      {"CreateBox", Qt::Key_Right, Qt::ShiftModifier, {10, 0}},  // one step of the grid "10"
      {"CreateBox", Qt::Key_Up, Qt::ShiftModifier, {0, -10}},
  };
  for (const TCase& c : kCases) {
    TLabelObject& object = Create(c.Button);
    std::string font = object.FontName;
    Child<QComboBox>("FontName")->setFocus();
    ClickOn(object);
    Doc().Modified = false;
    std::array<int, 2> before{object.Left, object.Top};
    QTest::keyClick(QApplication::focusWidget(), c.Key, c.Modifiers);
    EXPECT_EQ((std::array{object.Left - before[0], object.Top - before[1]}), c.Moved) << c.Button << " " << c.Key;
    EXPECT_EQ(object.FontName, font);
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Handle(THandle::kr1)->pos(), QPoint(object.Left - 4, object.Top - 4));
  }
  TLabelObject& box = Doc().Object(Doc().ObjectCount());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(Doc().SelectionActive);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);  // nothing selected: nothing goes
  EXPECT_FALSE(box.Deleted);
  ClickOn(box);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  EXPECT_TRUE(box.Deleted);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "text01", "text02"}));
}

TEST_F(DocumentChangesTest, AFaceChosenInTheToolbarLeavesTheKeysToTheSurface) {
  ShowActive();
  TLabelObject& text = Create("CreateText");
  auto* faces = Child<QComboBox>("FontName");
  faces->setFocus();
  int other = faces->findText(QString::fromStdString(text.FontName)) == 0 ? 1 : 0;
  faces->setCurrentIndex(other);
  emit faces->activated(other);
  EXPECT_EQ(text.FontName, faces->itemText(other).toStdString());
  EXPECT_EQ(QApplication::focusWidget(), &form_->DesignPage().Surface());
}

// Reproduction 5: a path typed into "Bilddatei" loads its picture; one that
// cannot be read is reported and the object keeps what it had.
TEST_F(DocumentChangesTest, ATypedPicturePathLoadsOrIsReportedAndTheOldPictureStays) {
  TLabelObject& picture = Create("CreatePicture");
  PictureFile("rot.bmp", 40);
  test::WriteFile(dir_.Path("kaputt.bmp"), "BM no picture");
  SetCell("Bilddatei", dir_.Path("rot.bmp"));
  Click("Apply");
  EXPECT_EQ(picture.PictureFile, dir_.Path("rot.bmp"));
  EXPECT_EQ(picture.Image().Picture().Width(), 40);
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{});

  for (const std::string& bad : {dir_.Path("fehlt.jpg"), dir_.Path("kaputt.bmp"), dir_.Path("bild.gif")}) {
    std::size_t messages = dialogs_.Messages().size();
    SetCell("Bilddatei", bad);
    Click("Apply");
    ASSERT_EQ(dialogs_.Messages().size(), messages + 1) << bad;
    EXPECT_NE(dialogs_.Messages().back().find(bad), std::string::npos) << dialogs_.Messages().back();
    EXPECT_EQ(picture.PictureFile, dir_.Path("rot.bmp")) << bad;
    EXPECT_EQ(picture.Image().Picture().Width(), 40) << bad;
  }
  SetCell("Bilddatei", "");
  Click("Apply");
  EXPECT_EQ(picture.Image().Picture().Width(), PicturePlaceholder().Width());
}

// Reproduction 6: lists of choices take no typed entries; without
// "drucker.ini" the system's default printer is the label's.
TEST_F(DocumentChangesTest, ListsTakeNoTypedEntriesAndTheDefaultPrinterIsPreselected) {
  EXPECT_FALSE(Child<QComboBox>("ObjectList")->isEditable());
  for (const char* name : {"PrinterBox", "SnapGrid"}) {
    auto* list = Child<QComboBox>(name);
    int entries = list->count();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), "neu");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list->count(), entries) << name;
  }
  EXPECT_EQ(Doc().PrinterName, "neu");  // taken as the printer's name, but no entry

  test::TBitmapPrinter printer(300, 300);
  printer.Selected = 1;  // the system's default
  TForm2 form(TDesignerServices{dialogs_, printer, clipboard_, launcher_});
  EXPECT_EQ(form.Document().PrinterName, "Etiketten");
  EXPECT_EQ(form.findChild<QComboBox*>("PrinterBox")->currentText(), "Etiketten");
  EXPECT_FALSE(form.Document().Modified);
}

// The font picker's dialog chooses the colour with the font.
TEST_F(DocumentChangesTest, OurFontDialogGivesTheColourWithTheFont) {
  TFont initial;
  initial.Name = "DejaVu Sans";
  initial.Size = 9;
  initial.Color = clRed;
  TFontDialog dialog(initial);
  EXPECT_EQ(dialog.ChosenFont().Color, clRed);
  QFont chosen("DejaVu Serif", 14);
  chosen.setItalic(true);
  dialog.FontChoice().setCurrentFont(chosen);
  dialog.SetColour(clBlue);
  TFont font = dialog.ChosenFont();
  EXPECT_EQ((std::tuple{font.Name, font.Size, font.Style.Has(TFontStyle::fsItalic), font.Color}),
            (std::tuple{std::string("DejaVu Serif"), 14, true, clBlue}));
}

TEST_F(DocumentChangesTest, APickerButtonGoesWhenItsCellLosesTheFocus) {
  ShowActive();
  Create("CreateText");
  Grid()->setFocus();
  Grid()->setCurrentCell(Row("Schriftfarbe"), 1);
  QPushButton* button = form_->ObjectPanel().Properties().ColourButton();
  ASSERT_TRUE(button->isVisible());
  form_->DesignPage().Surface().setFocus();
  EXPECT_FALSE(button->isVisible());
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QStatusBar>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <set>

#include "EveryKindLabel.h"
#include "designer/ControlHost.h"
#include "designer/DesignPage.h"
#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "document/DesignerSettings.h"
#include "document/LabelFile.h"
#include "barcode/Ean.h"
#include "document/ShapeControl.h"
#include "platform/Control.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextCodec.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::ReadFile;
using test::WriteFile;

class Form2Test : public ::testing::Test {
 protected:
  Form2Test() : previous_(QDir::currentPath()) { QDir::setCurrent(QString::fromStdString(dir_.Path(""))); }
  ~Form2Test() override {
    form_.reset();
    EXPECT_EQ(dialogs_.InternalErrors(), std::vector<std::string>{});
    QDir::setCurrent(previous_);
  }

  TForm2& Form() {
    if (!form_) form_ = std::make_unique<TForm2>(dialogs_, printer_);
    return *form_;
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }

  template <typename T>
  T* Child(const char* name) {
    T* child = Form().findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QPushButton* Button(const QString& text) {
    for (QPushButton* button : Form().findChildren<QPushButton*>())
      if (button->text() == text) return button;
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }
  // Every caption the window shows: labels, group titles, buttons, pages.
  std::set<QString> Captions() {
    std::set<QString> texts;
    for (QLabel* label : Form().findChildren<QLabel*>()) texts.insert(label->text());
    for (QGroupBox* group : Form().findChildren<QGroupBox*>()) texts.insert(group->title());
    for (QPushButton* button : Form().findChildren<QPushButton*>()) texts.insert(button->text());
    auto* pages = Child<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i) texts.insert(pages->tabText(i));
    return texts;
  }
  QAction* MenuItem(const QString& text) {
    for (QAction* top : Form().menuBar()->actions()) {
      if (top->text() == text) return top;
      if (top->menu())
        for (QAction* item : top->menu()->actions())
          if (item->text() == text) return item;
    }
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }
  QAction* ToolbarButton(const QString& hint) {
    for (QAction* action : Child<QToolBar>("ToolBar")->actions())
      if (action->text() == hint) return action;
    ADD_FAILURE() << hint.toStdString();
    return nullptr;
  }
  TControlHost* HostOf(int slot) { return Form().DesignPage().Surface().HostOf(Form().Document().Object(slot).Element()); }
  void OpenEveryKindLabel() {
    dialogs_.AnswerFile(test::WriteEveryKindLabel(dir_.Path("")));
    MenuItem(QString::fromUtf8("öffnen"))->trigger();
    ASSERT_EQ(dialogs_.Messages(), std::vector<std::string>{});
  }
  void ChangePage(const QString& title) {
    auto* pages = Child<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i)
      if (pages->tabText(i) == title) pages->setCurrentIndex(i);
  }
  void Type(const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  test::TTempDir dir_;
  QString previous_;
  TScriptedDialogs dialogs_;
  TPdfPrinter printer_{dir_.Path("druck.pdf"), 195, 288, 300};
  std::unique_ptr<TForm2> form_;
};

TEST_F(Form2Test, ShowsEveryCaptionAndDefault) {
  EXPECT_EQ(Form().windowTitle(), "Quorvel Etikettenentwurf");
  for (const char* item : {"neu", "speichern", "speichern unter", "öffnen", "Ende"}) MenuItem(QString::fromUtf8(item));
  std::set<QString> captions = Captions();
  for (const char* caption :
       {"Entwurf", "Einstellungen", "Drucker", "Seriendruck", "Text:", "Breite [mm]", "Höhe [mm]", "Blattbreite [mm]",
        "Blatthöhe [mm]", "Anzahl Etiketten in einer Zeile nebeneinander:",
        "Anzahl Etiketten in einer Spalte untereinander:", "Horizontaler Abstande zwischen zwei Etiketten:",
        "Vertikaler Abstand zwischen zwei Etiketten:", "oberer Blattrand", "linker Blattrand", "Raster [mm]",
        "Zweckform-Auswahl", "Blattgröße ermitteln", "Hilfe zur Blattgröße", "Drucker wählen", "Druckformat",
        "Drucker speichern", "Seriendatei öffnen", "Datei anschauen", "Spalte, die die Mengenangebe enthält",
        "Seriendatei drucken", "Start bei Etikett ", "Ende bei Etikett ", "jedes Etikett", "mal drucken",
        "Start Drucken", "aktuelles Etikett drucken", "Anzahl", "Start in Zeile/Spalte", "&Hilfe", "Vorschau",
        "Drucken", "zoom +", "zoom -", "zoom aus", "Objektliste", "QR-Code", "A, B, C, D, .Text", "  Bild",
        "senkrechter Text", "letztes löschen", "alle löschen", "refresh", "Objektliste und Eigenschaften  [mm*10]",
        "übernehmen", "Objekt löschen"})
    EXPECT_TRUE(captions.count(QString::fromUtf8(caption))) << caption;
  EXPECT_EQ(Button("Vorschau")->toolTip(), "Etikett-Vorschau");
  EXPECT_EQ(Button("Drucken")->toolTip(), "Etikett drucken (Ctrl+P)");  // the hint with its keys
  EXPECT_EQ(Child<QRadioButton>("Portrait")->text(), "Hochformat");
  EXPECT_EQ(Child<QRadioButton>("Landscape")->text(), "Querformat");

  const std::pair<const char*, const char*> kDefaults[] = {
      {"LabelWidth", "55"}, {"LabelHeight", "50"}, {"SheetWidth", ""},  {"Copies", "1"},
      {"StartRow", "1"},    {"StartColumn", "1"},  {"FirstLine", "1"},  {"LastLine", "9999"},
      {"CopiesPerLine", "1"}, {"FontSize", "8"},   {"QuickText", ""},   {"SeriesFile", ""},
  };
  for (const auto& [name, text] : kDefaults) EXPECT_EQ(Child<QLineEdit>(name)->text(), text) << name;
  EXPECT_EQ(Child<QLineEdit>("SheetWidth")->toolTip(), "A4=195");
  EXPECT_EQ(Child<QLineEdit>("SheetHeight")->toolTip(), "A4=288");
  EXPECT_EQ(Child<QComboBox>("SnapGrid")->currentText(), "10");
  EXPECT_EQ(Child<QComboBox>("FontName")->currentText(), "Arial");
  EXPECT_EQ(Child<QComboBox>("FontName")->toolTip(), "Font Name");
  EXPECT_EQ(Child<QComboBox>("ObjectList")->placeholderText(), "Objektliste");
  EXPECT_FALSE(Child<QComboBox>("ObjectList")->isEditable());
  EXPECT_EQ(Child<QComboBox>("PrinterBox")->itemText(0), "PDF");
  EXPECT_EQ(Child<QComboBox>("PrinterBox")->itemText(1), "PDF-Datei");  // always offered
  auto* presets = Child<QComboBox>("PresetList");
  EXPECT_EQ(presets->placeholderText(), "Zweckform");
  EXPECT_EQ(presets->count(), 32 + 22 + 1);
  EXPECT_EQ(presets->itemText(0), "3666    5 Spalten 13 Reihen, 65 Etiketten");
  EXPECT_TRUE(Child<QRadioButton>("Portrait")->isChecked());
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(550, 500));
  EXPECT_EQ(Form().DesignPage().Surface().objectName(), "Panel1");
}

TEST_F(Form2Test, SettingsFilesAreReadAtCreationAndTheUnknownPrinterKept) {
  WriteFile(SettingsPath("drucker.ini"), "Nicht installiert\r\n");
  WriteFile(SettingsPath("data2.ini"), "0\r\n1\r\n195\r\n288\r\n3\r\n8\r\n0\r\n2,5\r\nserie.csv\r\n6,2\r\n2,5\r\n3\r\n");
  EXPECT_EQ(Child<QComboBox>("PrinterBox")->currentText(), "Nicht installiert");
  EXPECT_EQ(Child<QComboBox>("PrinterBox")->count(), 2);
  EXPECT_TRUE(Child<QRadioButton>("Landscape")->isChecked());
  EXPECT_EQ(Child<QLineEdit>("SheetHeight")->text(), "288");
  EXPECT_EQ(Child<QLineEdit>("ColumnGap")->text(), "2,5");
  EXPECT_EQ(Child<QLineEdit>("SeriesFile")->text(), "serie.csv");
  EXPECT_EQ(Child<QLineEdit>("QuantityColumn")->text(), "3");
  EXPECT_EQ(Form().Document().PrinterName, "Nicht installiert");

  Child<QPushButton>("SavePrinter")->click();
  EXPECT_EQ(ReadFile(SettingsPath("drucker.ini")), "Nicht installiert\r\n");
}

TEST_F(Form2Test, AnOpenedLabelShowsEveryObjectThroughItsHost) {
  OpenEveryKindLabel();
  TLabelDocument& document = Form().Document();
  ASSERT_EQ(document.ObjectCount(), 8);
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(800, 500));
  EXPECT_EQ(Child<QLineEdit>("LabelWidth")->text(), "80");
  EXPECT_EQ(Child<QLineEdit>("LeftMargin")->text(), "17,5");
  for (int slot = 1; slot <= 8; ++slot) {
    TControlHost* host = HostOf(slot);
    ASSERT_NE(host, nullptr) << slot;
    TRect bounds = document.Object(slot).Element().BoundsRect();
    EXPECT_EQ(host->geometry(), QRect(bounds.Left, bounds.Top, bounds.Width(), bounds.Height())) << slot;
    EXPECT_EQ(host->parentWidget(), &Form().DesignPage().Surface());
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), host->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(host, &help);
    EXPECT_EQ(QToolTip::text().toStdString(), slot == 7 ? "senkrecht" : document.Object(slot).Name);
  }
  // The box came to the back, below everything else.
  EXPECT_EQ(Form().DesignPage().Surface().children().indexOf(HostOf(1)), 0);

  auto* list = Child<QComboBox>("ObjectList");
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->itemText(i);
  EXPECT_EQ(names, QStringList({"box01", "linh01", "linv01", "text01", "bild01", "bar01", "stext01", "qr01"}));
  EXPECT_EQ(list->currentText(), "box01");
  EXPECT_EQ(document.CurrentObject, 1);
}

TEST_F(Form2Test, TheSurfaceShowsWhatTheElementsPaint) {
  OpenEveryKindLabel();
  Form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  QImage surface = Form().DesignPage().Surface().grab().toImage();
  EXPECT_EQ(surface.pixelColor(21, 300), QColor(0x1F, 0x3F, 0x8F));  // the box's frame
  EXPECT_EQ(surface.pixelColor(500, 420), QColor(0xF4, 0xF8, 0xFF));  // and its fill
  EXPECT_EQ(surface.pixelColor(100, 220), QColor(250, 210, 40));     // the picture's sun
  test::TDecoded qr = test::DecodeOne(surface.copy(560, 130, 180, 180));
  EXPECT_EQ(qr.Text, "https://www.quorvel.example/");
  test::TDecoded ean = test::DecodeOne(surface.copy(200, 140, 360, 180), {.Formats = "EAN-13"});
  EXPECT_EQ(ean.Text, "4006381333931");

  // A change the element asks to be repainted shows at once.
  Form().Document().Object(1).Shape().SetBrushColor(clLime);
  QTRY_COMPARE(Form().DesignPage().Surface().grab().toImage().pixelColor(500, 420), QColor(Qt::green));
}

// The label is a white sheet with a grey edge and a shadow on a grey ground.
TEST_F(Form2Test, TheLabelsEdgeShowsOnTheSurface) {
  Form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  TDesignPage& page = Form().DesignPage();
  QRect label = page.Surface().geometry();
  QImage shown = page.grab().toImage();
  int y = label.top() + 20;
  EXPECT_EQ(shown.pixel(label.right() - 5, y), QColor(Qt::white).rgb());
  EXPECT_EQ(shown.pixel(label.right(), y), TDesignPanel::kEdge);
  EXPECT_EQ(shown.pixel(label.right() + 2, y), TDesignPage::kShadow);
  EXPECT_EQ(shown.pixel(label.right() + TDesignPage::kShadowOffset + 2, y), TDesignPage::kBackground);
}

TEST_F(Form2Test, MouseEventsOnTheSurfaceReachTheObjectsControl) {
  OpenEveryKindLabel();
  Form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  std::vector<std::pair<int, int>> presses;
  Form().Document().Object(6).Element().OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int x, int y) {
    presses.emplace_back(x, y);
  };
  QTest::mouseClick(HostOf(6), Qt::LeftButton, Qt::NoModifier, QPoint(12, 34));
  EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{12, 34}}));
}

TEST_F(Form2Test, AHatchedSymbolSaysWhyInItsTooltipAndTheStatusBar) {
  OpenEveryKindLabel();
  Form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  TLabelDocument& document = Form().Document();
  auto tooltip = [&](int slot) {
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), HostOf(slot)->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(HostOf(slot), &help);
    return QToolTip::text().toStdString();
  };
  const struct {
    int Slot;
    std::function<void(TLabelObject&)> Break;
    std::string Reason;  // UTF-8
  } cases[] = {
      {6, [](TLabelObject& o) { o.Barcode().SetBarCode("40063A133393"); },
       ": Das Zeichen 'A' an Stelle 6 ist in EAN 13 nicht erlaubt"},
      {8, [](TLabelObject& o) { o.DrawQrText(std::string(3000, 'q')); }, ": Der Text ist für einen QR-Code zu lang"},
  };
  for (const auto& c : cases) {
    TLabelObject& object = document.Object(c.Slot);
    ASSERT_EQ(tooltip(c.Slot), object.Name);  // fine so far: its name
    c.Break(object);
    EXPECT_EQ(tooltip(c.Slot).substr(0, object.Name.size() + c.Reason.size()), object.Name + c.Reason);
    QTest::mouseClick(HostOf(c.Slot), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(Form().statusBar()->currentMessage().toStdString(), tooltip(c.Slot));
  }
}

TEST_F(Form2Test, NewEmptiesTheSurfaceAndKeepsTheSettings) {
  OpenEveryKindLabel();
  MenuItem("neu")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // The host has no meta-object of its own: findChildren would list every widget, the handles too.
  QList<QWidget*> children = Form().DesignPage().Surface().findChildren<QWidget*>();
  EXPECT_TRUE(std::none_of(children.begin(), children.end(), [](QWidget* w) { return dynamic_cast<TControlHost*>(w); }));
  EXPECT_EQ(Form().Document().ObjectCount(), 0);
  EXPECT_EQ(Child<QComboBox>("ObjectList")->count(), 0);
  EXPECT_EQ(Child<QLineEdit>("LabelWidth")->text(), "80");
}

TEST_F(Form2Test, LeavingTheSettingsPageSizesTheSurface) {
  ChangePage("Einstellungen");
  Type("LabelWidth", "70");
  Type("LabelHeight", "21,2");
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(550, 500));  // not while typing
  ChangePage("Drucker");
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(700, 212));
  EXPECT_EQ(Form().Document().Layout.LabelHeight, "21,2");

  ChangePage("Einstellungen");
  Type("LabelWidth", "breit");
  ChangePage("Entwurf");
  EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{"'breit' ist kein gültiger Gleitkommawert"}));
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(700, 212));
}

// A file that is no label: one message, and the label, its settings and
// what a following save writes stay exactly as they were.
TEST_F(Form2Test, AFailedOpenShowsOneMessageAndLeavesTheLabelAsItWas) {
  OpenEveryKindLabel();
  Form().Document().Object(1).Left = 33;
  Form().Document().Modified = true;
  Type("SheetWidth", "190");
  dialogs_.AnswerFile(Path("vorher.lab"));
  MenuItem("speichern unter")->trigger();
  Form().Document().Modified = true;
  for (const std::string& bytes : {std::string("garbage"), std::string(200, '\0')}) {
    WriteFile(Path("kaputt.lab"), bytes);
    dialogs_.AnswerNo();  // keep the changes unsaved
    dialogs_.AnswerFile(Path("kaputt.lab"));
    MenuItem(QString::fromUtf8("öffnen"))->trigger();
    ASSERT_EQ(dialogs_.Messages().size(), 1u);
    EXPECT_EQ(dialogs_.Messages()[0].rfind("Die Etikettendatei " + Path("kaputt.lab") + ", Zeile 1, Feld \"Breite [mm]\": '", 0), 0u)
        << dialogs_.Messages()[0];
    ChangePage("Einstellungen");
    ChangePage("Entwurf");
    EXPECT_EQ(dialogs_.Messages().size(), 1u);  // leaving the page finds nothing to say
    EXPECT_EQ(Child<QLineEdit>("LabelWidth")->text(), "80");
    EXPECT_EQ(Child<QLineEdit>("SheetWidth")->text(), "190");
    EXPECT_TRUE(Form().Document().Modified);
    dialogs_.AnswerFile(Path("nachher.lab"));
    MenuItem("speichern unter")->trigger();
    EXPECT_EQ(ReadFile(Path("nachher.lab")), ReadFile(Path("vorher.lab")));
    Form().Document().Modified = true;
    dialogs_ = TScriptedDialogs();
  }
}

TEST_F(Form2Test, SettingsFieldsEditTheDocument) {
  Type("SheetWidth", "195");
  Type("QuantityColumn", "2");
  Child<QRadioButton>("Landscape")->click();
  Child<QComboBox>("PrinterBox")->setEditText("Etiketten");
  Child<QComboBox>("SnapGrid")->setCurrentText("5");
  TLabelDocument& document = Form().Document();
  EXPECT_EQ(document.Layout.SheetWidth, "195");
  EXPECT_EQ(document.QuantityColumn, "2");
  EXPECT_TRUE(document.Landscape);
  EXPECT_EQ(document.PrinterName, "Etiketten");
  EXPECT_EQ(document.SnapGrid, "5");
}

TEST_F(Form2Test, ToolbarAndMenuDriveTheDocumentCommands) {
  OpenEveryKindLabel();
  Form().Document().Object(1).Left = 33;
  Form().Document().Modified = true;
  ToolbarButton("Etikett speichern")->trigger();  // back into the loaded file, no dialog
  EXPECT_NE(ReadFile(Path("alles.lab")).find("\r\n1;1;0;33;20;"), std::string::npos);

  dialogs_.AnswerFile(Path("kopie.lab"));
  MenuItem("speichern unter")->trigger();
  EXPECT_EQ(ReadFile(Path("kopie.lab")), ReadFile(Path("alles.lab")));
  dialogs_.AnswerCancel();
  ToolbarButton(QString::fromUtf8("Etikett öffnen"))->trigger();
  EXPECT_EQ(dialogs_.Questions().back().Kind, TScriptedDialogs::TKind::OpenFile);
  EXPECT_EQ(dialogs_.PendingAnswers(), 0u);
}

TEST_F(Form2Test, ClosingAsksWritesTheSettingsAndStaysOpenWhenThatFails) {
  Form().show();
  Type("SheetWidth", "190");
  dialogs_.AnswerNo();  // the sheet width is a change of the label
  EXPECT_TRUE(Form().close());
  EXPECT_EQ(ReadFile(SettingsPath("data2.ini")).substr(0, 11), "1\r\n0\r\n190\r\n");

  Form().show();
  QFile::remove(QString::fromStdString(SettingsPath("data2.ini")));
  QDir().mkpath(QString::fromStdString(SettingsPath("data2.ini")));
  Form().Document().Modified = true;
  dialogs_.AnswerNo();
  EXPECT_FALSE(Form().close());
  EXPECT_TRUE(Form().isVisible());
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("data2.ini kann nicht geschrieben werden"), std::string::npos);
  QDir().rmdir(QString::fromStdString(SettingsPath("data2.ini")));
  dialogs_.AnswerNo();
  MenuItem("Ende")->trigger();  // the menu closes the same way
  EXPECT_FALSE(Form().isVisible());
}

TEST_F(Form2Test, ObjectListButtonShowsAndHidesThePanel) {
  Form().show();
  auto* panel = Child<QWidget>("ObjectPanel");
  EXPECT_TRUE(panel->isVisible());
  Button("Objektliste")->click();
  EXPECT_FALSE(panel->isVisible());
  Button("Objektliste")->click();
  EXPECT_TRUE(panel->isVisible());
}

TEST_F(Form2Test, ZoomAusReturnsElementsAndSurfaceTo100Percent) {
  OpenEveryKindLabel();
  TLabelDocument& document = Form().Document();
  document.Zoom = 2.0;
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) document.Object(slot).UpdateElement(2.0);
  EXPECT_EQ(HostOf(1)->geometry(), QRect(40, 40, 1520, 920));
  Button("zoom aus")->click();
  EXPECT_EQ(document.Zoom, 1.0);
  EXPECT_EQ(HostOf(1)->geometry(), QRect(20, 20, 760, 460));
  EXPECT_EQ(Form().DesignPage().Surface().size(), QSize(800, 500));
}

TEST_F(Form2Test, ABarcodeThatCannotPaintSaysWhyOnceThePaintIsOver) {
  OpenEveryKindLabel();
  TEan& barcode = Form().Document().Object(6).Barcode();
  barcode.SetTypBarCode(TTypBarCode::bcPDF417);
  barcode.SetBarCode(std::string(3000, 'x'));
  Form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  QTRY_COMPARE(dialogs_.Messages().size(), 1u);
  EXPECT_FALSE(dialogs_.Messages()[0].empty());
}

}  // namespace
}  // namespace quorvel

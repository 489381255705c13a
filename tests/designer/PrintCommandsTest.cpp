#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "barcode/Ean.h"
#include "designer/Form2.h"
#include "designer/PrintCommands.h"
#include "designer/PrinterPreview.h"
#include "designer/TopBar.h"
#include "document/SheetPresets.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/NumberParsing.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScriptedDialogs.h"
#include "platform/QtText.h"
#include "support/BitmapPrinter.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::WriteFile;

class TRecordingClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override { Copies.push_back(bitmap.Image().size()); }
  std::vector<QSize> Copies;
};

// Windows-1252 text from a literal written in this UTF-8 source.
std::string Text(const char* utf8) { return FromQString(QString::fromUtf8(utf8)); }

std::string Decimal(std::string text) {
  for (char& c : text)
    if (c == '.') c = UserDecimalSeparator();
  return text;
}

// The designer on a printer of 1 pixel per millimetre (300 x 300 mm), with
// a label of 50 x 40 mm holding one black box as large as the label, so
// each printed copy shows as a block; the sheet has 2 x 2 cells.
class PrintCommandsTest : public ::testing::Test {
 protected:
  PrintCommandsTest() : previous_(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(dir_.Path("")));
    form_ = std::make_unique<TForm2>(TDesignerServices{dialogs_, printer_, clipboard_, launcher_});
    const std::pair<const char*, const char*> kLayout[] = {
        {"LabelWidth", "50"}, {"LabelHeight", "40"}, {"SheetWidth", "300"}, {"SheetHeight", "300"},
        {"Columns", "2"},     {"Rows", "2"},         {"RowGap", "10"},      {"ColumnGap", "20"},
        {"TopMargin", "5"},   {"LeftMargin", "7"}};
    for (const auto& [name, text] : kLayout) SetField(name, text);
    TLabelObject& box = form_->Document().Append(std::make_unique<TLabelObject>(TObjectKind::okBox));
    box.Left = 0, box.Top = 0, box.Width = 500, box.Height = 400, box.BrushColor = clBlack;
  }
  ~PrintCommandsTest() override {
    form_.reset();
    EXPECT_EQ(dialogs_.InternalErrors(), std::vector<std::string>{});
    QDir::setCurrent(previous_);
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = form_->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void SetField(const char* name, const char* text) { Child<QLineEdit>(name)->setText(text); }
  std::string FieldText(const char* name) { return FromQString(Child<QLineEdit>(name)->text()); }
  void Click(const char* name) { Child<QPushButton>(name)->click(); }
  std::vector<std::string> NewMessages() {
    std::vector<std::string> all = dialogs_.Messages();
    return {all.begin() + std::min(seenMessages_, all.size()), all.end()};
  }
  void ForgetMessages() { seenMessages_ = dialogs_.Messages().size(); }
  // Whether the cell (row, column) of the page holds a copy.
  bool Filled(int page, int row, int column) {
    const QImage& image = printer_.Pages.at(page);
    int x = 7 + column * (50 + 20) + 25, y = 5 + row * (40 + 10) + 20;
    return qGray(image.pixel(x, y)) < 128;
  }
  std::vector<TPrinterPreview*> Previews() {
    std::vector<TPrinterPreview*> previews;
    for (QWidget* window : form_->findChildren<QWidget*>("PrinterPreview", Qt::FindDirectChildrenOnly))
      if (auto* preview = dynamic_cast<TPrinterPreview*>(window)) previews.push_back(preview);
    return previews;
  }

  test::TTempDir dir_;
  QString previous_;
  test::TBitmapPrinter printer_{300, 300, 25};
  TScriptedDialogs dialogs_;
  TRecordingProcessLauncher launcher_;
  TRecordingClipboard clipboard_;
  std::unique_ptr<TForm2> form_;
  std::size_t seenMessages_ = 0;
};

TEST_F(PrintCommandsTest, DruckenPrintsOneCopyAtTheCornerFromTheButtonAndTheToolbar) {
  form_->Document().Zoom = 2.0;
  Click("PrintButton");
  EXPECT_EQ(form_->Document().Zoom, 1.0);
  Child<QAction>("PrintAction")->trigger();
  ASSERT_EQ(printer_.Pages.size(), 2u);
  for (const QImage& page : printer_.Pages) {
    EXPECT_LT(qGray(page.pixel(25, 20)), 128);   // the corner, margins ignored
    EXPECT_GT(qGray(page.pixel(100, 20)), 128);  // nothing in the next cell
  }
  EXPECT_FALSE(printer_.Printing());
}

TEST_F(PrintCommandsTest, StartDruckenTakesCountAndStartCellFromTheFields) {
  SetField("Copies", "5");
  Click("PrintCopiesButton");
  ASSERT_EQ(printer_.Pages.size(), 2u);
  EXPECT_TRUE(Filled(0, 0, 0) && Filled(0, 0, 1) && Filled(0, 1, 0) && Filled(0, 1, 1));
  EXPECT_TRUE(Filled(1, 0, 0));
  EXPECT_FALSE(Filled(1, 0, 1));

  printer_.Pages.clear();
  SetField("Copies", "1");
  SetField("StartRow", "2");
  SetField("StartColumn", "1");
  Click("PrintCopiesButton");
  ASSERT_EQ(printer_.Pages.size(), 1u);
  EXPECT_TRUE(Filled(0, 1, 0));
  EXPECT_FALSE(Filled(0, 0, 0));
}

TEST_F(PrintCommandsTest, FailuresAreShownAndNeverLeaveTheWindow) {
  SetField("SheetWidth", "19,5");
  SetField("Copies", "x");
  Click("PrintCopiesButton");
  // "Anzahl" is read before the printer is set up, so nothing else happens.
  EXPECT_EQ(NewMessages(), std::vector<std::string>{Text("'x' ist kein gültiger Integerwert")});
  EXPECT_EQ(FieldText("SheetWidth"), "19,5");
  EXPECT_EQ(printer_.JobsBegun, 0);

  ForgetMessages();
  SetField("Copies", "1");
  Click("PrintCopiesButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Blattbreite falsch angegeben !"});
  EXPECT_EQ(FieldText("SheetWidth"), "195");  // the field shows the width the set-up fell back to
  EXPECT_FALSE(printer_.Printing());

  ForgetMessages();
  SetField("Columns", "zwei");
  Click("PrintCopiesButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{Text("'zwei' ist kein gültiger Integerwert")});
}

TEST_F(PrintCommandsTest, SeriesPrintUsesTheSeriesFieldsAndFillsTheVariables) {
  TLabelObject& text = form_->Document().Append(std::make_unique<TLabelObject>(TObjectKind::okText));
  text.Variable = 1;
  std::string file = dir_.Path("serie.csv");
  WriteFile(file, "erste;\nzweite;\ndritte;\n");
  SetField("SeriesFile", file.c_str());
  SetField("FirstLine", "2");
  SetField("CopiesPerLine", "2");
  Click("PrintSeriesButton");
  EXPECT_TRUE(NewMessages().empty());
  // Lines 2 and 3, two copies each: exactly one full sheet and no blank one after it.
  ASSERT_EQ(printer_.Pages.size(), 1u);
  EXPECT_TRUE(Filled(0, 1, 1));
  EXPECT_EQ(text.Text, "dritte");
}

TEST_F(PrintCommandsTest, SeriesPrintOfAMissingFileSaysSoAndBeginsNoJob) {
  std::string file = dir_.Path("fehlt.csv");
  SetField("SeriesFile", file.c_str());
  Click("PrintSeriesButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Die Datei " + file + " existiert nicht !"});
  EXPECT_EQ(printer_.JobsBegun, 0);
}

TEST_F(PrintCommandsTest, SeriesFileDialogKeepsItsLastChoiceOnCancel) {
  dialogs_.AnswerCancel();
  dialogs_.AnswerFile("/daten/serie.csv");
  dialogs_.AnswerCancel();
  for (int press = 0; press < 3; ++press) {
    Click("SeriesFileButton");
    EXPECT_EQ(FieldText("SeriesFile"), press == 0 ? "" : "/daten/serie.csv") << press;
  }
  EXPECT_EQ(form_->Document().SeriesFileName, "/daten/serie.csv");
  ASSERT_EQ(dialogs_.Questions().size(), 3u);
  EXPECT_EQ(dialogs_.Questions()[0].Options.Filter, "Seriendatei|*.csv");
  EXPECT_EQ(dialogs_.Questions()[2].Options.FileName, "/daten/serie.csv");
}

TEST_F(PrintCommandsTest, DateiAnschauenOpensTheFileInATextEditorWithoutAShell) {
  SetField("SeriesFile", "/daten/serie.csv");
  Click("ShowSeriesFileButton");
  ASSERT_EQ(launcher_.Launches().size(), 1u);
  const TRecordingProcessLauncher::TLaunch& launch = launcher_.Launches()[0];
  if (launch.Program.empty()) {
    EXPECT_EQ(launch.Document, "/daten/serie.csv");
  } else {
    EXPECT_EQ(launch.Arguments, std::vector<std::string>{"/daten/serie.csv"});
    EXPECT_EQ(launch.WorkingDirectory, "");  // the program's own
    std::string editor = QFileInfo(ToQString(launch.Program)).fileName().toStdString();
    EXPECT_NE(std::find(PlainTextEditors().begin(), PlainTextEditors().end(), editor), PlainTextEditors().end());
  }
  EXPECT_TRUE(NewMessages().empty());

  launcher_.Succeed = false;
  Click("ShowSeriesFileButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Die Datei /daten/serie.csv kann nicht angezeigt werden !"});
}

TEST_F(PrintCommandsTest, PresetEntryFillsTheFieldsAndCentresTheGrid) {
  SetField("SheetWidth", "195");
  SetField("SheetHeight", "288");
  auto* presets = Child<QComboBox>("PresetList");
  presets->setCurrentIndex(0);
  emit presets->textActivated(presets->itemText(0));
  const std::pair<const char*, std::string> kExpected[] = {
      {"LabelWidth", "38"}, {"LabelHeight", "21,2"}, {"Columns", "5"},  {"Rows", "13"},
      {"RowGap", "0"},      {"ColumnGap", "0"},      {"LeftMargin", Decimal("2.5")}, {"TopMargin", Decimal("6.2")}};
  for (const auto& [name, text] : kExpected) EXPECT_EQ(FieldText(name), text) << name;
  EXPECT_TRUE(NewMessages().empty());

  // Without a printable size the preset is written and the margins stay.
  SetField("SheetWidth", "");
  int lastPreset = static_cast<int>(SheetPresets().size()) - 1;  // 3483: 105 x 148 mm
  emit presets->textActivated(presets->itemText(lastPreset));
  EXPECT_EQ(FieldText("LabelHeight"), "148");
  EXPECT_EQ(FieldText("LeftMargin"), Decimal("2.5"));
  EXPECT_EQ(NewMessages(), std::vector<std::string>{Text("'' ist kein gültiger Gleitkommawert")});
}

TEST_F(PrintCommandsTest, CalibrationSheetIsPortraitEvenWhenLandscapeIsChosen) {
  Child<QRadioButton>("Landscape")->setChecked(true);
  SetField("SheetHeight", "2,88");
  Click("CalibrationButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{Text("Blatthöhe falsch angegeben !")});
  EXPECT_EQ(FieldText("SheetHeight"), "288");
  ASSERT_EQ(printer_.Pages.size(), 1u);
  EXPECT_EQ(printer_.Pages[0].width(), 300);
  EXPECT_EQ(printer_.Orientation(), TPrinterOrientation::poPortrait);
}

TEST_F(PrintCommandsTest, PreviewShowsTheLabelAtFourPixelsPerMillimetre) {
  SetField("LabelWidth", "55");
  SetField("LabelHeight", "50");
  TLabelObject& box = form_->Document().Object(1);
  box.Left = 100, box.Top = 50, box.Width = 100, box.Height = 100;
  form_->Document().Zoom = 2.0;
  Click("PreviewButton");
  EXPECT_EQ(form_->Document().Zoom, 1.0);
  ASSERT_EQ(Previews().size(), 1u);
  TPrinterPreview& preview = *Previews()[0];
  EXPECT_EQ(preview.windowTitle(), "Vorschau");
  EXPECT_TRUE(preview.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(preview.isVisible());
  const TBitmap& bitmap = preview.Shown();
  ASSERT_EQ(QSize(bitmap.Width(), bitmap.Height()), QSize(220, 200));
  EXPECT_EQ(bitmap.Pixel(42, 22), clBlack);   // the box from (40, 20) to (80, 60)
  EXPECT_EQ(bitmap.Pixel(38, 18), clWhite);
  EXPECT_EQ(bitmap.Pixel(82, 62), clWhite);

  Click("PreviewButton");
  EXPECT_EQ(Previews().size(), 2u);  // a new window for every press
}

TEST_F(PrintCommandsTest, PreviewOfALabelSizeThatIsNoNumberOpensNoWindow) {
  SetField("LabelWidth", "breit");
  Click("PreviewButton");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{Text("'breit' ist kein gültiger Gleitkommawert")});
  EXPECT_TRUE(Previews().empty());
}

TEST_F(PrintCommandsTest, PreviewZoomDrawsTheLabelAgainAtTheDisplaySizeWithinBounds) {
  SetField("LabelWidth", "55");
  SetField("LabelHeight", "50");
  Click("PreviewButton");
  ASSERT_EQ(Previews().size(), 1u);
  TPrinterPreview& preview = *Previews()[0];
  auto press = [&](const char* name, int times = 1) {
    for (int i = 0; i < times; ++i) preview.findChild<QPushButton*>(name)->click();
  };
  press("ZoomLarger", 2);
  EXPECT_EQ(preview.DisplaySize(), QSize(420, 400));
  // Drawn anew at that size, not a bitmap enlarged: the box's edges stay sharp.
  QImage shown = preview.Shown().Image();
  ASSERT_EQ(shown.size(), QSize(420, 400));
  for (int x = 370; x < 395; ++x) {
    QRgb pixel = shown.pixel(x, 200);
    EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x;
  }
  EXPECT_EQ(shown.pixel(380, 200), qRgb(0, 0, 0));  // the box ends at 50 mm: 381.8 pixels
  EXPECT_EQ(shown.pixel(383, 200), qRgb(255, 255, 255));
  press("ZoomReset");
  EXPECT_EQ(preview.DisplaySize(), QSize(220, 200));
  press("ZoomSmaller");
  EXPECT_EQ(preview.DisplaySize(), QSize(120, 100));
  press("ZoomSmaller", 3);  // would leave no height: refused
  EXPECT_EQ(preview.DisplaySize(), QSize(120, 100));
  press("ZoomLarger", 200);
  EXPECT_LE(preview.DisplaySize().width(), TPrinterPreview::kMaxDisplay);
  EXPECT_EQ(preview.DisplaySize().width() - preview.DisplaySize().height(), 20);
  EXPECT_EQ(QSize(preview.Shown().Width(), preview.Shown().Height()), preview.DisplaySize());

  preview.findChild<QScrollBar*>("VerticalBar")->setValue(30);
  preview.findChild<QScrollBar*>("HorizontalBar")->setValue(4);
  EXPECT_EQ(preview.PictureOffset(), QPoint(6, -20));
}

TEST_F(PrintCommandsTest, PreviewCopiesAtFourPixelsPerMillimetreAndSavesAtTheChosenResolution) {
  Click("PreviewButton");
  ASSERT_EQ(Previews().size(), 1u);
  TPrinterPreview& preview = *Previews()[0];
  preview.findChild<QPushButton*>("ZoomLarger")->click();
  preview.findChild<QPushButton*>("CopyToClipboard")->click();
  EXPECT_EQ(clipboard_.Copies, std::vector<QSize>{QSize(200, 160)});

  auto save = [&](const char* resolution) { preview.findChild<QAction*>(resolution)->trigger(); };
  dialogs_.AnswerCancel();
  save("SaveAt4PerMm");
  EXPECT_TRUE(QDir(QString::fromStdString(dir_.Path(""))).entryList(QDir::Files).filter("etikett").isEmpty());

  // A name without ".bmp" gets it; a name with it keeps it.
  const struct {
    const char* Resolution;
    const char* Name;
    const char* Written;
    QSize Size;
  } cases[] = {{"SaveAt4PerMm", "etikett", "etikett.bmp", {200, 160}},
               {"SaveAt300Dpi", "etikett300.BMP", "etikett300.BMP", {591, 472}},
               {"SaveAt600Dpi", "etikett600", "etikett600.bmp", {1181, 945}}};
  for (const auto& c : cases) {
    dialogs_.AnswerFile(dir_.Path(c.Name));
    save(c.Resolution);
    EXPECT_EQ(dialogs_.Questions().back().Options.Filter, "Bitmap (*.bmp)|*.bmp");
    EXPECT_EQ(QImage(QString::fromStdString(dir_.Path(c.Written)), "BMP").size(), c.Size) << c.Written;
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir_.Path("etikett"))));
  EXPECT_TRUE(NewMessages().empty());
}

TEST_F(PrintCommandsTest, FindingsAreListedAndTheJobWaitsForYes) {
  TLabelObject& ean = form_->Document().Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
  ean.Width = 400, ean.Height = 200;
  ean.Barcode().SetBarCode("40063A133393");
  dialogs_.AnswerNo();
  Click("PrintButton");
  EXPECT_EQ(printer_.JobsBegun, 0);
  const std::string& question = dialogs_.Questions().back().Text;
  EXPECT_EQ(dialogs_.Questions().back().Kind, TScriptedDialogs::TKind::YesNoDefaultNo);
  EXPECT_NE(question.find(ean.Name + ": Das Zeichen 'A' an Stelle 6"), std::string::npos) << question;
  EXPECT_TRUE(question.ends_with("Trotzdem drucken?")) << question;
  EXPECT_TRUE(NewMessages().empty());

  dialogs_.AnswerYes();
  Click("PrintButton");
  EXPECT_EQ(printer_.JobsBegun, 1);
}

// 200 lines of one copy each on sheets of 2 x 2 labels: 50 sheets.
TEST_F(PrintCommandsTest, AbbrechenInTheProgressEndsASeriesAfterTheSheetAndSaysWhatWasPrinted) {
  std::string lines;
  for (int line = 1; line <= 200; ++line) lines += "Zeile " + std::to_string(line) + "\n";
  std::string file = dir_.Path("serie.csv");
  WriteFile(file, lines);
  SetField("SeriesFile", file.c_str());
  int cancelledAt = -1;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* progress = form_->findChild<QProgressDialog*>("PrintProgress");
    if (!progress || progress->wasCanceled()) return;
    EXPECT_EQ(progress->maximum(), 50);
    cancelledAt = progress->value();
    progress->findChild<QPushButton*>()->click();
  });
  watch.start(0);
  Click("PrintSeriesButton");
  watch.stop();
  EXPECT_EQ(cancelledAt, 1);
  EXPECT_EQ(printer_.Pages.size(), 1u);
  EXPECT_FALSE(printer_.Printing());
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Der Druck wurde abgebrochen. Gedruckt wurden 4 Etiketten."});
}

TEST_F(PrintCommandsTest, PreviewOpensBesideTheDesignerShowingTheWholeLabel) {
  QRect screen = form_->screen()->availableGeometry();
  // Room for a preview of 80 % of the screen beside it.
  form_->setGeometry(screen.left(), screen.top(), screen.width() / 6, screen.height() / 2);
  for (const char* width : {"55", "800"}) {
    SetField("LabelWidth", width);
    Click("PreviewButton");
    TPrinterPreview& preview = *Previews().back();
    EXPECT_GT(preview.x(), form_->geometry().right()) << width;
    EXPECT_LE(preview.width(), screen.width() * 0.8 + 1) << width;
    EXPECT_LE(preview.DisplaySize().width() + 60, preview.width()) << width;  // the whole label in the window
    EXPECT_LE(preview.DisplaySize().height() + 100, preview.height()) << width;
  }
}

TEST_F(PrintCommandsTest, WithoutAPrinterPdfDateiIsChosenAndWritesThePdf) {
  test::TBitmapPrinter none{300, 300, 25};
  none.Names.clear();
  TForm2 form(TDesignerServices{dialogs_, none, clipboard_, launcher_});
  EXPECT_EQ(form.Document().PrinterName, "PDF-Datei");
  std::string pdf = dir_.Path("etiketten.pdf");
  dialogs_.AnswerFile(pdf);
  form.TopBar().PrintButton().click();
  EXPECT_EQ(none.JobsBegun, 0);
  // The file is asked for in place of the print dialog (the empty printable size is reported after).
  EXPECT_EQ(dialogs_.Questions().front().Kind, TScriptedDialogs::TKind::SaveFile);
  EXPECT_GT(QFileInfo(QString::fromStdString(pdf)).size(), 0);
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QImage>

#include "LabelFileSupport.h"
#include "RecordingSurface.h"
#include "document/Placeholders.h"
#include "platform/ImageControl.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::Add;
using test::CrLf;
using test::kDefaultHeader;
using test::LoadMessage;
using test::ReadFile;
using test::WriteFile;

class LabelFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }

  // The bytes save_label writes for the document.
  std::string Saved(TLabelDocument& document) {
    std::string path = Path("saved.lab");
    save_label(document, path);
    return ReadFile(path);
  }

  // A document read from the given file text.
  std::unique_ptr<TLabelDocument> Loaded(const std::string& text, std::string* message = nullptr) {
    std::string path = Path("loaded.lab");
    WriteFile(path, text);
    auto document = std::make_unique<TLabelDocument>();
    std::string error = LoadMessage(*document, path);
    if (message)
      *message = error;
    else
      EXPECT_EQ(error, "");
    return document;
  }

  test::TTempDir dir_;
};

TEST_F(LabelFileTest, BoxLineAndHeaderAreWrittenFieldByField) {
  TLabelDocument document;
  TLabelObject& box = Add(document, TObjectKind::okBox);
  box.Left = box.Top = 100;
  box.Width = 200;
  box.Height = 150;
  EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, "1;1;0;100;100;200;150;1;000000;FFFFFF;"}));
}

TEST_F(LabelFileTest, HeaderHoldsTheSettingsAsTyped) {
  TLabelDocument document;
  document.Layout = {"48,5", "16,9", "195", "288", "4", "16", "0", "0,5", "6,2", "2,5"};
  document.PrinterName = "Kyocera FS-1020";
  document.Landscape = true;
  document.SeriesFileName = "/home/etiketten/serie.csv";
  EXPECT_EQ(Saved(document),
            CrLf({"48,5;16,9;195;288;4;16;0;0,5;6,2;2,5;Kyocera FS-1020;1;/home/etiketten/serie.csv;"}));
  std::unique_ptr<TLabelDocument> loaded = Loaded(Saved(document));
  EXPECT_EQ(loaded->Layout, document.Layout);
  EXPECT_EQ(loaded->PrinterName, document.PrinterName);
  EXPECT_TRUE(loaded->Landscape);
  EXPECT_EQ(loaded->SeriesFileName, document.SeriesFileName);
}

TEST_F(LabelFileTest, TextStyleFieldsAreBoldItalicUnderline) {
  TLabelDocument document;
  TLabelObject& text = Add(document, TObjectKind::okText);
  text.Bold = text.Underline = true;
  text.FontColor = clRed;
  text.BackColor = RGB(0xF0, 0xF0, 0x10);
  EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, "4;1;0;0;0;Text;Arial;8;1;0;1;FF0000;F0F010;"}));
}

TEST_F(LabelFileTest, VerticalTextAndPictureLines) {
  TLabelDocument document;
  TLabelObject& vertical = Add(document, TObjectKind::okVerticalText);
  vertical.Italic = true;
  vertical.UpdateElement(1.0);
  TLabelObject& picture = Add(document, TObjectKind::okPicture);
  picture.PictureFile = "bilder/logo.jpg";
  picture.Variable = 3;
  std::string expected = "7;1;0;10;10;32;" + std::to_string(vertical.Height) + ";senkrechter Text;Arial;8;0;1;0;000000;90;";
  EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, expected, "5;1;3;0;0;70;50;bilder/logo.jpg;"}));
}

TEST_F(LabelFileTest, HeaderOrientationIsPortraitOnlyForZero) {
  const std::pair<std::string, bool> kCases[] = {
      {"55;50;;;;;;;;;;0;;", false}, {"55;50;;;;;;;;;;1;;", true}, {"55;50;;;;;;;;;;;;", true},
      {"55;50;;;;;;;;;;x;;", true},  {"55;50;;;;;;;;;;", true},  {"55;50;", true},
  };
  for (const auto& [header, landscape] : kCases) EXPECT_EQ(Loaded(CrLf({header}))->Landscape, landscape) << header;
}

TEST_F(LabelFileTest, LinesWithoutAKindCodeUseNoSlot) {
  std::unique_ptr<TLabelDocument> document = Loaded(CrLf({
      kDefaultHeader,
      "9;1;0;10;10;100;50;1;000000;FFFFFF;",
      ";1;0;10;10;100;50;1;000000;FFFFFF;",
      "01;1;0;10;10;100;50;1;000000;FFFFFF;",
      "",
      "2;5;0;10;10;100;1;1;000000;FFFFFF;",
  }));
  EXPECT_EQ(document->ObjectCount(), 1);
  EXPECT_EQ(document->Object(1).Kind(), TObjectKind::okHLine);
  EXPECT_EQ(document->Object(1).Name, "linh01");
  EXPECT_EQ(document->Object(1).Number, 5);
}

TEST_F(LabelFileTest, NamesCountFromOneWhileNumbersComeFromTheFile) {
  std::string file = CrLf({kDefaultHeader, "1;7;0;10;10;100;50;1;000000;FFFFFF;", "1;3;2;20;20;100;50;1;000000;FFFFFF;"});
  std::unique_ptr<TLabelDocument> document = Loaded(file);
  EXPECT_EQ(document->Object(1).Name, "box01");
  EXPECT_EQ(document->Object(2).Name, "box02");
  EXPECT_EQ(document->Object(2).Variable, 2);
  EXPECT_EQ(Saved(*document), file);
}

TEST_F(LabelFileTest, DeletedObjectsAreLeftOutAndSlotsRenumbered) {
  TLabelDocument document;
  for (int i = 0; i < 3; ++i) Add(document, TObjectKind::okBox).Left = 10 * i;
  document.Object(2).Deleted = true;
  std::string saved = Saved(document);
  EXPECT_EQ(saved, CrLf({kDefaultHeader, "1;1;0;0;10;100;50;1;000000;FFFFFF;", "1;3;0;20;10;100;50;1;000000;FFFFFF;"}));
  std::unique_ptr<TLabelDocument> reloaded = Loaded(saved);
  EXPECT_EQ(reloaded->ObjectCount(), 2);
  EXPECT_EQ(reloaded->ObjectListNames(), (std::vector<std::string>{"box01", "box02"}));
  EXPECT_EQ(reloaded->Object(2).Number, 3);
  EXPECT_EQ(reloaded->Object(2).Left, 20);
}

TEST_F(LabelFileTest, EveryKindComesBackFieldForField) {
  std::string bitmapPath = Path("blau.bmp");
  QImage blue(8, 4, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(QString::fromStdString(bitmapPath), "BMP"));

  TLabelDocument document;
  TLabelObject& box = Add(document, TObjectKind::okBox);
  box.Left = -5;
  box.Top = 7;
  box.Width = 300;
  box.Height = 200;
  box.PenWidth = 3;
  box.PenColor = RGB(1, 2, 3);
  box.BrushColor = RGB(250, 251, 252);
  TLabelObject& hline = Add(document, TObjectKind::okHLine);
  hline.PenWidth = hline.Height = 5;
  hline.BrushColor = clRed;  // carried though not shown
  TLabelObject& vline = Add(document, TObjectKind::okVLine);
  vline.Variable = 2;
  TLabelObject& text = Add(document, TObjectKind::okText);
  text.Text = std::string("Größe: 5 € – ok");
  text.FontName = "Times New Roman";
  text.FontSize = 14;
  text.Italic = true;
  text.FontColor = clBlue;
  text.BackColor = clLime;
  text.Variable = 1;
  TLabelObject& picture = Add(document, TObjectKind::okPicture);
  picture.PictureFile = bitmapPath;
  picture.Width = 123;
  TLabelObject& vertical = Add(document, TObjectKind::okVerticalText);
  vertical.Text = "Hochkant";
  vertical.FontName = "Courier New";
  vertical.FontSize = 12;
  vertical.Bold = vertical.Underline = true;
  vertical.Angle = 270;
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) document.Object(slot).UpdateElement(1.0);

  std::string saved = Saved(document);
  std::unique_ptr<TLabelDocument> loaded = Loaded(saved);
  ASSERT_EQ(loaded->ObjectCount(), document.ObjectCount());
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& a = document.Object(slot);
    const TLabelObject& b = loaded->Object(slot);
    SCOPED_TRACE(a.Name);
    EXPECT_EQ(b.Kind(), a.Kind());
    EXPECT_EQ(b.Name, a.Name);
    EXPECT_EQ(b.Variable, a.Variable);
    EXPECT_EQ(std::tie(b.Left, b.Top, b.Width, b.Height), std::tie(a.Left, a.Top, a.Width, a.Height));
    EXPECT_EQ(std::tie(b.PenWidth, b.PenColor, b.BrushColor), std::tie(a.PenWidth, a.PenColor, a.BrushColor));
    EXPECT_EQ(std::tie(b.Text, b.FontName, b.FontSize), std::tie(a.Text, a.FontName, a.FontSize));
    EXPECT_EQ(std::tie(b.Bold, b.Italic, b.Underline), std::tie(a.Bold, a.Italic, a.Underline));
    EXPECT_EQ(b.FontColor, a.FontColor);
    EXPECT_EQ(b.PictureFile, a.PictureFile);
    if (a.Kind() == TObjectKind::okText) {
      EXPECT_EQ(b.BackColor, a.BackColor);
    }
    if (a.Kind() == TObjectKind::okVerticalText) {
      EXPECT_EQ(b.Angle, a.Angle);
    }
    EXPECT_EQ(b.Element().BoundsRect(), a.Element().BoundsRect());
  }
  EXPECT_EQ(loaded->Object(5).Image().Picture().Image().pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_EQ(Saved(*loaded), saved);
  EXPECT_FALSE(loaded->Modified);
  EXPECT_TRUE(loaded->HasLoadedFile);
  EXPECT_EQ(loaded->LoadedFileName, Path("loaded.lab"));
}

TEST_F(LabelFileTest, APictureThatIsMissingKeepsItsPathAndThePlaceholder) {
  std::string file = CrLf({kDefaultHeader, "5;1;0;10;20;70;50;/gibt/es/nicht.jpg;"});
  std::unique_ptr<TLabelDocument> document = Loaded(file);
  EXPECT_EQ(document->Object(1).PictureFile, "/gibt/es/nicht.jpg");
  EXPECT_EQ(document->Object(1).Image().Picture().Image(), PicturePlaceholder().Image());
  EXPECT_EQ(Saved(*document), file);
}

TEST_F(LabelFileTest, APictureThatCannotBeDecodedStopsTheReadingAndNamesItsLine) {
  std::string broken = Path("kaputt.bmp");
  WriteFile(broken, "BM nicht wirklich ein Bild");
  std::string message;
  std::unique_ptr<TLabelDocument> document = Loaded(
      CrLf({kDefaultHeader, "1;1;0;10;10;100;50;1;000000;FFFFFF;", "5;1;0;0;0;70;50;" + broken + ";",
            "1;2;0;10;10;100;50;1;000000;FFFFFF;"}),
      &message);
  EXPECT_EQ(message.rfind("Die Etikettendatei " + Path("loaded.lab") + ", Zeile 3, Feld \"Bilddatei\": ", 0), 0u)
      << message;
  EXPECT_NE(message.find("kaputt.bmp"), std::string::npos) << message;
  EXPECT_EQ(document->ObjectCount(), 0);
  EXPECT_FALSE(document->HasLoadedFile);
}

TEST_F(LabelFileTest, ASemicolonInsideATextShiftsTheFieldsAndStopsTheReading) {
  std::string message;
  std::unique_ptr<TLabelDocument> document = Loaded(
      CrLf({"70;40;;;;;;;;;;0;;", "1;1;0;10;10;100;50;1;000000;FFFFFF;", "4;1;0;0;0;Preis;5 EUR;Arial;8;0;0;0;000000;FFFFFF;"}),
      &message);
  EXPECT_EQ(message, "Die Etikettendatei " + Path("loaded.lab") +
                         ", Zeile 3, Feld \"Schriftgröß" "e\": 'Arial' ist kein gültiger Integerwert");
  EXPECT_EQ(document->ObjectCount(), 0);
  EXPECT_EQ(document->Layout.LabelWidth, "55");
  EXPECT_FALSE(document->HasLoadedFile);
}

// Whatever goes wrong, the document keeps its label, its settings and its file state,
// and a save afterwards writes what it wrote before.
TEST_F(LabelFileTest, AFailedLoadChangesNothingAtAll) {
  const std::pair<const char*, std::string> kBroken[] = {
      {"a number", CrLf({"70;40;;;;;;;;;;0;;", "1;1;0;10;10;100;50;1;000000;FFFFFF;", "1;1;0;x;0;1;1;1;0;0;"})},
      {"the label size", CrLf({"breit;40;;;;;;;;;;0;;", "1;1;0;10;10;100;50;1;000000;FFFFFF;"})},
      {"an empty file", ""},
      {"NUL bytes", std::string(300, '\0')},
  };
  for (const auto& [name, bytes] : kBroken) {
    SCOPED_TRACE(name);
    std::unique_ptr<TLabelDocument> document = Loaded(CrLf({"48,5;16,9;195;288;4;16;0;0,5;6,2;2,5;PDF;1;s.csv;",
                                                            "4;3;2;10;20;Preis;Arial;12;1;0;0;000000;FFFFFF;"}));
    document->QuantityColumn = "3";
    document->Object(1).Left = 77;
    document->Modified = true;
    std::string before = Saved(*document);
    document->Modified = true;
    std::string path = Path("kaputt.lab");
    WriteFile(path, bytes);
    EXPECT_NE(LoadMessage(*document, path).find(path), std::string::npos);
    EXPECT_TRUE(document->Modified);
    EXPECT_EQ(document->LoadedFileName, Path("loaded.lab"));
    EXPECT_EQ(document->QuantityColumn, "3");
    EXPECT_EQ(Saved(*document), before);
  }
}

TEST_F(LabelFileTest, MessagesQuoteTheFilesTextEscapedAndCutShort) {
  std::string nuls;
  for (int i = 0; i < 60; ++i) nuls += "\\x00";
  const std::pair<std::string, std::string> kCases[] = {
      {"garbage", "garbage"},
      {std::string(100, '\0'), nuls + "…"},
      {"a\tb\x81" + std::string(70, 'z'), "a\\x09b\\x81" + std::string(56, 'z') + "…"},
  };
  for (const auto& [width, quoted] : kCases) {
    std::string message;
    Loaded(CrLf({width + ";40;;;;;;;;;;0;;"}), &message);
    EXPECT_EQ(message, "Die Etikettendatei " + Path("loaded.lab") + ", Zeile 1, Feld \"Breite [mm]\": '" + quoted +
                           "' ist kein gültiger Gleitkommawert");
  }
}

TEST_F(LabelFileTest, MoreThanSixtyObjectsAreRefusedNamingTheLine) {
  std::string file = kDefaultHeader + "\r\n";
  for (int i = 1; i <= 61; ++i) file += "3;" + std::to_string(i) + ";0;" + std::to_string(i) + ";10;1;100;1;000000;FFFFFF;\r\n";
  std::string message;
  std::unique_ptr<TLabelDocument> document = Loaded(file, &message);
  EXPECT_EQ(document->ObjectCount(), 0);
  EXPECT_EQ(message, "Die Etikettendatei " + Path("loaded.lab") +
                         ", Zeile 62: mehr als 60 Objekte kann das Programm nicht aufnehmen.");
}

TEST_F(LabelFileTest, LineEndsAndEncodingsAreRecognisedWhileWritingStaysWindows1252) {
  const std::string kExpected = "Kölnisch Wasser €";
  const std::string kLine = "4;1;0;0;0;K\xC3\xB6lnisch Wasser \xE2\x82\xAC;Arial;8;0;0;0;000000;FFFFFF;";
  const std::pair<std::string, std::string> kFiles[] = {
      {"UTF-8, CR LF", kDefaultHeader + "\r\n" + kLine + "\r\n"},
      {"UTF-8, LF", kDefaultHeader + "\n" + kLine + "\n"},
      {"UTF-8 without end", kDefaultHeader + "\n" + kLine},
      {"byte-order mark", "\xEF\xBB\xBF" + kDefaultHeader + "\n" + kLine + "\n"},
      {"Windows-1252", kDefaultHeader + "\r\n" + Cp1252FromUtf8(kLine) + "\r\n"},
  };
  for (const auto& [name, file] : kFiles) {
    SCOPED_TRACE(name);
    std::unique_ptr<TLabelDocument> document = Loaded(file);
    ASSERT_EQ(document->ObjectCount(), 1);
    EXPECT_EQ(document->Object(1).Text, kExpected);
    EXPECT_EQ(Saved(*document), CrLf({kDefaultHeader, Cp1252FromUtf8(kLine)}));
  }
}

TEST_F(LabelFileTest, TextsBeyondWindows1252AreWrittenAsUtf8AndComeBack) {
  const std::string kLine = "4;1;0;0;0;Łódź İstanbul Ελλάδα Dvořák 你好;Arial;8;0;0;0;000000;FFFFFF;";
  std::unique_ptr<TLabelDocument> document = Loaded(kDefaultHeader + "\r\n" + kLine + "\r\n");
  std::string saved = Saved(*document);
  EXPECT_EQ(saved, std::string(kUtf8ByteOrderMark) + CrLf({kDefaultHeader, kLine}));
  EXPECT_EQ(Saved(*Loaded(saved)), saved);
}

TEST_F(LabelFileTest, FieldsSplitAtMostThirtyOneTimes) {
  using Fields = std::vector<std::string_view>;
  EXPECT_EQ(SplitFields("a;b;"), (Fields{"a", "b"}));
  EXPECT_EQ(SplitFields("a;b"), (Fields{"a", "b"}));
  EXPECT_EQ(SplitFields(";;"), (Fields{"", ""}));
  EXPECT_EQ(SplitFields(""), Fields{});
  std::string many;
  for (int i = 1; i <= 40; ++i) many += std::to_string(i) + ";";
  Fields fields = SplitFields(many);
  ASSERT_EQ(fields.size(), 32u);
  EXPECT_EQ(fields[30], "31");
  EXPECT_EQ(fields[31], "32;33;34;35;36;37;38;39;40;");
}

TEST_F(LabelFileTest, ValuesThatWouldSplitTheirLineAreRefusedAndNothingIsWritten) {
  struct TCase {
    const char* Name;
    std::function<void(TLabelDocument&)> Spoil;
    const char* Message;
  };
  const TCase kCases[] = {
      {"text", [](TLabelDocument& d) { Add(d, TObjectKind::okText).Text = "a;b"; }, "Das Feld \"Text\" von text01"},
      {"font", [](TLabelDocument& d) { Add(d, TObjectKind::okText).FontName = "Ari\nal"; }, "Das Feld \"Schriftart\" von text01"},
      {"vertical", [](TLabelDocument& d) { Add(d, TObjectKind::okVerticalText).Text = "a\r"; }, "Das Feld \"Text\" von stext01"},
      {"picture", [](TLabelDocument& d) { Add(d, TObjectKind::okPicture).PictureFile = "a;b.jpg"; }, "Das Feld \"Bilddatei\" von bild01"},
      {"series", [](TLabelDocument& d) { d.SeriesFileName = "x;y.csv"; }, "Das Feld \"Seriendatei\""},
      {"printer", [](TLabelDocument& d) { d.PrinterName = "HP;1"; }, "Das Feld \"Drucker wählen\""},
      {"width", [](TLabelDocument& d) { d.Layout.LabelWidth = "5;5"; }, "Das Feld \"Breite [mm]\""},
  };
  for (const TCase& c : kCases) {
    SCOPED_TRACE(c.Name);
    std::string path = Path(std::string(c.Name) + ".lab");
    WriteFile(path, "vorher");
    TLabelDocument document;
    c.Spoil(document);
    document.Modified = true;
    try {
      save_label(document, path);
      ADD_FAILURE() << "saved";
    } catch (const EUserError& error) {
      EXPECT_NE(std::string(error.what()).find(c.Message), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find("nicht gespeichert"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(path), "vorher");
    EXPECT_TRUE(document.Modified);
    EXPECT_FALSE(document.HasSavedFile);
  }
}

TEST_F(LabelFileTest, AFileThatCannotBeWrittenKeepsTheChangesUnsaved) {
  TLabelDocument document;
  document.Modified = true;
  std::string path = Path("fehlt/etikett.lab");
  try {
    save_label(document, path);
    ADD_FAILURE() << "saved";
  } catch (const EUserError& error) {
    EXPECT_NE(std::string(error.what()).find("kann nicht geschrieben werden"), std::string::npos) << error.what();
  }
  EXPECT_TRUE(document.Modified);
  EXPECT_TRUE(document.HasSavedFile);
  EXPECT_EQ(document.SavedFileName, path);
}

TEST_F(LabelFileTest, SavingSetsTheSavedNameAndClearsModified) {
  TLabelDocument document;
  Add(document, TObjectKind::okBox);
  document.Modified = true;
  std::string path = Path("neu.lab");
  WriteFile(path, "alter Inhalt, viel länger als das neue Etikett, das ihn ersetzen wird ...........");
  save_label(document, path);
  EXPECT_TRUE(document.HasSavedFile);
  EXPECT_EQ(document.SavedFileName, path);
  EXPECT_FALSE(document.Modified);
  EXPECT_EQ(ReadFile(path), CrLf({kDefaultHeader, "1;1;0;10;10;100;50;1;000000;FFFFFF;"}));
}

}  // namespace
}  // namespace quorvel

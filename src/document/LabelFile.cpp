#include "document/LabelFile.h"

#include <functional>
#include <memory>

#include "barcode/Ean.h"
#include "document/ColorText.h"
#include "document/DesignSurface.h"
#include "document/LabelDocument.h"
#include "document/TextFile.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::size_t kMaxSeparators = 31;

// ---------------------------------------------------------------- writing

// One line of fields, each followed by ";".
class TLineWriter {
 public:
  TLineWriter& Text(std::string_view value) {
    line_ += value;
    line_ += ';';
    return *this;
  }
  TLineWriter& Int(int value) { return Text(std::to_string(value)); }
  TLineWriter& Bool(bool value) { return Text(value ? "1" : "0"); }
  TLineWriter& Color(TColor value) { return Text(set_farbe(value)); }
  std::string Line() const { return line_; }

 private:
  std::string line_;
};

bool Storable(std::string_view value) { return value.find_first_of(";\r\n") == std::string_view::npos; }

// Refuses a value that would split the line it is written to.
void RequireStorable(std::string_view value, std::string_view field, std::string_view objectName) {
  if (Storable(value)) return;
  std::string where = "Das Feld \"" + std::string(field) + "\"";
  if (!objectName.empty()) where += " von " + std::string(objectName);
  throw EUserError(Cp1252FromUtf8("Das Etikett wurde nicht gespeichert: ") + where +
                   Cp1252FromUtf8(" enthält \";\" oder einen Zeilenumbruch, die eine Etikettendatei nicht "
                                  "aufnehmen kann."));
}

void CheckHeaderStorable(const TLabelDocument& document) {
  const TSheetLayout& layout = document.Layout;
  const std::pair<const std::string*, const char*> kFields[] = {
      {&layout.LabelWidth, "Breite [mm]"},
      {&layout.LabelHeight, "Höhe [mm]"},
      {&layout.SheetWidth, "Blattbreite [mm]"},
      {&layout.SheetHeight, "Blatthöhe [mm]"},
      {&layout.Columns, "Anzahl Etiketten in einer Zeile nebeneinander:"},
      {&layout.Rows, "Anzahl Etiketten in einer Spalte untereinander:"},
      {&layout.RowGap, "Horizontaler Abstande zwischen zwei Etiketten:"},
      {&layout.ColumnGap, "Vertikaler Abstand zwischen zwei Etiketten:"},
      {&layout.TopMargin, "oberer Blattrand"},
      {&layout.LeftMargin, "linker Blattrand"},
      {&document.PrinterName, "Drucker wählen"},
      {&document.SeriesFileName, "Seriendatei"},
  };
  for (const auto& [value, caption] : kFields) RequireStorable(*value, Cp1252FromUtf8(caption), {});
}

void CheckObjectStorable(const TLabelObject& object) {
  auto require = [&](std::string_view value, const char* field) { RequireStorable(value, field, object.Name); };
  switch (object.Kind()) {
    case TObjectKind::okText:
    case TObjectKind::okVerticalText:
      require(object.Text, "Text");
      require(object.FontName, "Schriftart");
      break;
    case TObjectKind::okPicture:
      require(object.PictureFile, "Bilddatei");
      break;
    case TObjectKind::okBarcode:
      require(object.Barcode().BarCode(), "Text");
      break;
    case TObjectKind::okQrCode:
      require(object.QrText, "QR-Code");
      break;
    default:
      break;
  }
}

std::string HeaderLine(const TLabelDocument& document) {
  const TSheetLayout& layout = document.Layout;
  return TLineWriter()
      .Text(layout.LabelWidth)
      .Text(layout.LabelHeight)
      .Text(layout.SheetWidth)
      .Text(layout.SheetHeight)
      .Text(layout.Columns)
      .Text(layout.Rows)
      .Text(layout.RowGap)
      .Text(layout.ColumnGap)
      .Text(layout.TopMargin)
      .Text(layout.LeftMargin)
      .Text(document.PrinterName)
      .Bool(document.Landscape)
      .Text(document.SeriesFileName)
      .Line();
}

std::string ObjectLine(const TLabelObject& o) {
  TLineWriter line;
  line.Int(KindCode(o.Kind())).Int(o.Number).Int(o.Variable);
  switch (o.Kind()) {
    case TObjectKind::okBox:
    case TObjectKind::okHLine:
    case TObjectKind::okVLine:
      line.Int(o.Left).Int(o.Top).Int(o.Width).Int(o.Height).Int(o.PenWidth).Color(o.PenColor).Color(o.BrushColor);
      break;
    case TObjectKind::okText:
      line.Int(o.Left).Int(o.Top).Text(o.Text).Text(o.FontName).Int(o.FontSize);
      line.Bool(o.Bold).Bool(o.Italic).Bool(o.Underline).Color(o.FontColor).Color(o.BackColor);
      break;
    case TObjectKind::okPicture:
      line.Int(o.Left).Int(o.Top).Int(o.Width).Int(o.Height).Text(o.PictureFile);
      break;
    case TObjectKind::okBarcode: {
      const TEan& barcode = o.Barcode();
      line.Int(o.Left).Int(o.Top).Int(o.Width).Int(o.Height).Text(barcode.BarCode());
      line.Text(GetBarCodeInfo(barcode.TypBarCode()).DesignerName);
      line.Bool(barcode.AutoCheckDigit()).Bool(barcode.ShowLabels()).Bool(barcode.Angle() == 90);
      break;
    }
    case TObjectKind::okVerticalText:
      line.Int(o.Left).Int(o.Top).Int(o.Width).Int(o.Height).Text(o.Text).Text(o.FontName).Int(o.FontSize);
      line.Bool(o.Bold).Bool(o.Italic).Bool(o.Underline).Color(o.FontColor).Int(o.Angle);
      break;
    case TObjectKind::okQrCode:
      line.Int(o.Left).Int(o.Top).Int(o.Width).Int(o.Height).Text(o.QrText);
      break;
  }
  return line.Line();
}

// ---------------------------------------------------------------- reading

// The fields of one line, numbered from 1 as the format counts them. A field
// the line does not have reads as empty text.
class TFieldReader {
 public:
  explicit TFieldReader(std::string_view line) : fields_(SplitFields(line)) {}
  std::string Text(std::size_t n) const { return n <= fields_.size() ? std::string(fields_[n - 1]) : std::string(); }
  int Int(std::size_t n) const { return StrToInt(Text(n)); }
  bool Bool(std::size_t n) const { return Text(n) == "1"; }
  TColor Color(std::size_t n) const { return back_farbe(Text(n)); }

 private:
  std::vector<std::string_view> fields_;
};

void ReadHeader(TLabelDocument& document, const TFieldReader& f) {
  TSheetLayout& layout = document.Layout;
  layout.LabelWidth = f.Text(1);
  layout.LabelHeight = f.Text(2);
  document.SurfaceSize();  // a label size that is no number stops the reading here
  layout.SheetWidth = f.Text(3);
  layout.SheetHeight = f.Text(4);
  layout.Columns = f.Text(5);
  layout.Rows = f.Text(6);
  layout.RowGap = f.Text(7);
  layout.ColumnGap = f.Text(8);
  layout.TopMargin = f.Text(9);
  layout.LeftMargin = f.Text(10);
  document.PrinterName = f.Text(11);
  document.Landscape = f.Text(12) != "0";
  document.SeriesFileName = f.Text(13);
}

void ReadShape(TLabelObject& o, const TFieldReader& f) {
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Width = f.Int(6);
  o.Height = f.Int(7);
  o.PenWidth = f.Int(8);
  o.PenColor = f.Color(9);
  o.BrushColor = f.Color(10);
}

void ReadText(TLabelObject& o, const TFieldReader& f) {
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Text = f.Text(6);
  o.FontName = f.Text(7);
  o.FontSize = f.Int(8);
  o.Bold = f.Bool(9);
  o.Italic = f.Bool(10);
  o.Underline = f.Bool(11);
  o.FontColor = f.Color(12);
  o.BackColor = f.Color(13);
}

void ReadPicture(TLabelObject& o, const TFieldReader& f) {
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Width = f.Int(6);
  o.Height = f.Int(7);
  o.PictureFile = f.Text(8);
  o.LoadPictureFile();
}

// The symbology goes first: setting it replaces the value by its example.
void ReadBarcode(TLabelObject& o, const TFieldReader& f) {
  TEan& barcode = o.Barcode();
  if (auto symbology = BarCodeByDesignerName(f.Text(9))) barcode.SetTypBarCode(*symbology);
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Width = f.Int(6);
  o.Height = f.Int(7);
  barcode.SetBarCode(f.Text(8));
  barcode.SetAutoCheckDigit(f.Bool(10));
  barcode.SetShowLabels(f.Bool(11));
  barcode.SetAngle(f.Bool(12) ? 90 : 0);
}

// Fields 6 and 7 hold the size, which the text itself determines.
void ReadVerticalText(TLabelObject& o, const TFieldReader& f) {
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Text = f.Text(8);
  o.FontName = f.Text(9);
  o.FontSize = f.Int(10);
  o.Bold = f.Bool(11);
  o.Italic = f.Bool(12);
  o.Underline = f.Bool(13);
  o.FontColor = f.Color(14);
  o.Angle = f.Int(15);
}

// The symbol is drawn once the object has its slot (DrawQrSymbol).
void ReadQrCode(TLabelObject& o, const TFieldReader& f) {
  o.Left = f.Int(4);
  o.Top = f.Int(5);
  o.Width = f.Int(6);
  o.Height = f.Int(7);
  o.QrText = f.Text(8);
}

using TKindReader = void (*)(TLabelObject&, const TFieldReader&);

TKindReader ReaderFor(TObjectKind kind) {
  switch (kind) {
    case TObjectKind::okBox:
    case TObjectKind::okHLine:
    case TObjectKind::okVLine: return ReadShape;
    case TObjectKind::okText: return ReadText;
    case TObjectKind::okPicture: return ReadPicture;
    case TObjectKind::okBarcode: return ReadBarcode;
    case TObjectKind::okVerticalText: return ReadVerticalText;
    case TObjectKind::okQrCode: return ReadQrCode;
  }
  return nullptr;
}

// Builds the object of one line completely before it takes a slot, so that
// a line that stops the reading leaves no half-read object behind.
void ReadObjectLine(TLabelDocument& document, const TFieldReader& f, TObjectKind kind, const std::string& path) {
  if (document.Full())
    throw EUserError("Das Etikett " + path +
                     Cp1252FromUtf8(" enthält mehr Objekte, als das Programm aufnehmen kann; gelesen wurden nur die "
                                    "ersten ") +
                     std::to_string(TLabelDocument::kSlotCount) + ".");
  auto object = std::make_unique<TLabelObject>(kind);
  int number = f.Int(2);
  int variable = f.Int(3);
  ReaderFor(kind)(*object, f);
  TLabelObject& added = document.Append(std::move(object));
  added.Number = number;
  added.Variable = variable;
  if (kind == TObjectKind::okBox && document.Surface()) document.Surface()->SendToBack(added.Element());
  if (kind == TObjectKind::okQrCode) added.DrawQrSymbol();
}

void ReadLines(TLabelDocument& document, const std::string& path) {
  TTextLineReader reader(path, kLabelFileLimits);
  std::string line;
  while (reader.NextLine(line)) {
    TFieldReader fields(line);
    if (reader.LineNumber() == 1) {
      ReadHeader(document, fields);
    } else if (auto kind = KindFromCode(fields.Text(1))) {
      ReadObjectLine(document, fields, *kind, path);
    }
  }
}

}  // namespace

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (fields.size() < kMaxSeparators) {
    std::size_t separator = line.find(';');
    if (separator == std::string_view::npos) break;
    fields.push_back(line.substr(0, separator));
    line.remove_prefix(separator + 1);
  }
  if (!line.empty()) fields.push_back(line);
  return fields;
}

void save_label(TLabelDocument& document, const std::string& path) {
  CheckHeaderStorable(document);
  std::vector<std::string> lines{HeaderLine(document)};
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& object = document.Object(slot);
    if (object.Deleted) continue;
    CheckObjectStorable(object);
    lines.push_back(ObjectLine(object));
  }
  document.HasSavedFile = true;
  document.SavedFileName = path;
  WriteTextFile(path, lines);
  document.Modified = false;
}

void load_label(TLabelDocument& document, const std::string& path) {
  if (!FileExists(path)) throw EUserError(" Die Datei " + path + " existiert nicht");
  document.reset_label();
  document.HasLoadedFile = true;
  document.LoadedFileName = path;
  try {
    ReadLines(document, path);
  } catch (...) {
    document.HasLoadedFile = false;
    throw;
  }
}

}  // namespace quorvel

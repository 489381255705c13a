#include "document/LabelFile.h"

#include <algorithm>
#include <memory>

#include "document/ColorText.h"
#include "document/KindDescription.h"
#include "document/LabelDocument.h"
#include "document/TextFile.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::size_t kMaxSeparators = 31;
// The fields every object line begins with, before its kind's own.
constexpr std::size_t kCommonFields = 3;

const char* const kPrinterField = "Drucker wählen";
const char* const kSeriesField = "Seriendatei";

// ---------------------------------------------------------------- writing

std::string FileText(TFieldType type, const TFieldValue& value) {
  switch (type) {
    case TFieldType::ftInt:
    case TFieldType::ftMeasure: return std::to_string(std::get<int>(value));
    case TFieldType::ftBool: return std::get<bool>(value) ? "1" : "0";
    case TFieldType::ftColour: return set_farbe(std::get<TColor>(value));
    case TFieldType::ftText: return std::get<std::string>(value);
  }
  return {};
}

// One line of fields, each followed by ";".
class TLineWriter {
 public:
  TLineWriter& Text(std::string_view value) {
    line_ += value;
    line_ += ';';
    return *this;
  }
  std::string Line() const { return line_; }

 private:
  std::string line_;
};

// Refuses a value that would split the line it is written to.
void RequireStorable(std::string_view value, const char* field, std::string_view objectName) {
  if (value.find_first_of(";\r\n") == std::string_view::npos) return;
  std::string where = "Das Feld \"" + std::string(field) + "\"";
  if (!objectName.empty()) where += " von " + std::string(objectName);
  throw EUserError(std::string("Das Etikett wurde nicht gespeichert: ") + where +
                   " enthält \";\" oder einen Zeilenumbruch, die eine Etikettendatei nicht "
                                  "aufnehmen kann.");
}

// The settings page's measures, then printer, orientation and series file.
std::string HeaderLine(const TLabelDocument& document) {
  TLineWriter line;
  for (const TLayoutField& field : kLayoutFields) {
    RequireStorable(document.Layout.*field.Text, field.Caption, {});
    line.Text(document.Layout.*field.Text);
  }
  RequireStorable(document.PrinterName, kPrinterField, {});
  RequireStorable(document.SeriesFileName, kSeriesField, {});
  return line.Text(document.PrinterName).Text(document.Landscape ? "1" : "0").Text(document.SeriesFileName).Line();
}

std::string ObjectLine(const TLabelObject& object) {
  TLineWriter line;
  line.Text(std::to_string(KindCode(object.Kind())))
      .Text(std::to_string(object.Number))
      .Text(std::to_string(object.Variable));
  for (const TFieldDescription* field : FieldsWith(Describe(object.Kind()), fuWritten)) {
    std::string text = FileText(field->Type, field->Get(object));
    if (field->Type == TFieldType::ftText) RequireStorable(text, field->Name, object.Name);
    line.Text(text);
  }
  return line.Line();
}

// ---------------------------------------------------------------- reading

// Where in the file the reader stands, for its messages.
struct TFilePlace {
  const std::string& Path;
  std::size_t Line;
};

// One message names the file, the line, the field (its name as the kind's
// description or the settings page give it) and what is wrong.
[[noreturn]] void Fail(const TFilePlace& place, const char* field, const std::string& reason) {
  std::string where = std::string("Die Etikettendatei ") + place.Path + ", Zeile " + std::to_string(place.Line);
  if (field) where += ", Feld \"" + std::string(field) + "\"";
  throw EUserError(where + ": " + reason);
}

// Runs a read of the named field; its failure becomes the reader's message.
template <typename Read>
auto InField(const TFilePlace& place, const char* field, Read read) {
  try {
    return read();
  } catch (const EUserError& error) {
    Fail(place, field, error.what());
  }
}

TFieldValue ParseFileText(TFieldType type, const std::string& text) {
  switch (type) {
    case TFieldType::ftInt:
    case TFieldType::ftMeasure: return StrToInt(text);
    case TFieldType::ftBool: return text == "1";
    // A colour is read by byte position, so in the code page labels always
    // had: odd text in the field gives the colour it gave before.
    case TFieldType::ftColour: return back_farbe(Cp1252FromUtf8(text));
    case TFieldType::ftText: return text;
  }
  return {};
}

// The fields of one line, numbered from 1 as the format counts them. A field
// the line does not have reads as empty text.
class TFieldReader {
 public:
  explicit TFieldReader(std::string_view line) : fields_(SplitFields(line)) {}
  std::string Text(std::size_t n) const { return n <= fields_.size() ? std::string(fields_[n - 1]) : std::string(); }

 private:
  std::vector<std::string_view> fields_;
};

void ReadHeader(TLabelDocument& document, const TFieldReader& f, const TFilePlace& place) {
  std::size_t n = 1;
  for (const TLayoutField& field : kLayoutFields) document.Layout.*field.Text = f.Text(n++);
  // The label's size must be a number; the other measures are read where they are used.
  for (const TLayoutField& field : {kLayoutFields[0], kLayoutFields[1]})
    InField(place, field.Caption, [&] { return StrToFloat(document.Layout.*field.Text); });
  document.PrinterName = f.Text(n++);
  document.Landscape = f.Text(n++) != "0";
  document.SeriesFileName = f.Text(n);
}

// Every field of the line is read before the object takes any of them, and
// the leading ones are set first, as they may reset the others.
std::unique_ptr<TLabelObject> ReadObject(TObjectKind kind, const TFieldReader& f, const TFilePlace& place) {
  auto object = std::make_unique<TLabelObject>(kind);
  object->Number = InField(place, "Nummer", [&] { return StrToInt(f.Text(2)); });
  object->Variable = InField(place, "Variable", [&] { return StrToInt(f.Text(3)); });
  const TKindDescription& description = Describe(kind);
  std::vector<const TFieldDescription*> written = FieldsWith(description, fuWritten);
  std::vector<std::pair<const TFieldDescription*, TFieldValue>> values;
  for (std::size_t i = 0; i < written.size(); ++i) {
    const TFieldDescription* field = written[i];
    if (!(field->Use & fuRead)) continue;
    std::string text = f.Text(kCommonFields + 1 + i);
    values.emplace_back(field, InField(place, field->Name, [&] { return ParseFileText(field->Type, text); }));
  }
  std::stable_partition(values.begin(), values.end(), [](const auto& v) { return (v.first->Use & fuLeading) != 0; });
  for (const auto& [field, value] : values) field->Set(*object, value);
  try {
    object->LoadPictureFile();
  } catch (const EPictureError& error) {
    Fail(place, "Bilddatei", error.what());
  }
  return object;
}

void ReadLines(TLabelDocument& document, const std::string& path) {
  TTextLineReader reader(path, kLabelFileLimits);
  std::string line;
  while (reader.NextLine(line)) {
    TFilePlace place{path, static_cast<std::size_t>(reader.LineNumber())};
    TFieldReader fields(line);
    if (reader.LineNumber() == 1) {
      ReadHeader(document, fields, place);
      continue;
    }
    std::optional<TObjectKind> kind = KindFromCode(fields.Text(1));
    if (!kind) continue;  // not an object line
    if (document.Full())
      Fail(place, nullptr,
           std::string("mehr als ") + std::to_string(TLabelDocument::kSlotCount) +
               " Objekte kann das Programm nicht aufnehmen.");
    std::unique_ptr<TLabelObject> object = ReadObject(*kind, fields, place);
    int number = object->Number;
    document.Append(std::move(object)).Number = number;
  }
  if (reader.LineNumber() == 0) throw EUserError(std::string("Die Etikettendatei ") + path + " ist leer.");
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
  std::vector<std::string> lines{HeaderLine(document)};
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& object = document.Object(slot);
    if (!object.Deleted) lines.push_back(ObjectLine(object));
  }
  document.HasSavedFile = true;
  document.SavedFileName = path;
  WriteTextFile(path, lines);
  document.Modified = false;
}

void load_label(TLabelDocument& document, const std::string& path) {
  if (!FileExists(path)) throw EUserError(" Die Datei " + path + " existiert nicht");
  TLabelDocument loaded;
  ReadLines(loaded, path);
  document.TakeLoadedLabel(loaded);
  document.HasLoadedFile = true;
  document.LoadedFileName = path;
}

}  // namespace quorvel

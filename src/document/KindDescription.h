#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/ObjectKind.h"
#include "platform/Color.h"

namespace quorvel {

class TLabelObject;

// What an object kind has, described once: its fields in label-file order,
// which of them are property-grid rows, which paste copies, and what a
// series value replaces. The label file, the property grid, paste and
// series printing all work from these descriptions, so a new field is one
// more entry in its kind's list.

// How a field's value is written in a label file and shown in the grid.
enum class TFieldType {
  ftInt,      // decimal in both
  ftMeasure,  // decimal; the grid shows it at the zoom (positions, sizes, font sizes)
  ftBool,     // "1"/"0" in the file, "ja"/"nein" in the grid
  ftColour,   // colour text RRGGBB in both
  ftText,     // as it is; a file cannot hold ";" or a line break in it
};

// The picker a grid value cell offers when it is selected.
enum class TPicker { None, YesNo, Symbology, Colour, Font, PictureFile };

// A field's value: int for ftInt and ftMeasure, bool, TColor or std::string (UTF-8).
using TFieldValue = std::variant<int, bool, TColor, std::string>;

// Where a field takes part; combine them.
enum TFieldUse : unsigned {
  fuWritten = 1u << 0,  // a field of the object's label-file line, in the order of the list
  fuRead = 1u << 1,     // read back from the file (written only: derived from the others)
  fuRow = 1u << 2,      // a row of the property grid, in the order of the list
  fuCopied = 1u << 3,   // copied by paste
  fuLeading = 1u << 4,  // read and copied before the others, which setting it may reset
};
inline constexpr unsigned kStored = fuWritten | fuRead;

struct TFieldDescription {
  const char* Name;  // UTF-8: the grid row's caption, and what messages call the field
  TFieldType Type;
  unsigned Use;
  std::function<TFieldValue(const TLabelObject&)> Get;
  // Empty for a row that is shown and never read back.
  std::function<void(TLabelObject&, const TFieldValue&)> Set;
  TPicker Picker = TPicker::None;
  // The grid applies this row right after the named one, where that order differs from the rows'.
  const char* AppliedAfter = nullptr;
};

// Where a pasted copy goes, relative to its source (design units).
struct TPasteOffset {
  int Left;
  int Top;
};

// Position and size of a new object, in design units; texts and vertical
// texts take their size from their text (0 here).
struct TKindDefaults {
  int Left;
  int Top;
  int Width;
  int Height;
};

// A series value given to an object: what it replaces.
using TSeriesValue = void (*)(TLabelObject& object, const std::string& value);
// The design surface shows an object's series value once a run has ended,
// so that a run does not redraw the surface line by line.
using TSeriesShown = void (*)(TLabelObject& object, double zoom);

struct TKindDescription {
  TObjectKind Kind;
  // After the three fields every line begins with: kind code, number, variable.
  std::vector<TFieldDescription> Fields;
  TKindDefaults Defaults;
  // Paste makes a copy of the kind; the copy stands beside its source by the
  // offset, or without one where a new object of the kind goes.
  bool Pasted = false;
  std::optional<TPasteOffset> PasteOffset;
  // An object read from a file goes behind all others on the design surface.
  bool LoadedAtBack = false;
  // The field the quick text field "Text:" shows and edits; none: it keeps its text.
  const char* QuickTextField = nullptr;
  // The quick text field points to the grid instead (a text it cannot edit).
  bool QuickTextPointsToGrid = false;
  // What value k of a series line does to an object whose Variable is k; null: nothing.
  TSeriesValue SeriesValue = nullptr;
  // How the design surface catches up after a run; null: it shows the value already.
  TSeriesShown SeriesShown = nullptr;
};

const TKindDescription& Describe(TObjectKind kind);

// The field of the description with that name; std::logic_error when there is none.
const TFieldDescription& FieldNamed(const TKindDescription& kind, std::string_view name);

// The fields with all the uses given, in the order of the list; leading ones
// first where the order asks for it (reading and copying).
std::vector<const TFieldDescription*> FieldsWith(const TKindDescription& kind, unsigned use,
                                                 bool leadingFirst = false);

// Sets the fields paste copies from one object of the kind into another.
void CopyFields(const TLabelObject& from, TLabelObject& to);

}  // namespace quorvel

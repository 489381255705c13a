#pragma once

#include <optional>
#include <string>
#include <vector>

#include "print/LabelRenderer.h"
#include "print/SeriesFile.h"

namespace quorvel {

class TLabelDocument;
class TLabelObject;

// Why a barcode or QR Code would not print as designed.
enum class TFindingKind {
  fkInvalidValue,  // the value breaks the symbology's rules: nothing prints
  fkBoxTooSmall,   // fewer device pixels than modules
  fkTextTooLong,   // more than the symbol can hold: nothing prints
  fkThinModules,   // a module under two device pixels: it prints, but may not scan
};

// A width and height in millimetres.
struct TSizeMm {
  double Width = 0;
  double Height = 0;
  bool operator==(const TSizeMm&) const = default;
};

struct TPrintFinding {
  std::string ObjectName;
  int SeriesLine = 0;  // the series line that gave the value; 0: the label's own value
  TFindingKind Kind = TFindingKind::fkInvalidValue;
  std::string Reason;  // in the program's words
  // The smallest box in which the symbol prints with at least two device
  // pixels per module; none when no box helps.
  std::optional<TSizeMm> SmallestBox;

  // Thin modules still print; everything else prints nothing or garbage.
  bool Blocks() const { return Kind != TFindingKind::fkThinModules; }
};

// What a job's check found, in the order the job prints, and how many
// labels the job places.
struct TPrintCheck {
  // The findings kept; a series where every line is bad keeps only the
  // first kMaxKept, and Omitted counts the rest.
  static constexpr int kMaxKept = 1000;
  std::vector<TPrintFinding> Findings;
  int Omitted = 0;
  long long Labels = 0;

  void Add(TPrintFinding finding);
  bool Empty() const { return Findings.empty(); }
  // Whether any finding, kept or omitted, leaves a symbol unprinted.
  bool Blocking() const { return blocking_; }

 private:
  bool blocking_ = false;
};

// A barcode or QR Code object printing `value` at the job's scale (device
// pixels per millimetre); nothing for other kinds, deleted objects and
// empty barcode values, which print nothing by design. A barcode's value
// is taken as setting it would store it (check digit completed).
std::optional<TPrintFinding> CheckSymbol(const TLabelObject& object, const std::string& value, TScale scale);
// The same with the object's own value.
std::optional<TPrintFinding> CheckSymbol(const TLabelObject& object, TScale scale);

// The label as it stands, printed `labels` times ("Drucken", copies).
TPrintCheck CheckLabel(const TLabelDocument& document, TScale scale, long long labels);

// A series over the lines of a file: every value each symbol prints, in
// one pass with flat memory. A value is checked where it first prints, so
// the label's own value counts only when a printed line leaves it in place.
TPrintCheck CheckSeries(const TLabelDocument& document, TScale scale, const TSeriesRange& range,
                        const TLineSource& nextLine);

// One finding as a line of a message: "ean01, Zeile 17: reason (kleinstes
// Feld: 30,2 × 10,0 mm)".
std::string FindingText(const TPrintFinding& finding);

// Up to `shown` findings, one per line, then how many more there are.
std::string FindingsText(const TPrintCheck& check, int shown);

}  // namespace quorvel

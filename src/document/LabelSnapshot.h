#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/KindDescription.h"
#include "document/ObjectKind.h"
#include "document/SheetLayout.h"

namespace quorvel {

class TLabelDocument;

// The label as it stands: every used slot, deleted or not, with its kind,
// name, number, variable and the fields its label-file line holds; the kind
// counters; the measures, printer, orientation and series file of the
// header. Two equal snapshots save to the same bytes.
class TLabelSnapshot {
 public:
  explicit TLabelSnapshot(const TLabelDocument& document);

  // Puts the document's label back as it was taken, so that it saves to the
  // same bytes. Objects of the same kind in the same slot are kept and take
  // the values (a picture is read again only when its path differs); the
  // others are made anew. The selection, the zoom and the files stay.
  void Restore(TLabelDocument& document) const;

  bool operator==(const TLabelSnapshot&) const = default;

 private:
  struct TSlot {
    TObjectKind Kind;
    std::string Name;
    int Number;
    int Variable;
    bool Deleted;
    std::vector<TFieldValue> Fields;  // in the order of StoredFields
    bool operator==(const TSlot&) const = default;
  };

  static void RestoreSlot(TLabelDocument& document, int slot, const TSlot& kept);

  std::vector<TSlot> slots_;
  std::array<int, kObjectKindCount> counters_{};
  TSheetLayout layout_;
  std::string printerName_;
  bool landscape_ = false;
  std::string seriesFileName_;
};

}  // namespace quorvel

#include "document/LabelSnapshot.h"

#include "document/LabelDocument.h"
#include "document/LabelObject.h"

namespace quorvel {
namespace {

// The fields a snapshot keeps.
std::vector<const TFieldDescription*> StoredFields(TObjectKind kind) {
  return FieldsWith(Describe(kind), kStored);
}

}  // namespace

TLabelSnapshot::TLabelSnapshot(const TLabelDocument& document)
    : counters_(document.KindCounters),
      layout_(document.Layout),
      printerName_(document.PrinterName),
      landscape_(document.Landscape),
      seriesFileName_(document.SeriesFileName) {
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& object = document.Object(slot);
    TSlot kept{object.Kind(), object.Name, object.Number, object.Variable, object.Deleted, {}};
    for (const TFieldDescription* field : StoredFields(object.Kind())) kept.Fields.push_back(field->Get(object));
    slots_.push_back(std::move(kept));
  }
}

}  // namespace quorvel

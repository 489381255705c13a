#include "document/LabelSnapshot.h"

#include <memory>

#include "document/LabelDocument.h"
#include "document/LabelObject.h"
#include "platform/Control.h"
#include "platform/Errors.h"

namespace quorvel {
namespace {

// The fields a snapshot keeps, leading ones first, as they may reset the others.
std::vector<const TFieldDescription*> StoredFields(TObjectKind kind) {
  return FieldsWith(Describe(kind), kStored, /*leadingFirst=*/true);
}

// Shows the picture of the object's path as reading a label does: a file
// missing, or gone bad since, shows the placeholder; the path stays.
void ShowPictureOf(TLabelObject& object) {
  std::string path = object.PictureFile;
  object.ChangePictureFile({});
  object.PictureFile = path;
  try {
    object.LoadPictureFile();
  } catch (const EPictureError&) {
  }
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

void TLabelSnapshot::Restore(TLabelDocument& document) const {
  document.KeepSlots(static_cast<int>(slots_.size()));
  for (int slot = 1; slot <= static_cast<int>(slots_.size()); ++slot) RestoreSlot(document, slot, slots_[slot - 1]);
  document.KindCounters = counters_;
  document.Layout = layout_;
  document.PrinterName = printerName_;
  document.Landscape = landscape_;
  document.SeriesFileName = seriesFileName_;
}

void TLabelSnapshot::RestoreSlot(TLabelDocument& document, int slot, const TSlot& kept) {
  bool reused = slot <= document.ObjectCount() && document.Object(slot).Kind() == kept.Kind;
  TLabelObject& object =
      reused ? document.Object(slot) : document.PutBack(slot, std::make_unique<TLabelObject>(kept.Kind));
  std::string shownPicture = reused ? object.PictureFile : std::string();
  std::vector<const TFieldDescription*> fields = StoredFields(kept.Kind);
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->Set(object, kept.Fields[i]);
  object.Name = kept.Name;
  object.Number = kept.Number;
  object.Variable = kept.Variable;
  object.Deleted = kept.Deleted;
  if (kept.Kind == TObjectKind::okPicture && object.PictureFile != shownPicture) ShowPictureOf(object);
  object.UpdateElement(document.Zoom);
  object.Element().SetVisible(!kept.Deleted);
}

}  // namespace quorvel

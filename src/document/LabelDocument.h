#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/LabelObject.h"
#include "document/ObjectKind.h"
#include "document/SheetLayout.h"

namespace quorvel {

class IDesignSurface;

// Size of the design surface at 100 %, in design units (pixels at 100 %).
struct TSurfaceSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TSurfaceSize&) const = default;
};

// The one label being designed: measures, printer, series settings and a
// fixed table of 60 object slots. Slots are numbered 1..60; slots
// 1..ObjectCount() are in use, live or deleted.
class TLabelDocument {
 public:
  static constexpr int kSlotCount = 60;

  TLabelDocument();
  ~TLabelDocument();
  TLabelDocument(const TLabelDocument&) = delete;
  TLabelDocument& operator=(const TLabelDocument&) = delete;

  int ObjectCount() const { return objectCount_; }
  // Slot 1..ObjectCount(); std::out_of_range for any other.
  TLabelObject& Object(int slot);
  const TLabelObject& Object(int slot) const;
  bool Full() const { return objectCount_ == kSlotCount; }
  // The object in CurrentObject when that slot is in use and not deleted; null otherwise.
  TLabelObject* Current();

  // Puts the object into slot ObjectCount() + 1: clears Deleted, raises its
  // kind's counter, takes the counter as Number and builds the name, shows
  // the fields in the element and puts it on the surface. Throws EUserError
  // when all 60 slots are in use. Returns the object in its slot.
  TLabelObject& Append(std::unique_ptr<TLabelObject> object);
  // Gives the highest used slot back ("letztes löschen"); its object stays
  // until Append reuses the slot. The kind counters are not lowered.
  void DropLast() {
    if (objectCount_ > 0) --objectCount_;
  }

  // Puts the object into a slot 1..ObjectCount() + 1 as it is (name, number
  // and counters untouched), in place of the one there, shown at the zoom on
  // the surface. Returns the object in its slot.
  TLabelObject& PutBack(int slot, std::unique_ptr<TLabelObject> object);
  // Gives back the slots above count, hiding their objects.
  void KeepSlots(int count);

  // Takes the label of a document that was just read from a file in place of
  // its own: objects, kind counters, measures, printer, orientation and
  // series file; the elements go onto this document's surface (kinds that
  // load at the back behind all others) and show at its zoom. CurrentObject,
  // SelectionActive, Modified and HasSavedFile are cleared; the snap grid,
  // quantity column, zoom and copied slot stay. `loaded` is left empty.
  void TakeLoadedLabel(TLabelDocument& loaded);

  // Empties the table and the counters and clears CurrentObject,
  // SelectionActive, Modified, HasSavedFile and HasLoadedFile. Layout,
  // printer, orientation and series settings stay.
  void reset_label();

  // The first slot 1..ObjectCount() with that name, deleted or not; 0 if none.
  int FindByName(std::string_view name) const;

  // The names of the live objects, grouped by kind in code order, within a
  // kind in slot order: the object list.
  std::vector<std::string> ObjectListNames() const;
  // As the object list does when it is built anew: its first object becomes
  // the current, selected one; none when the list is empty.
  void SelectFirstListed();

  // round(LabelWidth x 10) x round(LabelHeight x 10); throws EConvertError
  // when a label measure is not a number.
  TSurfaceSize SurfaceSize() const;

  // The surface that shows the elements; none by default.
  void SetSurface(IDesignSurface* surface);
  IDesignSurface* Surface() const { return surface_; }

  std::array<int, kObjectKindCount> KindCounters{};  // by KindIndex
  int CurrentObject = 0;                             // slot, 0 = none
  bool SelectionActive = false;
  int CopiedObject = 0;
  // Unsaved changes: set by every change that goes through
  // TDocumentChanges; cleared by save, reset and load.
  bool Modified = false;
  bool HasLoadedFile = false;
  std::string LoadedFileName;
  bool HasSavedFile = false;
  std::string SavedFileName;

  TSheetLayout Layout;
  std::string PrinterName;
  bool Landscape = false;  // "Querformat"; false is "Hochformat"
  std::string SeriesFileName;
  std::string QuantityColumn;
  std::string SnapGrid = "10";
  double Zoom = 1.0;
  std::vector<int> BoxOrder;  // the renderer's drawing order of boxes

 private:
  void Discard(std::unique_ptr<TLabelObject>& slot);

  std::array<std::unique_ptr<TLabelObject>, kSlotCount> slots_;
  int objectCount_ = 0;
  IDesignSurface* surface_ = nullptr;
};

}  // namespace quorvel

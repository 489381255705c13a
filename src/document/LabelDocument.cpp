#include "document/LabelDocument.h"

#include <algorithm>
#include <stdexcept>

#include "document/DesignSurface.h"
#include "document/KindDescription.h"
#include "platform/Control.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"

namespace quorvel {

TLabelDocument::TLabelDocument() = default;

TLabelDocument::~TLabelDocument() {
  for (auto& slot : slots_) Discard(slot);
}

TLabelObject& TLabelDocument::Object(int slot) {
  return const_cast<TLabelObject&>(static_cast<const TLabelDocument&>(*this).Object(slot));
}

const TLabelObject& TLabelDocument::Object(int slot) const {
  if (slot < 1 || slot > objectCount_) throw std::out_of_range("no object in slot " + std::to_string(slot));
  return *slots_[slot - 1];
}

TLabelObject* TLabelDocument::Current() {
  bool live = CurrentObject >= 1 && CurrentObject <= objectCount_ && !slots_[CurrentObject - 1]->Deleted;
  return live ? slots_[CurrentObject - 1].get() : nullptr;
}

TLabelObject& TLabelDocument::Append(std::unique_ptr<TLabelObject> object) {
  if (Full())
    throw EUserError(std::string("Das Etikett hat bereits ") + std::to_string(kSlotCount) +
                     " Objekte; mehr kann das Programm nicht aufnehmen.");
  // A slot given back by deleting the last object may still hold that object.
  std::unique_ptr<TLabelObject>& slot = slots_[objectCount_];
  Discard(slot);
  slot = std::move(object);
  ++objectCount_;

  TLabelObject& added = *slot;
  int& counter = KindCounters[KindIndex(added.Kind())];
  ++counter;
  added.Number = counter;
  added.Name = ObjectName(added.Kind(), counter);
  added.Deleted = false;
  added.UpdateElement(Zoom);
  if (surface_) surface_->AddElement(added.Element());
  return added;
}

TLabelObject& TLabelDocument::PutBack(int slot, std::unique_ptr<TLabelObject> object) {
  if (slot < 1 || slot > objectCount_ + 1 || slot > kSlotCount)
    throw std::out_of_range("no slot " + std::to_string(slot) + " to put back");
  std::unique_ptr<TLabelObject>& kept = slots_[slot - 1];
  Discard(kept);
  kept = std::move(object);
  objectCount_ = std::max(objectCount_, slot);
  kept->UpdateElement(Zoom);
  if (surface_) surface_->AddElement(kept->Element());
  return *kept;
}

void TLabelDocument::KeepSlots(int count) {
  for (; objectCount_ > count; --objectCount_) slots_[objectCount_ - 1]->Element().SetVisible(false);
}

void TLabelDocument::Discard(std::unique_ptr<TLabelObject>& slot) {
  if (slot && surface_) surface_->RemoveElement(slot->Element());
  slot.reset();
}

void TLabelDocument::reset_label() {
  for (auto& slot : slots_) Discard(slot);
  objectCount_ = 0;
  KindCounters.fill(0);
  CurrentObject = 0;
  SelectionActive = false;
  Modified = false;
  HasSavedFile = false;
  HasLoadedFile = false;
}

void TLabelDocument::TakeLoadedLabel(TLabelDocument& loaded) {
  reset_label();
  std::swap(slots_, loaded.slots_);
  std::swap(objectCount_, loaded.objectCount_);
  KindCounters = loaded.KindCounters;
  Layout = loaded.Layout;
  PrinterName = loaded.PrinterName;
  Landscape = loaded.Landscape;
  SeriesFileName = loaded.SeriesFileName;
  for (int slot = 1; slot <= objectCount_; ++slot) {
    TLabelObject& object = Object(slot);
    if (Zoom != loaded.Zoom) object.UpdateElement(Zoom);
    if (!surface_) continue;
    surface_->AddElement(object.Element());
    if (Describe(object.Kind()).LoadedAtBack) surface_->SendToBack(object.Element());
  }
}

int TLabelDocument::FindByName(std::string_view name) const {
  for (int slot = 1; slot <= objectCount_; ++slot)
    if (slots_[slot - 1]->Name == name) return slot;
  return 0;
}

std::vector<std::string> TLabelDocument::ObjectListNames() const {
  std::vector<std::string> names;
  for (TObjectKind kind : kAllObjectKinds)
    for (int slot = 1; slot <= objectCount_; ++slot) {
      const TLabelObject& object = *slots_[slot - 1];
      if (!object.Deleted && object.Kind() == kind) names.push_back(object.Name);
    }
  return names;
}

void TLabelDocument::SelectFirstListed() {
  std::vector<std::string> names = ObjectListNames();
  CurrentObject = names.empty() ? 0 : FindByName(names.front());
  SelectionActive = CurrentObject != 0;
}

TSurfaceSize TLabelDocument::SurfaceSize() const {
  double width = StrToFloat(Layout.LabelWidth);
  double height = StrToFloat(Layout.LabelHeight);
  return {RoundHalfEven(width * 10), RoundHalfEven(height * 10)};
}

void TLabelDocument::SetSurface(IDesignSurface* surface) {
  if (surface == surface_) return;
  for (auto& slot : slots_)
    if (slot && surface_) surface_->RemoveElement(slot->Element());
  surface_ = surface;
  for (auto& slot : slots_)
    if (slot && surface_) surface_->AddElement(slot->Element());
}

}  // namespace quorvel

#include "document/DocumentChanges.h"

#include "document/DocumentView.h"
#include "document/LabelDocument.h"

namespace quorvel {

TDocumentChanges::TDocumentChanges(TLabelDocument& document, IDocumentView& view)
    : document_(document), view_(view) {}

void TDocumentChanges::Change(const std::string& step, const std::function<void()>& edit, TJoin join) {
  if (depth_ == 0) Begin(step, join);
  ++depth_;
  try {
    edit();
  } catch (...) {
    if (--depth_ == 0) Finish();
    throw;
  }
  if (--depth_ == 0) Finish();
}

void TDocumentChanges::BeginDrag(const std::string& step) {
  if (depth_ > 0) return;
  Begin(step, TJoin::Never);
  dragging_ = true;
}

void TDocumentChanges::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  Finish();
}

void TDocumentChanges::SelectionChanged() {
  if (depth_ == 0) view_.LabelChanged();
}

std::optional<std::string> TDocumentChanges::UndoStep() const {
  if (position_ == 0) return std::nullopt;
  return steps_[position_ - 1].Name;
}

std::optional<std::string> TDocumentChanges::RedoStep() const {
  if (position_ == steps_.size()) return std::nullopt;
  return steps_[position_].Name;
}

void TDocumentChanges::Undo() {
  EndDrag();
  if (position_ == 0) return;
  NoteSavedPoint();
  const TStep& step = steps_[--position_];
  Show(step.Before, step.SelectionBefore);
}

void TDocumentChanges::Redo() {
  EndDrag();
  if (position_ == steps_.size()) return;
  NoteSavedPoint();
  const TStep& step = steps_[position_++];
  Show(step.After, step.SelectionAfter);
}

void TDocumentChanges::Forget() {
  dragging_ = false;
  before_.reset();
  steps_.clear();
  position_ = 0;
  savedAt_ = document_.Modified ? kNoPoint : 0;
}

void TDocumentChanges::Begin(const std::string& step, TJoin join) {
  EndDrag();
  NoteSavedPoint();
  before_.emplace(document_);
  selectionBefore_ = Selection();
  step_ = step;
  join_ = join;
}

void TDocumentChanges::Finish() {
  if (before_) {
    TLabelSnapshot after(document_);
    if (!(after == *before_)) Record(std::move(after));
  }
  before_.reset();
  view_.LabelChanged();
}

void TDocumentChanges::Record(TLabelSnapshot after) {
  document_.Modified = true;
  bool joins = join_ == TJoin::SameStep && position_ == steps_.size() && position_ > 0 && savedAt_ != position_ &&
               steps_.back().Joins && steps_.back().Name == step_;
  if (joins) {
    steps_.back().After = std::move(after);
    steps_.back().SelectionAfter = Selection();
    return;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  if (savedAt_ != kNoPoint && savedAt_ > position_) savedAt_ = kNoPoint;
  steps_.push_back({step_, std::move(*before_), selectionBefore_, std::move(after), Selection(),
                    join_ == TJoin::SameStep});
  ++position_;
  if (steps_.size() > kStepLimit) {
    steps_.erase(steps_.begin());
    --position_;
    savedAt_ = savedAt_ == 0 || savedAt_ == kNoPoint ? kNoPoint : savedAt_ - 1;
  }
}

void TDocumentChanges::Show(const TLabelSnapshot& label, TSelection selection) {
  label.Restore(document_);
  document_.CurrentObject = selection.CurrentObject;
  document_.SelectionActive = selection.Active;
  document_.Modified = position_ != savedAt_;
  view_.LabelChanged();
}

TDocumentChanges::TSelection TDocumentChanges::Selection() const {
  return {document_.CurrentObject, document_.SelectionActive};
}

void TDocumentChanges::NoteSavedPoint() {
  if (!document_.Modified) savedAt_ = position_;
}

}  // namespace quorvel

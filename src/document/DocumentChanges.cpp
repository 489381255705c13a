#include "document/DocumentChanges.h"

#include "document/DocumentView.h"
#include "document/LabelDocument.h"

namespace quorvel {

TDocumentChanges::TDocumentChanges(TLabelDocument& document, IDocumentView& view)
    : document_(document), view_(view) {}

void TDocumentChanges::Change(const std::function<void()>& edit) {
  if (depth_ == 0) Begin();
  ++depth_;
  try {
    edit();
  } catch (...) {
    if (--depth_ == 0) Finish();
    throw;
  }
  if (--depth_ == 0) Finish();
}

void TDocumentChanges::BeginDrag() {
  if (depth_ > 0) return;
  Begin();
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

void TDocumentChanges::Begin() {
  EndDrag();
  before_.emplace(document_);
}

void TDocumentChanges::Finish() {
  if (before_ && !(TLabelSnapshot(document_) == *before_)) document_.Modified = true;
  before_.reset();
  view_.LabelChanged();
}

}  // namespace quorvel

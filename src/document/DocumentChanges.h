#pragma once

#include <functional>
#include <optional>

#include "document/LabelSnapshot.h"

namespace quorvel {

class IDocumentView;
class TLabelDocument;

// The one path of every change to the label. An edit runs inside Change (a
// mouse drag between BeginDrag and EndDrag); when it changed the label, the
// document is marked modified; in any case every view then shows the
// document again. What the label was before an edit is kept
// (TLabelSnapshot) to tell whether it changed. Values a series print writes
// do not come this way.
class TDocumentChanges {
 public:
  TDocumentChanges(TLabelDocument& document, IDocumentView& view);

  // Runs the edit as one change. A change made inside another's edit
  // belongs to the outer one. An edit that throws keeps what it changed
  // before, and the exception goes on.
  void Change(const std::function<void()>& edit);

  // A mouse drag as one change: begun at the press, ended at the release,
  // the editor changing the document directly in between. A change or
  // another drag that comes first ends it.
  void BeginDrag();
  void EndDrag();

  // The selection changed: the views follow; nothing is modified.
  void SelectionChanged();

 private:
  void Begin();
  void Finish();

  TLabelDocument& document_;
  IDocumentView& view_;
  std::optional<TLabelSnapshot> before_;  // the label when the change under way began
  int depth_ = 0;                         // nested Change calls
  bool dragging_ = false;
};

}  // namespace quorvel

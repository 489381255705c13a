#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/LabelSnapshot.h"

namespace quorvel {

class IDocumentView;
class TLabelDocument;

// The one path of every change to the label. An edit runs inside Change (a
// mouse drag between BeginDrag and EndDrag); when it changed the label, it
// becomes a step of the history, which Undo and Redo walk, and the document
// is marked modified; in any case every view then shows the document again.
// A step keeps the label (TLabelSnapshot) and the selection before and
// after it. The modified state follows the point where the label was last
// saved: walking back to it clears it. Values a series print writes do not
// come this way.
class TDocumentChanges {
 public:
  // The oldest steps go beyond this many.
  static constexpr std::size_t kStepLimit = 200;

  // Whether a change joins the step before it when that has the same name
  // and nothing came between: the keys typed into one field are one step.
  enum class TJoin { Never, SameStep };

  TDocumentChanges(TLabelDocument& document, IDocumentView& view);

  // Runs the edit as the step of that name (Windows-1252, such as
  // "Verschieben text01"). A change made inside another's edit belongs to
  // the outer one. An edit that throws keeps what it changed before, as a
  // step, and the exception goes on.
  void Change(const std::string& step, const std::function<void()>& edit, TJoin join = TJoin::Never);

  // A mouse drag as one step: begun at the press, ended at the release,
  // the editor changing the document directly in between. A change or
  // another drag that comes first ends it.
  void BeginDrag(const std::string& step);
  void EndDrag();

  // The selection changed: the views follow; nothing is modified.
  void SelectionChanged();

  // The name of the step Undo or Redo would take back or do again; nothing
  // when there is none.
  std::optional<std::string> UndoStep() const;
  std::optional<std::string> RedoStep() const;
  void Undo();
  void Redo();
  // The label was emptied or read anew: no steps, and the label as it
  // stands is the saved point.
  void Forget();

 private:
  struct TSelection {
    int CurrentObject;
    bool Active;
  };
  struct TStep {
    std::string Name;
    TLabelSnapshot Before;
    TSelection SelectionBefore;
    TLabelSnapshot After;
    TSelection SelectionAfter;
    bool Joins;
  };
  static constexpr std::size_t kNoPoint = static_cast<std::size_t>(-1);

  void Begin(const std::string& step, TJoin join);
  void Finish();
  void Record(TLabelSnapshot after);
  void Show(const TLabelSnapshot& label, TSelection selection);
  TSelection Selection() const;
  // An unmodified document stands where it was saved.
  void NoteSavedPoint();

  TLabelDocument& document_;
  IDocumentView& view_;
  std::optional<TLabelSnapshot> before_;  // the label when the change under way began
  TSelection selectionBefore_{};
  std::string step_;
  TJoin join_ = TJoin::Never;
  int depth_ = 0;  // nested Change calls
  bool dragging_ = false;
  std::vector<TStep> steps_;
  std::size_t position_ = 0;  // steps_[0, position_) are done
  std::size_t savedAt_ = 0;   // the position the saved label has; kNoPoint when it was cut off
};

}  // namespace quorvel

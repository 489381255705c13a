#pragma once

namespace quorvel {

// What the document's commands and its change path need of the window that
// shows the document.
class IDocumentView {
 public:
  virtual ~IDocumentView() = default;
  // Returns the display to 100 %, before geometry is stored or replaced.
  virtual void ReturnToFullSize() = 0;
  // The document was emptied or read anew: show its settings, size the
  // design surface and rebuild the object list.
  virtual void DocumentReplaced() = 0;
  // The document's settings changed (a sheet preset, a series file chosen): show them.
  virtual void SettingsChanged() = 0;
  // The label or the selection changed: every view (settings pages, object
  // list, property grid, text toolbar, quick text field, handles) shows the
  // document's values again.
  virtual void LabelChanged() = 0;
};

}  // namespace quorvel

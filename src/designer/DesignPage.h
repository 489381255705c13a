#pragma once

#include <QColor>
#include <QWidget>
#include <memory>

class QAction;
class QLineEdit;
class QScrollBar;

namespace quorvel {

class IDialogs;
class TDesignPanel;
class THandleWidgets;
class TSelectionEditor;

// Top of the design surface on its page, below the quick text field.
inline constexpr int kSurfaceTop = 34;

// The context menu of the design surface, in its order.
struct TSurfaceMenu {
  QAction* BringToFront;  // "nach vorne bringen"
  QAction* SendToBack;    // "nach hinten bringen"
  QAction* Copy;          // "Kopieren"
  QAction* Paste;         // "Einfügen", disabled until the first copy
  QAction* ToClipboard;   // "in Zwischenablage"
  QAction* Delete;        // "Löschen"
};

// The page "Entwurf": the quick text field "Text:" above the design surface
// (Panel1) with its context menu and the selection handles, and the two
// scroll bars that slide the surface within the page. The label stands out
// as a white sheet with a shadow on a grey ground.
class TDesignPage : public QWidget {
 public:
  TDesignPage(IDialogs& dialogs, TSelectionEditor& selection);
  ~TDesignPage() override;

  TDesignPanel& Surface() const { return *surface_; }
  QLineEdit& QuickText() const { return *quickText_; }
  QScrollBar& HorizontalBar() const { return *horizontal_; }
  QScrollBar& VerticalBar() const { return *vertical_; }
  const TSurfaceMenu& Menu() const { return menu_; }
  THandleWidgets& Handles() const { return *handles_; }

  // Gives the surface its size in pixels.
  void SizeSurface(int width, int height);
  // Both scroll bars to position 0: the surface at the page's top-left.
  void ScrollHome();

  // The grey around the label and the label's shadow (screen only).
  static constexpr QRgb kBackground = 0xFFC8C8C8;
  static constexpr QRgb kShadow = 0xFF8C8C8C;
  static constexpr int kShadowOffset = 4;

 protected:
  void resizeEvent(QResizeEvent*) override;
  void paintEvent(QPaintEvent*) override;

 private:
  // The bars' ranges follow the surface on every change; the position may
  // have been cut down to the new maximum on the way.
  void HorizontalScrolled();
  // At position 0 the surface goes back below the quick text field.
  void VerticalScrolled();

  TDesignPanel* surface_;
  QLineEdit* quickText_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  TSurfaceMenu menu_;
  std::unique_ptr<THandleWidgets> handles_;
};

}  // namespace quorvel

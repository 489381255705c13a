#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/ObjectCommands.h"
#include "designer/SelectionEditor.h"
#include "document/DocumentCommands.h"
#include "document/LabelDocument.h"

class QAction;
class QComboBox;
class QPushButton;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace quorvel {

class IClipboard;
class IDialogs;
class IPrinter;
class TDesignPanel;
class THandleWidgets;
class TPropertyGrid;
class TPrintCommands;
class TTextToolbar;

// The label designer ("Quorvel Etikettenentwurf"). It owns the one label
// document for the whole run and shows it: the top bar, the palette, the
// pages "Entwurf" (with the design surface Panel1), "Einstellungen",
// "Drucker" and "Seriendruck", the object list and the status bar. The
// settings fields edit the document's texts directly.
// Top of the design surface on its page, below the quick text field.
inline constexpr int kSurfaceTop = 34;

class TForm2 : public QMainWindow, public IDocumentView, public ISelectionView, public IObjectCommandsView {
 public:
  TForm2(IDialogs& dialogs, IPrinter& printer, QWidget* parent = nullptr);
  // With the clipboard that "in Zwischenablage" fills (tests pass their own).
  TForm2(IDialogs& dialogs, IPrinter& printer, IClipboard& clipboard, QWidget* parent = nullptr);
  ~TForm2() override;

  TLabelDocument& Document() { return document_; }
  TDocumentCommands& Commands() { return commands_; }
  TDesignPanel& Panel1() { return *panel_; }
  TObjectCommands& ObjectCommands() { return *objects_; }
  TSelectionEditor& Selection() { return *selection_; }
  THandleWidgets& Handles() { return *handles_; }
  TPropertyGrid& PropertyGrid() { return *grid_; }
  TPrintCommands& PrintCommands() { return *printCommands_; }

  // Rebuilds the object list and makes its first entry current.
  void obox_refresh();
  // Makes the object named in the list's text field current and fills the property grid.
  void obox_click();
  // Writes the property grid back into the object named in the list's text field.
  void obox_zuruck();
  // Multiplies the zoom factor by the factor and shows everything at the new
  // factor; a step beyond 1/16 .. 16 is refused silently. Hides the handles.
  void zoom(double factor);
  // Returns the display to 100 % and both scroll bars to position 0.
  void zoom_aus();

  // The document's settings shown in the fields.
  void ShowSettings();

  void ReturnToFullSize() override;
  void DocumentReplaced() override;

  void ShowHandles(const TBounds& bounds, TObjectKind kind) override;
  void HideHandles() override;
  void ObjectPressed(TLabelObject& object) override;
  void EditFinished() override;

  TToolbarFont ToolbarFont() const override;
  void ResetPointer() override;
  void setpoints() override;
  void delpoints() override;
  void ListChanged(const std::string& currentName) override;
  void EnablePaste() override;
  void RepaintSurface() override;

 private:
  TForm2(IDialogs& dialogs, IPrinter& printer, std::unique_ptr<IClipboard> own, IClipboard* clipboard, QWidget* parent);
 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct TFieldBinding {
    QLineEdit* Edit;
    std::string* Field;
  };

  void BuildMenus();
  void BuildTopBar();
  QWidget* BuildPalette();
  QWidget* BuildDesignPage();
  QWidget* BuildSettingsPage();
  QWidget* BuildPrinterPage();
  QWidget* BuildSeriesPage();
  QWidget* BuildObjectPanel();

  // The handler, made safe for Qt: a failure is shown, never thrown into the event loop.
  std::function<void()> Guarded(std::function<void()> handler);
  // A settings field that edits a text of the document.
  QLineEdit* BoundEdit(std::string& field, const char* name);
  // Sizes the design surface from the label size at the current zoom.
  void SizeSurface();
  // Every live object shown at the current zoom.
  void ShowObjectsAtZoom();
  // The scroll bars slide the surface within its page.
  void HorizontalScrolled();
  void VerticalScrolled();
  void PageChanged(int index);
  // The palette, the context menu, the pointer on the surface and the quick text field.
  void ConnectEditing();
  void QuickTextEdited(const QString& text);

  TLabelDocument document_;
  IDialogs& dialogs_;
  IPrinter& printer_;
  TDocumentCommands commands_;
  std::unique_ptr<TPrintCommands> printCommands_;

  TDesignPanel* panel_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QWidget* settingsPage_ = nullptr;
  int previousPage_ = 0;
  QWidget* objectPanel_ = nullptr;
  QComboBox* objectList_ = nullptr;
  QTableWidget* propertyGrid_ = nullptr;
  QComboBox* printerBox_ = nullptr;
  QComboBox* snapGrid_ = nullptr;
  QRadioButton* portrait_ = nullptr;
  QRadioButton* landscape_ = nullptr;
  std::vector<TFieldBinding> bindings_;

  std::unique_ptr<IClipboard> ownClipboard_;
  std::unique_ptr<TSelectionEditor> selection_;
  std::unique_ptr<TObjectCommands> objects_;
  std::unique_ptr<THandleWidgets> handles_;
  TPropertyGrid* grid_ = nullptr;
  QWidget* palette_ = nullptr;
  QLineEdit* quickText_ = nullptr;
  std::unique_ptr<TTextToolbar> textToolbar_;
  QScrollBar* horizontalBar_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  std::array<QAction*, 3> editActions_{};  // the toolbar's delete, copy and paste
  QAction* pasteMenuItem_ = nullptr;
};

}  // namespace quorvel

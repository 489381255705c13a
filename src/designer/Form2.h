#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "designer/HandlerGuard.h"
#include "designer/ObjectCommands.h"
#include "designer/SelectionEditor.h"
#include "document/DocumentChanges.h"
#include "document/DocumentCommands.h"
#include "document/LabelDocument.h"

class QTabWidget;

namespace quorvel {

class IClipboard;
class IDialogs;
class IPrinter;
class IProcessLauncher;
class TDesignPage;
class TObjectPanel;
class TPalette;
class TPrintCommands;
class TPrinterChoice;
class TPrinterPage;
class TSeriesPage;
class TSettingsPage;
class TTopBar;

// The desktop services the designer works with; tests give their own.
struct TDesignerServices {
  IDialogs& Dialogs;
  IPrinter& Printer;
  IClipboard& Clipboard;        // "in Zwischenablage" and the preview's copy
  IProcessLauncher& Launcher;  // "Datei anschauen"
};

// The label designer ("Quorvel Etikettenentwurf"). It owns the one label
// document for the whole run, with the one path of its changes and their
// history, and composes what shows and edits it: the top bar, the palette,
// the pages "Entwurf", "Einstellungen", "Drucker" and "Seriendruck", the
// object panel and the status bar. It connects their buttons to the document, object and
// print commands, each handler run by the one handler guard. After every
// change every part shows the document again.
class TForm2 : public QMainWindow,
               private IDocumentView,
               private ISelectionView,
               private IObjectCommandsView {
 public:
  // With the desktop's clipboard and program launcher.
  TForm2(IDialogs& dialogs, IPrinter& printer, QWidget* parent = nullptr);
  explicit TForm2(const TDesignerServices& services, QWidget* parent = nullptr);
  ~TForm2() override;

  TLabelDocument& Document() { return document_; }
  TTopBar& TopBar() const { return *topBar_; }
  TPalette& Palette() const { return *palette_; }
  TDesignPage& DesignPage() const { return *designPage_; }
  TSettingsPage& SettingsPage() const { return *settingsPage_; }
  TPrinterPage& PrinterPage() const { return *printerPage_; }
  TSeriesPage& SeriesPage() const { return *seriesPage_; }
  TObjectPanel& ObjectPanel() const { return *objectPanel_; }

  // "öffnen" of a label named beforehand, as when the desktop opens a file
  // with the program: asks about unsaved changes, then reads it or says why not.
  void OpenLabel(const std::string& path);

  // Multiplies the zoom factor by the factor and shows everything at the new
  // factor; a step beyond 1/16 .. 16 is refused silently. Hides the handles.
  void zoom(double factor);
  // Returns the display to 100 % and both scroll bars to position 0.
  void zoom_aus();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // IDocumentView
  void ReturnToFullSize() override;
  void DocumentReplaced() override;
  void SettingsChanged() override;
  void LabelChanged() override;
  // ISelectionView
  void ShowHandles(const TBounds& bounds, TObjectKind kind) override;
  void HideHandles() override;
  // IObjectCommandsView
  TToolbarFont ToolbarFont() const override;
  void ResetPointer() override;
  void EnablePaste() override;
  void RepaintSurface() override;

  QWidget* BuildPages();
  // The buttons, menus and lists of the parts, each to its command.
  void ConnectCommands();
  void ConnectPrintCommands();
  // The pointer and the keys on the surface, the status bar and the quick text field.
  void ConnectEditing();
  // A key pressed on the surface; false when it is not one of the surface's.
  bool SurfaceKey(int key, bool shift);
  // A handler for the signal, run by the guard.
  template <typename Sender, typename Signal>
  void On(Sender* sender, Signal signal, std::function<void()> handler);

  // The installed printers offered on the printer page.
  void OfferPrinters();
  // The document's settings shown on the three settings pages.
  void ShowSettings();
  // Sizes the design surface from the label size at the current zoom.
  void SizeSurface();
  // Every live object shown at the current zoom.
  void ShowObjectsAtZoom();
  void PageChanged(int index);
  // Undoes or redoes a step of the history.
  void WalkHistory(void (TDocumentChanges::*step)());
  void QuickTextEdited(const QString& text);
  // The quick text field shows the current object's text, value or hint.
  void ShowQuickText();
  void ShowSymbolTrouble();

  TLabelDocument document_;
  TDesignerServices services_;
  THandlerGuard guard_;
  TDocumentChanges changes_;
  TDocumentCommands commands_;
  TSelectionEditor selection_;
  TObjectCommands objects_;
  std::unique_ptr<TTopBar> topBar_;
  TPalette* palette_ = nullptr;
  QTabWidget* pages_ = nullptr;
  TDesignPage* designPage_ = nullptr;
  TSettingsPage* settingsPage_ = nullptr;
  TPrinterPage* printerPage_ = nullptr;
  TSeriesPage* seriesPage_ = nullptr;
  TObjectPanel* objectPanel_ = nullptr;
  int previousPage_ = 0;
  bool editingQuickText_ = false;
  // The system's printers and "PDF-Datei".
  std::unique_ptr<TPrinterChoice> printer_;
  std::unique_ptr<TPrintCommands> printCommands_;
};

}  // namespace quorvel

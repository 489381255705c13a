#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentCommands.h"
#include "document/LabelDocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace quorvel {

class IDialogs;
class IPrinter;
class TDesignPanel;
class TPrintCommands;

// The label designer ("Quorvel Etikettenentwurf"). It owns the one label
// document for the whole run and shows it: the top bar, the palette, the
// pages "Entwurf" (with the design surface Panel1), "Einstellungen",
// "Drucker" and "Seriendruck", the object list and the status bar. The
// settings fields edit the document's texts directly.
class TForm2 : public QMainWindow, public IDocumentView {
 public:
  TForm2(IDialogs& dialogs, IPrinter& printer, QWidget* parent = nullptr);
  ~TForm2() override;

  TLabelDocument& Document() { return document_; }
  TDocumentCommands& Commands() { return commands_; }
  TDesignPanel& Panel1() { return *panel_; }
  TPrintCommands& PrintCommands() { return *printCommands_; }

  // Rebuilds the object list and makes its first entry current.
  void obox_refresh();
  // Makes the object named in the list's text field current.
  void obox_click();
  // Returns the display to 100 %.
  void zoom_aus();

  // The document's settings shown in the fields.
  void ShowSettings();

  void ReturnToFullSize() override;
  void DocumentReplaced() override;

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
  void PageChanged(int index);

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
  QComboBox* fontBox_ = nullptr;
  QComboBox* printerBox_ = nullptr;
  QComboBox* snapGrid_ = nullptr;
  QRadioButton* portrait_ = nullptr;
  QRadioButton* landscape_ = nullptr;
  std::vector<TFieldBinding> bindings_;
};

}  // namespace quorvel

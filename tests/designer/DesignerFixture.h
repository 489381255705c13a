#pragma once

// The designer window driven as a user drives it, offscreen, with scripted
// dialogs, a PDF printer and a clipboard that records what it receives.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <memory>
#include <string>
#include <vector>

#include "designer/ControlHost.h"
#include "designer/DesignPage.h"
#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "designer/HandleWidgets.h"
#include "designer/ObjectPanel.h"
#include "designer/Palette.h"
#include "designer/PropertyGrid.h"
#include "designer/TopBar.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScriptedDialogs.h"
#include "platform/QtText.h"
#include "support/BitmapPrinter.h"
#include "support/TempDir.h"

namespace quorvel::test {

class TRecordingClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override { Sizes.emplace_back(bitmap.Width(), bitmap.Height()); }
  std::vector<std::pair<int, int>> Sizes;
};

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                    held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class TDesignerFixture : public ::testing::Test {
 protected:
  TDesignerFixture() : previous_(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(dir_.Path("")));
    form_ = std::make_unique<TForm2>(TDesignerServices{dialogs_, printer_, clipboard_, launcher_});
  }
  // Every test fails on an internal error, whatever it checked itself.
  ~TDesignerFixture() override {
    form_.reset();
    EXPECT_EQ(dialogs_.InternalErrors(), std::vector<std::string>{});
    QDir::setCurrent(previous_);
  }

  TLabelDocument& Doc() { return form_->Document(); }
  template <typename T>
  T* Child(const char* name) {
    T* child = form_->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(const char* button) { Child<QPushButton>(button)->click(); }
  // A button found by its caption (UTF-8).
  void ClickCaption(const char* caption) {
    for (QPushButton* button : form_->findChildren<QPushButton*>())
      if (button->text() == QString::fromUtf8(caption)) return button->click();
    ADD_FAILURE() << caption;
  }
  TLabelObject& Create(const char* button) {
    Click(button);
    return Doc().Object(Doc().ObjectCount());
  }
  QAction* MenuItem(const char* caption) {
    for (QAction* item : form_->DesignPage().Surface().actions())
      if (item->text() == QString::fromUtf8(caption)) return item;
    ADD_FAILURE() << caption;
    return nullptr;
  }
  // Chooses the object in the object list as the user does.
  void ChooseInList(const char* name) {
    auto* list = Child<QComboBox>("ObjectList");
    int index = list->findText(name);
    ASSERT_GE(index, 0) << name;
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  std::vector<std::string> ListNames() {
    std::vector<std::string> names;
    auto* list = Child<QComboBox>("ObjectList");
    for (int i = 0; i < list->count(); ++i) names.push_back(list->itemText(i).toStdString());
    return names;
  }
  QWidget* HostOf(TLabelObject& object) { return form_->DesignPage().Surface().HostOf(object.Element()); }
  QWidget* Handle(THandle handle) { return form_->DesignPage().Handles().Handle(handle); }
  void SetGrid(const char* grid) { Child<QComboBox>("SnapGrid")->setEditText(grid); }
  // Presses on the object at (x, y), moves the pointer to the points in turn, releases.
  void Drag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path) {
    SendMouse(widget, QEvent::MouseButtonPress, from);
    QPoint last = from;
    for (QPoint to : path) SendMouse(widget, QEvent::MouseMove, last = to);
    SendMouse(widget, QEvent::MouseButtonRelease, last);
  }
  QTableWidget* Grid() { return Child<QTableWidget>("PropertyGrid"); }
  std::string Cell(const char* caption) {
    int row = Row(caption);
    return row < 0 ? "<none>" : FromQString(Grid()->item(row, 1)->text());
  }
  int Row(const char* caption) {
    for (int row = 0; row < Grid()->rowCount(); ++row)
      if (Grid()->item(row, 0) && Grid()->item(row, 0)->text() == QString::fromUtf8(caption)) return row;
    ADD_FAILURE() << caption;
    return -1;
  }
  void SetCell(const char* caption, const std::string& value) {
    Grid()->item(Row(caption), 1)->setText(ToQString(value));
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int row = 0; row < Grid()->rowCount(); ++row) captions.push_back(Grid()->item(row, 0)->text().toStdString());
    return captions;
  }

  test::TTempDir dir_;
  QString previous_;
  TScriptedDialogs dialogs_;
  TBitmapPrinter printer_{300, 300, 25};
  TRecordingClipboard clipboard_;
  TRecordingProcessLauncher launcher_;
  std::unique_ptr<TForm2> form_;
};

}  // namespace quorvel::test

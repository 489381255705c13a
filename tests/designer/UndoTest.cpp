// Undo and redo walk the steps of the label's one change path.
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "DesignerFixture.h"
#include "designer/TopBar.h"
#include "document/LabelFile.h"

namespace quorvel {
namespace {

class UndoTest : public test::TDesignerFixture {
 protected:
  const TEditMenu& Edit() { return form_->TopBar().EditMenu(); }
  // The bytes a save writes now; the document stays as it was.
  std::string Saved() {
    bool modified = Doc().Modified;
    std::string path = dir_.Path("stand.lab");
    save_label(Doc(), path);
    Doc().Modified = modified;
    return test::ReadFile(path);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&form_->DesignPage().Surface(), key, modifiers);
  }
};

// Every kind of change is one step: undone one by one, the label saves as it
// did before each; redone, as after each.
TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneStepByStep) {
  const std::pair<const char*, std::function<void()>> kSteps[] = {
      {"Erstellen box01", [&] { Create("CreateBox"); }},
      {"Verschieben box01", [&] { Drag(HostOf(Doc().Object(1)), {5, 5}, {{25, 15}, {45, 35}}); }},
      {"Größe ändern box01", [&] { Drag(Handle(THandle::kr5), {3, 3}, {{13, 13}, {23, 33}}); }},
      {"Verschieben box01", [&] { Key(Qt::Key_Right), Key(Qt::Key_Down, Qt::ShiftModifier); }},
      {"Eigenschaften box01", [&] { SetCell("Füllfarbe", "FF0000"), Click("Apply"); }},
      {"Erstellen text01", [&] { Create("CreateText"); }},
      {"Text text01", [&] { QTest::keyClicks(Child<QLineEdit>("QuickText"), "Preis"); }},
      {"Schrift text01", [&] { Child<QToolButton>("BoldButton")->click(); }},
      {"Einfügen text02", [&] { MenuItem("Kopieren")->trigger(), MenuItem("Einfügen")->trigger(); }},
      {"Löschen text01", [&] { ChooseInList("text01"), Click("DeleteObject"); }},
      {"letztes löschen", [&] { Click("DeleteLast"); }},
      {"Blattbreite [mm]", [&] { QTest::keyClicks(Child<QLineEdit>("SheetWidth"), "195"); }},
      {"Blatthöhe [mm]", [&] { QTest::keyClicks(Child<QLineEdit>("SheetHeight"), "288"); }},
      {"Zweckform-Auswahl", [&] { emit Child<QComboBox>("PresetList")->textActivated(Child<QComboBox>("PresetList")->itemText(1)); }},
      {"Ausrichtung", [&] { Child<QRadioButton>("Landscape")->click(); }},
      {"Seriendatei", [&] { QTest::keyClicks(Child<QLineEdit>("SeriesFile"), "s.csv"); }},
      {"alle löschen", [&] { Click("DeleteAll"); }},
  };
  std::vector<std::string> states{Saved()};
  for (const auto& [step, run] : kSteps) {
    run();
    states.push_back(Saved());
    EXPECT_NE(states.back(), states[states.size() - 2]) << step;
    std::string named = Edit().Undo->text().toStdString();
    EXPECT_EQ(named.rfind(std::string("Rückgängig: ") + step, 0), 0u) << named;
  }
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{});
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    Edit().Undo->trigger();
    EXPECT_EQ(Saved(), states[i - 1]) << kSteps[i - 1].first;
  }
  EXPECT_FALSE(Edit().Undo->isEnabled());
  for (std::size_t i = 1; i < states.size(); ++i) {
    Edit().Redo->trigger();
    EXPECT_EQ(Saved(), states[i]) << kSteps[i - 1].first;
  }
  EXPECT_FALSE(Edit().Redo->isEnabled());
}

// The views show the undone label: list, grid, handles.
TEST_F(UndoTest, AnUndoneMoveShowsInEveryView) {
  TLabelObject& box = Create("CreateBox");
  std::array<int, 2> before{box.Left, box.Top};
  Drag(HostOf(box), {5, 5}, {{25, 25}});
  EXPECT_NE((std::array{box.Left, box.Top}), before);
  Edit().Undo->trigger();
  TLabelObject& restored = Doc().Object(1);
  EXPECT_EQ((std::array{restored.Left, restored.Top}), before);
  EXPECT_EQ(Cell("Links"), std::to_string(before[0]));
  EXPECT_EQ(Handle(THandle::kr1)->pos(), QPoint(before[0] - 4, before[1] - 4));
  EXPECT_EQ(HostOf(restored)->pos(), QPoint(before[0], before[1]));
  QWidget* host = HostOf(restored);
  Edit().Undo->trigger();
  EXPECT_EQ(ListNames(), std::vector<std::string>{});
  EXPECT_FALSE(host->isVisible());
  EXPECT_EQ(Edit().Redo->text().toStdString(), "Wiederholen: Erstellen box01");
}

// The modified state follows the point where the label was saved; New and
// Open start an empty history.
TEST_F(UndoTest, TheModifiedStateFollowsTheSavedPoint) {
  Create("CreateBox");
  dialogs_.AnswerFile(dir_.Path("a.lab"));
  form_->TopBar().Menu().SaveAs->trigger();
  ASSERT_FALSE(Doc().Modified);
  ChooseInList("box01");
  Key(Qt::Key_Right);
  SetCell("Oben", "70");
  Click("Apply");
  EXPECT_TRUE(Doc().Modified);
  Edit().Undo->trigger();
  EXPECT_TRUE(Doc().Modified);
  Edit().Undo->trigger();
  EXPECT_FALSE(Doc().Modified);
  Edit().Undo->trigger();  // before the save
  EXPECT_TRUE(Doc().Modified);
  Edit().Redo->trigger();
  EXPECT_FALSE(Doc().Modified);
  Edit().Redo->trigger();
  EXPECT_TRUE(Doc().Modified);

  dialogs_.AnswerNo();
  form_->TopBar().Menu().New->trigger();
  EXPECT_FALSE(Edit().Undo->isEnabled());
  EXPECT_FALSE(Edit().Redo->isEnabled());
  dialogs_.AnswerFile(dir_.Path("a.lab"));
  form_->TopBar().Menu().Open->trigger();
  EXPECT_FALSE(Edit().Undo->isEnabled());
  EXPECT_EQ(Doc().ObjectCount(), 1);
}

TEST_F(UndoTest, AHundredStepsAreKept) {
  TLabelObject& box = Create("CreateBox");
  int left = box.Left;
  for (int i = 1; i <= 100; ++i) {
    SetCell("Links", std::to_string(left + i));
    Click("Apply");
  }
  for (int i = 0; i < 100; ++i) Edit().Undo->trigger();
  EXPECT_EQ(Doc().Object(1).Left, left);
  EXPECT_EQ(Edit().Undo->text().toStdString(), "Rückgängig: Erstellen box01");
}

TEST_F(UndoTest, ShortcutsAreShownAndReachTheCommands) {
  EXPECT_EQ(Edit().Undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(Edit().Redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  EXPECT_EQ(form_->TopBar().Menu().SaveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_EQ(form_->TopBar().ZoomInButton().toolTip(), "zoom + (Ctrl++)");
  EXPECT_EQ(Edit().Undo->toolTip(), "Rückgängig (Ctrl+Z)");

  form_->show();
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  TLabelObject& box = Create("CreateBox");
  form_->DesignPage().Surface().setFocus();
  QTest::keyClick(form_.get(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(form_.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "box02"}));
  QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ListNames(), std::vector<std::string>{"box01"});
  QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box01", "box02"}));
  ChooseInList("box01");
  form_->DesignPage().Surface().setFocus();
  QTest::keyClick(form_.get(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(box.Deleted);
  QTest::keyClick(form_.get(), Qt::Key_V, Qt::ControlModifier);  // the cut object comes back as a copy
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"box02", "box03"}));
  QTest::keyClick(form_.get(), Qt::Key_Y, Qt::ControlModifier);  // nothing to redo
  // A button's shortcut clicks it after a short animation.
  QTest::keyClick(form_.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Doc().Zoom == 2.0; }));
  QTest::keyClick(form_.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Doc().Zoom == 1.0; }));
}

}  // namespace
}  // namespace quorvel

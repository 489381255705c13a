#pragma once

#include <QWidget>
#include <array>

#include "designer/BoundEdits.h"
#include "document/SheetLayout.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TDocumentChanges;
class TLabelDocument;

// The page "Einstellungen": label size, sheet size and arrangement, the snap
// grid "Raster [mm]", the list "Zweckform-Auswahl" and the calibration
// sheet. The fields edit the document's texts as they are typed: the
// measures as changes of the label, the snap grid, which the label file does
// not hold, directly.
class TSettingsPage : public QWidget {
 public:
  TSettingsPage(TLabelDocument& document, TDocumentChanges& changes);

  // Shows the document's measures and snap grid.
  void Show();

  QLineEdit& MeasureEdit(std::size_t index) const { return *measures_.at(index); }  // in kLayoutFields order
  QComboBox& SnapGrid() const { return *snapGrid_; }
  QComboBox& PresetList() const { return *presets_; }
  QPushButton& CalibrationButton() const { return *calibration_; }

 private:
  TLabelDocument& document_;
  TBoundEdits edits_;
  bool showing_ = false;
  std::array<QLineEdit*, kLayoutFields.size()> measures_{};
  QComboBox* snapGrid_;
  QComboBox* presets_;
  QPushButton* calibration_;
};

}  // namespace quorvel

#pragma once

#include <QWidget>
#include <string>

#include "designer/BoundEdits.h"
#include "print/SeriesPrint.h"

class QLineEdit;
class QPushButton;

namespace quorvel {

class TDocumentChanges;
class TLabelDocument;

// The page "Seriendruck": the series file with its dialog and viewer, the
// quantity column, the series print with its line range and copies per
// line, and the copies of the current label from a start cell. The series
// file (a change of the label) and the quantity column edit the document;
// the other fields are read when a print starts.
class TSeriesPage : public QWidget {
 public:
  TSeriesPage(TLabelDocument& document, TDocumentChanges& changes);

  // Shows the document's series file and quantity column.
  void Show() { edits_.Show(); }

  // The fields' texts as the print commands read them.
  TStartCell StartCell() const;
  std::string Copies() const;              // "Anzahl"
  TSeriesOptions SeriesOptions() const;    // start cell, line range, copies per line

  QPushButton& ChooseFileButton() const { return *chooseFile_; }
  QPushButton& ShowFileButton() const { return *showFile_; }
  QPushButton& PrintSeriesButton() const { return *printSeries_; }
  QPushButton& PrintCopiesButton() const { return *printCopies_; }

 private:
  TBoundEdits edits_;
  QLineEdit* firstLine_;
  QLineEdit* lastLine_;
  QLineEdit* copiesPerLine_;
  QLineEdit* copies_;
  QLineEdit* startRow_;
  QLineEdit* startColumn_;
  QPushButton* chooseFile_;
  QPushButton* showFile_;
  QPushButton* printSeries_;
  QPushButton* printCopies_;
};

}  // namespace quorvel

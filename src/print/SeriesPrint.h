#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/LabelPrinting.h"
#include "print/SeriesFile.h"

namespace quorvel {

class TLabelDocument;

// How far a series run is.
struct TSeriesProgress {
  int LinesRead = 0;
  int TotalLines = 0;  // of the whole file
  long long LabelsPlaced = 0;
};

// The texts of the series page's fields. The series file and the quantity
// column belong to the document.
struct TSeriesOptions {
  TStartCell Start;
  std::string FirstLine = "1";   // "Start bei Etikett "
  std::string LastLine = "9999";  // "Ende bei Etikett "
  std::string EachCount = "1";    // "jedes Etikett" ... "mal drucken"
  // Told after every line of the range.
  std::function<void(const TSeriesProgress&)> Progress;
};

// The range and copies of a series from the page's fields and the
// document's quantity column. Throws EConvertError for a field that is not
// a whole number; a quantity column that is not one means none.
TSeriesRange ReadSeriesRange(const TLabelDocument& document, const TSeriesOptions& options);

// Gives value k of a line to every object whose Variable is k: texts,
// vertical texts and barcode values take the value, a picture is read from
// the file it names (or cleared when there is none), a QR Code encodes it.
// Texts and QR Codes show their value on the design surface only after
// ShowSeriesValues, so that a run does not redraw the surface per line.
void ApplySeriesValues(TLabelDocument& document, const std::vector<std::string>& values);

// The design surface shows the values a series left: the elements of texts
// and QR Codes fed by a series value draw them again.
void ShowSeriesValues(TLabelDocument& document);

// "Start Drucken" of a series: every line of the document's series file in
// the line range fills the label and prints its copies on the sheet, cell
// after cell and page after page. Before any job begins, the file is read
// once to count the run: a missing or unreadable file, fields that are not
// numbers, a line whose quantity exceeds kMaxLineCopies and a run beyond
// kMaxSheets throw EUserError. After the printer is set up, a second pass
// checks every symbol at the job's resolution; a gate that declines the
// findings ends the action (EAbort) before the job. An error while printing
// a line (a picture that cannot be read) ends the job, so the copies placed
// are printed, and names the line. During the run the QR Codes are encoded
// for the page only; afterwards the design surface shows the last values.
TPrintOutcome PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options);

// The check of a series over the lines of the document's series file at
// the job's scale, in one pass with flat memory.
TPrintCheck CheckSeriesFile(const TLabelDocument& document, TScale scale, const TSeriesRange& range);

// The sheets PrintSeries fills, with the lines and labels on each; the
// fields and the file are read and checked as PrintSeries reads them.
std::vector<TSheetContents> PlanSeries(TLabelPrinting& printing, const TSeriesOptions& options);

}  // namespace quorvel

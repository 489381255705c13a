#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/LabelPrinting.h"

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
  // Told after every line read.
  std::function<void(const TSeriesProgress&)> Progress;
};


// Gives value k of a line to every object whose Variable is k: texts,
// vertical texts and barcode values take the value, a picture is read from
// the file it names (or cleared when there is none), a QR Code encodes it.
void ApplySeriesValues(TLabelDocument& document, const std::vector<std::string>& values);

// The copies of one line: the quantity column's value when there is one and
// it is a number (rounded, halves to even), else the each-count.
int SeriesCopies(const std::vector<std::string>& values, int quantityColumn, int eachCount);

// "Start Drucken" of a series: every line of the document's series file in
// the line range fills the label and prints its copies on the sheet, cell
// after cell and page after page. Before any job begins, the file is read
// once to count the run: a missing or unreadable file, fields that are not
// numbers, a line whose quantity exceeds kMaxLineCopies and a run beyond
// kMaxSheets throw EUserError. An error while printing a line (a picture
// that cannot be read, a value a barcode cannot encode) ends the job, so the
// copies placed are printed, and names the line.
void PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options);

// The sheets PrintSeries fills, with the lines and labels on each; the
// fields and the file are read and checked as PrintSeries reads them.
std::vector<TSheetContents> PlanSeries(TLabelPrinting& printing, const TSeriesOptions& options);

}  // namespace quorvel

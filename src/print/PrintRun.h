#pragma once

namespace quorvel {

// A running multi-copy print: the cell the next copy goes to (0-based) and a
// snapshot of the sheet layout taken when the run began. Doubles throughout,
// compared exactly, so a start cell beyond the sheet runs on past it.
struct TPrintRun {
  double PrintRow = 0;
  double PrintColumn = 0;
  double Columns = 0;
  double Rows = 0;
  double RowGap = 0;
  double ColumnGap = 0;
  double TopMargin = 0;
  double LeftMargin = 0;
  double LabelWidth = 0;
  double LabelHeight = 0;
  // The last cell of a sheet is filled: the next copy goes onto a new page.
  // Beginning it only then keeps a run that fills its last sheet exactly
  // from feeding out a blank one.
  bool NewPagePending = false;
  // The sheet the run is on, from 1.
  long long Sheet = 1;
};

}  // namespace quorvel

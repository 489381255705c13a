#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/PrintQueue.h"
#include "print/LabelPrinting.h"

namespace quorvel {

// One print job of a production run: the sheets it holds and what is on
// them, and its state once the run waited for it.
struct TPrintedJob {
  int Id = 0;
  std::string Printer;  // UTF-8
  long long FirstSheet = 0;
  long long LastSheet = 0;
  int FirstLine = 0;  // 0 for copies of the label
  int LastLine = 0;
  long long Copies = 0;
  std::optional<TJobState> State;
};

// The sheets `first` to `last` of a run (from 1) cut into jobs of at most
// `sheetsPerJob` sheets, with the lines and labels the plan puts on them.
std::vector<TPrintedJob> SplitIntoJobs(const std::vector<TSheetContents>& sheets, long long first, long long last,
                                       long long sheetsPerJob, const std::string& printer);

// "Quorvel etikett.lab Bogen 3–4" (UTF-8).
std::string JobTitle(const std::string& labelFile, const TPrintedJob& job);

// "Auftrag 12 (Bogen 5–6, Zeilen 17–24): canceled" (UTF-8).
std::string DescribeJob(const TPrintedJob& job);

// The run report: every job with its id, printer, sheets, lines, copies and,
// when the run waited, its final state; the failure that ended the run, if
// any. JSON, UTF-8.
std::string JobReportJson(const std::string& labelFile, const std::vector<TPrintedJob>& jobs,
                          const std::string& failure);

}  // namespace quorvel

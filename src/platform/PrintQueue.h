#pragma once

#include <map>
#include <string>
#include <vector>

namespace quorvel {

// The states of a print job as the print server reports them.
enum class TJobState { Pending, Held, Processing, Stopped, Canceled, Aborted, Completed, Unknown };

// Whether the job will not move on by itself: done, given up, or stopped
// until someone acts.
bool IsFinal(TJobState state);
// Whether the job printed what it held.
inline bool Succeeded(TJobState state) { return state == TJobState::Completed; }
// "pending", "completed", … as IPP names them.
const char* JobStateName(TJobState state);

// The queues of a print server (printers, classes, remote queues): submits
// a PDF file as one job and tells a job's state. Names and titles are
// UTF-8, paths native bytes.
class IPrintQueue {
 public:
  virtual ~IPrintQueue() = default;
  // Sends the PDF file as one job and returns its id. Throws EPrinterError
  // naming the queue and the server's reason.
  virtual int Submit(const std::string& queue, const std::string& title, const std::string& pdfPath) = 0;
  // Throws EPrinterError when the server cannot be asked.
  virtual TJobState State(const std::string& queue, int job) = 0;
};

// The print queue of the system's CUPS server, through libcups. A queue
// named "NAME@HOST" is the queue NAME of the IPP server HOST.
class TCupsPrintQueue : public IPrintQueue {
 public:
  int Submit(const std::string& queue, const std::string& title, const std::string& pdfPath) override;
  TJobState State(const std::string& queue, int job) override;
};

// Keeps what was submitted, for tests; every job is in the state the test
// sets (Completed unless told otherwise).
class TRecordingPrintQueue : public IPrintQueue {
 public:
  struct TJob {
    int Id;
    std::string Queue;
    std::string Title;
    std::string Pdf;  // the file's bytes when submitted
  };

  int Submit(const std::string& queue, const std::string& title, const std::string& pdfPath) override;
  TJobState State(const std::string& queue, int job) override;

  void SetState(int job, TJobState state) { states_[job] = state; }
  const std::vector<TJob>& Jobs() const { return jobs_; }

 private:
  std::vector<TJob> jobs_;
  std::map<int, TJobState> states_;
};

}  // namespace quorvel

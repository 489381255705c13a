#include "platform/PrintQueue.h"

#include <cups/cups.h>

#include <memory>

#include "platform/Errors.h"
#include "platform/ReadableFile.h"
#include "platform/SafeFile.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

[[noreturn]] void ThrowRefused(const std::string& queue, const char* what) {
  throw EPrinterError("Der Drucker " + queue + " " + what + ": " + cupsLastErrorString());
}

// The connection to the server that holds the queue, and the queue's name there.
class TServer {
 public:
  explicit TServer(const std::string& queue) : name_(queue) {
    std::size_t at = queue.rfind('@');
    if (at == std::string::npos) return;
    name_ = queue.substr(0, at);
    http_ = httpConnect2(queue.substr(at + 1).c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000,
                         nullptr);
    if (!http_) ThrowRefused(queue, "ist nicht erreichbar");
  }
  ~TServer() {
    if (http_) httpClose(http_);
  }
  TServer(const TServer&) = delete;
  TServer& operator=(const TServer&) = delete;

  http_t* Http() const { return http_ ? http_ : CUPS_HTTP_DEFAULT; }
  const char* Name() const { return name_.c_str(); }

 private:
  std::string name_;
  http_t* http_ = nullptr;
};

TJobState FromIpp(ipp_jstate_t state) {
  switch (state) {
    case IPP_JSTATE_PENDING: return TJobState::Pending;
    case IPP_JSTATE_HELD: return TJobState::Held;
    case IPP_JSTATE_PROCESSING: return TJobState::Processing;
    case IPP_JSTATE_STOPPED: return TJobState::Stopped;
    case IPP_JSTATE_CANCELED: return TJobState::Canceled;
    case IPP_JSTATE_ABORTED: return TJobState::Aborted;
    case IPP_JSTATE_COMPLETED: return TJobState::Completed;
  }
  return TJobState::Unknown;
}

}  // namespace

bool IsFinal(TJobState state) {
  return state == TJobState::Stopped || state == TJobState::Canceled || state == TJobState::Aborted ||
         state == TJobState::Completed;
}

const char* JobStateName(TJobState state) {
  switch (state) {
    case TJobState::Pending: return "pending";
    case TJobState::Held: return "held";
    case TJobState::Processing: return "processing";
    case TJobState::Stopped: return "stopped";
    case TJobState::Canceled: return "canceled";
    case TJobState::Aborted: return "aborted";
    case TJobState::Completed: return "completed";
    case TJobState::Unknown: break;
  }
  return "unknown";
}

int TCupsPrintQueue::Submit(const std::string& queue, const std::string& title, const std::string& pdfPath) {
  TReadableFile pdf(DisplayPath(pdfPath));
  TServer server(queue);
  int job = cupsCreateJob(server.Http(), server.Name(), title.c_str(), 0, nullptr);
  if (job == 0) ThrowRefused(queue, "nimmt keinen Auftrag an");
  auto refuse = [&](const char* what) {
    cupsCancelJob2(server.Http(), server.Name(), job, 0);
    ThrowRefused(queue, what);
  };
  if (cupsStartDocument(server.Http(), server.Name(), job, title.c_str(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
    refuse("nimmt das Dokument nicht an");
  char buffer[1 << 16];
  while (std::size_t count = pdf.Read(buffer, sizeof buffer))
    if (cupsWriteRequestData(server.Http(), buffer, count) != HTTP_STATUS_CONTINUE) refuse("bricht die Übertragung ab");
  if (cupsFinishDocument(server.Http(), server.Name()) != IPP_STATUS_OK) refuse("nimmt das Dokument nicht an");
  return job;
}

// Asked of the job itself: listings of a destination's jobs leave out jobs
// sent to a class once a member printed them.
TJobState TCupsPrintQueue::State(const std::string& queue, int job) {
  TServer server(queue);
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  std::string uri = "ipp://localhost/jobs/" + std::to_string(job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ipp_t* response = cupsDoRequest(server.Http(), request, "/");
  if (!response) ThrowRefused(queue, "nennt den Zustand seiner Auftr\u00e4ge nicht");
  ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
  TJobState result = state ? FromIpp(static_cast<ipp_jstate_t>(ippGetInteger(state, 0))) : TJobState::Unknown;
  ippDelete(response);
  return result;
}

int TRecordingPrintQueue::Submit(const std::string& queue, const std::string& title, const std::string& pdfPath) {
  int id = static_cast<int>(jobs_.size()) + 1;
  jobs_.push_back({id, queue, title, ReadWholeFile(DisplayPath(pdfPath), UINT64_MAX)});
  return id;
}

TJobState TRecordingPrintQueue::State(const std::string&, int job) {
  auto state = states_.find(job);
  return state == states_.end() ? TJobState::Completed : state->second;
}

}  // namespace quorvel

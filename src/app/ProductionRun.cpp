#include "app/ProductionRun.h"

#include <algorithm>
#include <cstdio>

namespace quorvel {
namespace {

std::string FileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string JsonString(const std::string& utf8) {
  std::string quoted = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      quoted += escaped;
    } else {
      quoted += static_cast<char>(c);
    }
  }
  return quoted + '"';
}

std::string Range(long long first, long long last) {
  return first == last ? std::to_string(first) : std::to_string(first) + "\u2013" + std::to_string(last);
}

}  // namespace

std::vector<TPrintedJob> SplitIntoJobs(const std::vector<TSheetContents>& sheets, long long first, long long last,
                                       long long sheetsPerJob, const std::string& printer) {
  std::vector<TPrintedJob> jobs;
  for (long long from = first; from <= last; from += sheetsPerJob) {
    TPrintedJob job{0, printer, from, std::min(last, from + sheetsPerJob - 1)};
    for (long long sheet = job.FirstSheet; sheet <= job.LastSheet; ++sheet) {
      const TSheetContents& contents = sheets[static_cast<std::size_t>(sheet - 1)];
      if (contents.FirstLine > 0 && job.FirstLine == 0) job.FirstLine = contents.FirstLine;
      job.LastLine = std::max(job.LastLine, contents.LastLine);
      job.Copies += contents.Labels;
    }
    jobs.push_back(job);
  }
  return jobs;
}

std::string JobTitle(const std::string& labelFile, const TPrintedJob& job) {
  return "Quorvel " + FileName(labelFile) + " Bogen " + std::to_string(job.FirstSheet) + "\u2013" +
         std::to_string(job.LastSheet);
}

std::string DescribeJob(const TPrintedJob& job) {
  std::string text = "Auftrag " + std::to_string(job.Id) + " (Bogen " + Range(job.FirstSheet, job.LastSheet);
  if (job.FirstLine > 0) text += ", Zeilen " + Range(job.FirstLine, job.LastLine);
  text += ")";
  if (job.State) text += std::string(": ") + JobStateName(*job.State);
  return text;
}

std::string JobReportJson(const std::string& labelFile, const std::vector<TPrintedJob>& jobs,
                          const std::string& failure) {
  auto line = [](long long value) { return value > 0 ? std::to_string(value) : std::string("null"); };
  std::string json = "{\n  \"label\": " + JsonString(labelFile) + ",\n  \"jobs\": [";
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const TPrintedJob& job = jobs[i];
    json += i ? ",\n    {" : "\n    {";
    json += "\"id\": " + std::to_string(job.Id) + ", \"printer\": " + JsonString(job.Printer) +
            ", \"first_sheet\": " + std::to_string(job.FirstSheet) + ", \"last_sheet\": " +
            std::to_string(job.LastSheet) + ", \"first_line\": " + line(job.FirstLine) +
            ", \"last_line\": " + line(job.LastLine) + ", \"copies\": " + std::to_string(job.Copies);
    if (job.State) json += ", \"state\": \"" + std::string(JobStateName(*job.State)) + "\"";
    json += "}";
  }
  json += jobs.empty() ? "],\n" : "\n  ],\n";
  json += "  \"ok\": " + std::string(failure.empty() ? "true" : "false");
  if (!failure.empty()) json += ",\n  \"error\": " + JsonString(failure);
  return json + "\n}\n";
}

}  // namespace quorvel

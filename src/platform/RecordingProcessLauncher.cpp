#include "platform/ProcessLauncher.h"

namespace quorvel {

bool TRecordingProcessLauncher::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                             const std::string& workingDirectory) {
  launches_.push_back({program, arguments, workingDirectory, {}});
  return Succeed;
}

bool TRecordingProcessLauncher::OpenDocument(const std::string& pathOrAddress) {
  launches_.push_back({{}, {}, {}, pathOrAddress});
  return Succeed;
}

}  // namespace quorvel

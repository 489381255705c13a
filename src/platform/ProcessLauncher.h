#pragma once

#include <string>
#include <vector>

namespace quorvel {

// Starts other programs without waiting for them, always with an argument
// list and never through a shell.
class IProcessLauncher {
 public:
  virtual ~IProcessLauncher() = default;
  // Returns false when the program could not be started. An empty working
  // directory is this program's own.
  virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& workingDirectory) = 0;
  // Opens a file, or an address with a scheme ("https://..."), with the
  // desktop's default application for it.
  virtual bool OpenDocument(const std::string& pathOrAddress) = 0;
};

class TQtProcessLauncher : public IProcessLauncher {
 public:
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingDirectory) override;
  bool OpenDocument(const std::string& pathOrAddress) override;
};

// Records what would have been started, for tests.
class TRecordingProcessLauncher : public IProcessLauncher {
 public:
  struct TLaunch {
    std::string Program;  // empty for OpenDocument
    std::vector<std::string> Arguments;
    std::string WorkingDirectory;
    std::string Document;  // set for OpenDocument
  };

  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingDirectory) override;
  bool OpenDocument(const std::string& pathOrAddress) override;

  const std::vector<TLaunch>& Launches() const { return launches_; }
  bool Succeed = true;  // what the calls report

 private:
  std::vector<TLaunch> launches_;
};

}  // namespace quorvel

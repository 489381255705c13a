#pragma once

#include <memory>
#include <string>
#include <string_view>

class QIODevice;

namespace quorvel {

// Paths inside the program are the system's bytes (UTF-8 here, but any
// bytes a name may hold); DisplayPath gives one as UTF-8 text for messages.
std::string DisplayPath(std::string_view nativePath);

// Writes one file so that it is either complete or not written at all: the
// bytes go to a temporary file in the target's folder, which is flushed,
// synced and closed with every error checked, and only then renamed over
// the target. Until Commit, and after any failure, whatever was at the
// target stays byte for byte; the destructor removes an uncommitted
// temporary file. Paths are native bytes. A target that exists and is not a
// regular file (a folder, a device, a pipe) is refused; a symbolic link is
// followed, so the file it names is replaced and the link kept.
class TSafeFile {
 public:
  // Creates the temporary file. Throws EUserError naming the target and the
  // system's reason.
  explicit TSafeFile(const std::string& path);
  ~TSafeFile();
  TSafeFile(const TSafeFile&) = delete;
  TSafeFile& operator=(const TSafeFile&) = delete;

  // Appends bytes. A failure is kept and reported by Commit, so writers that
  // ignore errors (Qt's PDF and image writers) cannot hide one.
  void Write(std::string_view bytes);
  // A device over Write, for Qt writers.
  QIODevice& Device();

  // Syncs, closes and renames over the target; throws EUserError naming the
  // target and the first error met, after removing the temporary file.
  void Commit();
  // Removes the temporary file; the target is left as it was.
  void Discard();

  const std::string& Target() const { return target_; }
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  static constexpr std::size_t kBufferSize = 1 << 16;

  void Flush();
  [[noreturn]] void Fail(int error);
  void Close();

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  int firstError_ = 0;
  std::string buffer_;
  std::unique_ptr<QIODevice> device_;
};

// Writes the bytes to the path through TSafeFile.
void WriteFileSafely(const std::string& path, std::string_view bytes);

// Whether both native paths name the same existing file (same device and
// inode, whatever the spelling, links included).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace quorvel

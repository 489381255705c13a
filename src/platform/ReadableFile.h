#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// A regular file opened for reading. Everything the program reads (labels,
// series, settings, pictures) comes through here, so a folder, a device or a
// pipe is refused before a byte is read, and every refusal names the file
// and the real reason. Paths are the system's bytes, as inside the program.
class TReadableFile {
 public:
  // Throws EUserError: "Die Datei <path> existiert nicht" only when nothing
  // is there, "… ist keine gewöhnliche Datei", or "… kann nicht gelesen
  // werden: <system reason>".
  explicit TReadableFile(const std::string& path);
  ~TReadableFile();
  TReadableFile(const TReadableFile&) = delete;
  TReadableFile& operator=(const TReadableFile&) = delete;

  // Up to `size` bytes; 0 at the end. Throws EUserError with the system's reason.
  std::size_t Read(char* buffer, std::size_t size);
  void Rewind();
  std::uint64_t Size() const { return size_; }
  const std::string& Path() const { return path_; }

  // Refuses a file larger than `maxBytes`, naming the file and the limit.
  void RequireAtMost(std::uint64_t maxBytes) const;

 private:
  std::string path_;
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

// The whole file, for the few readers that need all of it at once
// (pictures); a file larger than `maxBytes` is refused before it is read.
std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace quorvel

#include "platform/ReadableFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"
#include "platform/SafeFile.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = 1 << 20;
  return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB" : std::to_string(bytes) + " Bytes";
}

[[noreturn]] void ThrowUnreadable(const std::string& path, int error) {
  throw EUserError("Die Datei " + path + " kann nicht gelesen werden: " +
                   std::strerror(error));
}

}  // namespace

TReadableFile::TReadableFile(const std::string& path) : path_(path) {
  // Not blocking, so that opening a pipe without a writer cannot hang; the
  // descriptor is checked to be a regular file before anything is read.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) throw EUserError("Die Datei " + path_ + " existiert nicht");
    ThrowUnreadable(path_, errno);
  }
  struct stat status {};
  int statError = fstat(fd, &status) == 0 ? 0 : errno;
  if (statError != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    if (statError != 0) ThrowUnreadable(path_, statError);
    throw EUserError("Die Datei " + path_ + " ist keine gewöhnliche Datei");
  }
  fd_ = fd;
  size_ = static_cast<std::uint64_t>(status.st_size);
}

TReadableFile::~TReadableFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t TReadableFile::Read(char* buffer, std::size_t size) {
  for (;;) {
    ssize_t count = ::read(fd_, buffer, size);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) ThrowUnreadable(path_, errno);
  }
}

void TReadableFile::Rewind() {
  if (lseek(fd_, 0, SEEK_SET) != 0) ThrowUnreadable(path_, errno);
}

void TReadableFile::RequireAtMost(std::uint64_t maxBytes) const {
  if (size_ <= maxBytes) return;
  throw EUserError("Die Datei " + path_ + " ist größer als " + SizeText(maxBytes) +
                   " und wird nicht gelesen");
}

std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  TReadableFile file(path);
  file.RequireAtMost(maxBytes);
  std::string bytes(file.Size(), '\0');
  std::size_t filled = 0;
  // The file may have grown or shrunk since it was measured: read what is there, within the limit.
  while (filled < bytes.size()) {
    std::size_t count = file.Read(bytes.data() + filled, bytes.size() - filled);
    if (count == 0) break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace quorvel

#include "platform/SafeFile.h"

#include <QFile>
#include <QIODevice>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

// Qt's writers take a device; this one hands every byte to the safe file.
class TSafeFileDevice : public QIODevice {
 public:
  explicit TSafeFileDevice(TSafeFile& file) : file_(file) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    file_.Write(std::string_view(data, static_cast<std::size_t>(size)));
    return size;
  }

 private:
  TSafeFile& file_;
};

std::string SystemReason(int error) { return std::strerror(error); }

std::string UnwritableMessage(const std::string& target, int error) {
  return "Die Datei " + DisplayPath(target) + " kann nicht geschrieben werden: " + SystemReason(error);
}

// A symbolic link keeps pointing where it did: the file it names is replaced.
std::string ResolvedTarget(const std::string& path) {
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string DisplayPath(std::string_view nativePath) { return FromQString(ToQPath(nativePath)); }

TSafeFile::TSafeFile(const std::string& path) : target_(ResolvedTarget(path)) {
  mode_t mode = NewFileMode();
  struct stat existing {};
  if (stat(target_.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode))
      throw EUserError("Die Datei " + DisplayPath(target_) +
                       " kann nicht geschrieben werden: keine gewöhnliche Datei");
    mode = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    throw EUserError(UnwritableMessage(target_, errno));
  }
  std::string pattern = FolderOf(target_) + "/." + NameOf(target_) + ".XXXXXX";
  fd_ = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) throw EUserError(UnwritableMessage(target_, errno));
  temporary_ = pattern;
  if (fchmod(fd_, mode) != 0) firstError_ = errno;
}

TSafeFile::~TSafeFile() { Discard(); }

void TSafeFile::Write(std::string_view bytes) {
  // Qt's writers hand over a few bytes at a time.
  buffer_ += bytes;
  if (buffer_.size() >= kBufferSize) Flush();
}

void TSafeFile::Flush() {
  std::string_view bytes = buffer_;
  while (fd_ >= 0 && firstError_ == 0 && !bytes.empty()) {
    ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      firstError_ = written < 0 ? errno : ENOSPC;
      return;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  buffer_.clear();
}

QIODevice& TSafeFile::Device() {
  if (!device_) device_ = std::make_unique<TSafeFileDevice>(*this);
  return *device_;
}

void TSafeFile::Close() {
  buffer_.clear();
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && firstError_ == 0) firstError_ = errno;
}

void TSafeFile::Commit() {
  if (temporary_.empty()) throw EUserError(UnwritableMessage(target_, EBADF));
  Flush();
  if (firstError_ == 0 && fsync(fd_) != 0) firstError_ = errno;
  Close();
  if (firstError_ != 0) Fail(firstError_);
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
  temporary_.clear();
  // The rename itself reaches the disk with the folder; the file is in place
  // either way, so a folder that cannot be synced is no failure.
  int folder = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    ::close(folder);
  }
}

void TSafeFile::Fail(int error) {
  Discard();
  throw EUserError(UnwritableMessage(target_, error));
}

void TSafeFile::Discard() {
  Close();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

void WriteFileSafely(const std::string& path, std::string_view bytes) {
  TSafeFile file(path);
  file.Write(bytes);
  file.Commit();
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace quorvel

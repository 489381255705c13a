// Saving onto a full filesystem: the old label stays byte for byte and the
// document stays modified.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QDir>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// A folder where writing soon fails for lack of room: a small tmpfs where
// this process may mount one, else a limit on the size of files written
// (an injected write error: EFBIG instead of ENOSPC).
class TFullFolder {
 public:
  TFullFolder() {
    path_ = dir_.Path("small");
    QDir().mkpath(QString::fromStdString(path_));
    mounted_ = mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~TFullFolder() {
    if (mounted_) umount(path_.c_str());
    if (limited_) setrlimit(RLIMIT_FSIZE, &previous_);
  }

  // From now on, writing more than `room` further bytes fails.
  void LeaveRoomFor(std::size_t room, std::size_t existing) {
    if (mounted_) {
      // Fill what tmpfs has beyond the room; it counts in pages.
      test::WriteFile(path_ + "/filler", std::string(64 * 1024 - existing - room - 8192, 'f'));
      return;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = room;
    limited_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }

  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  bool Mounted() const { return mounted_; }

 private:
  test::TTempDir dir_;
  std::string path_;
  bool mounted_ = false;
  bool limited_ = false;
  rlimit previous_{};
};

TEST(SafeSaveTest, ASaveThatRunsOutOfRoomKeepsTheOldLabelAndTheDocumentModified) {
  TFullFolder folder;
  auto document = [](int texts) {
    auto d = std::make_unique<TLabelDocument>();
    for (int i = 0; i < texts; ++i) d->Append(std::make_unique<TLabelObject>(TObjectKind::okText)).Text = std::string(200, 'a' + i % 26);
    return d;
  };
  std::string path = folder.Path("etikett.lab");
  auto old = document(20);
  save_label(*old, path);
  std::string oldBytes = test::ReadFile(path);
  folder.LeaveRoomFor(4096, oldBytes.size());

  auto bigger = document(55);
  bigger->Modified = true;
  try {
    save_label(*bigger, path);
    FAIL() << "the save reported success " << (folder.Mounted() ? "on a full tmpfs" : "beyond the file size limit");
  } catch (const EUserError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_EQ(test::ReadFile(path), oldBytes);
  EXPECT_TRUE(bigger->Modified);
  EXPECT_EQ(QDir(QString::fromStdString(folder.Path(""))).entryList(QDir::Hidden | QDir::Files).filter("etikett.lab.").size(), 0);
}

}  // namespace
}  // namespace quorvel

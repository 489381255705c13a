#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"
#include "platform/SafeFile.h"
#include "platform/TextLineReader.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

std::string Message(const std::function<void()>& action) {
  try {
    action();
  } catch (const EUserError& e) {
    return e.what();
  }
  return "";
}

TEST(TextLineReaderTest, RefusesWhatIsNoSmallRegularFileWithTheRealReason) {
  test::TTempDir dir;
  test::WriteFile(dir.Path("big.txt"), std::string(101, 'x'));
  test::WriteFile(dir.Path("long.txt"), "short\n" + std::string(11, 'x') + "\r\n");
  test::WriteFile(dir.Path("locked.txt"), "x");
  chmod(dir.Path("locked.txt").c_str(), 0);
  mkfifo(dir.Path("fifo").c_str(), 0600);
  struct {
    std::string Path;
    std::string Message;
  } cases[] = {
      {dir.Path("none.txt"), "Die Datei " + dir.Path("none.txt") + " existiert nicht"},
      {dir.Path("."), "Die Datei " + dir.Path(".") + " ist keine gewöhnliche Datei"},
      {dir.Path("fifo"), "Die Datei " + dir.Path("fifo") + " ist keine gewöhnliche Datei"},
      {"/dev/zero", "Die Datei /dev/zero ist keine gewöhnliche Datei"},
      {dir.Path("big.txt"), "Die Datei " + dir.Path("big.txt") + " ist größ" "er als 100 Bytes"},
      {dir.Path("long.txt"), "Die Datei " + dir.Path("long.txt") + " enthält in Zeile 2 mehr als 10 Zeichen"},
  };
  for (const auto& c : cases) {
    std::string message = Message([&] {
      TTextLineReader reader(c.Path, {100, 10});
      std::string line;
      while (reader.NextLine(line)) {
      }
    });
    EXPECT_EQ(message.substr(0, c.Message.size()), c.Message) << message;
  }
  // Root reads files whatever their mode.
  if (geteuid() != 0)
    EXPECT_NE(Message([&] { TTextLineReader(dir.Path("locked.txt"), {100, 10}); }).find("Permission denied"),
              std::string::npos);
}

TEST(TextLineReaderTest, ReadsLinesAcrossChunksInEitherEncoding) {
  test::TTempDir dir;
  std::string path = dir.Path("lines.txt");
  const std::string longLine(200'000, 'y');  // spans several read chunks
  struct {
    std::string Bytes;
    std::vector<std::string> Lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\n\nc", {"a", "b", "", "c"}},
      {"\xEF\xBB\xBF" "abc\n", {"abc"}},
      {"Gr\xC3\xB6\xC3\x9F" "e\n\xE2\x82\xAC\n", {"Größe", "€"}},
      {"Gr\xF6\xDF" "e\n", {"Größe"}},  // Windows-1252 becomes UTF-8
      {longLine + "\n" + longLine, {longLine, longLine}},
  };
  for (const auto& c : cases) {
    test::WriteFile(path, c.Bytes);
    TTextLineReader reader(path, {1 << 20, 200'000});
    std::vector<std::string> lines;
    std::string line;
    while (reader.NextLine(line)) lines.push_back(line);
    EXPECT_EQ(lines, c.Lines) << c.Bytes.substr(0, 40);
    EXPECT_EQ(reader.LineNumber(), static_cast<int>(c.Lines.size()));
  }
}

TEST(SafeFileTest, ReplacesOnlyOnCommitAndKeepsModeAndLinks) {
  test::TTempDir dir;
  std::string target = dir.Path("out.txt");
  test::WriteFile(target, "old");
  chmod(target.c_str(), 0640);
  symlink(target.c_str(), dir.Path("link.txt").c_str());
  {
    TSafeFile file(dir.Path("link.txt"));
    file.Write("new");
    EXPECT_EQ(test::ReadFile(target), "old");
  }  // never committed
  EXPECT_EQ(test::ReadFile(target), "old");
  WriteFileSafely(dir.Path("link.txt"), "new");
  EXPECT_EQ(test::ReadFile(target), "new");
  struct stat link {}, file {};
  lstat(dir.Path("link.txt").c_str(), &link);
  stat(target.c_str(), &file);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(file.st_mode & 0777, 0640u);
  EXPECT_TRUE(SameFile(dir.Path("link.txt"), dir.Path("./out.txt")));
  EXPECT_FALSE(SameFile(target, dir.Path("none.txt")));
  EXPECT_NE(Message([&] { WriteFileSafely(dir.Path("."), "x"); }).find("keine gewöhnliche Datei"), std::string::npos);
  EXPECT_NE(Message([&] { WriteFileSafely(dir.Path("none/x.txt"), "x"); }).find("kann nicht geschrieben werden: "),
            std::string::npos);
}

}  // namespace
}  // namespace quorvel

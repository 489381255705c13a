// quorvel-batch under hostile input: outputs survive failures byte for byte,
// failures are reported as such, memory stays bounded, signals stop cleanly.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <fstream>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "support/TempDir.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_TEST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QUORVEL_TEST_ASAN)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

namespace quorvel {
namespace {

struct TRun {
  int ExitCode = -1;
  std::string Errors;
  long PeakKiB = 0;
};

// A child process of the batch program, watched with wait4 so that its own
// peak memory is known. It is forked, not spawned: a child that shares the
// test's memory until it starts the program would report the test's peak.
class TBatchProcess {
 public:
  explicit TBatchProcess(std::vector<std::string> arguments, const std::string& errorsPath,
                         std::vector<std::string> prefix = {})
      : errorsPath_(errorsPath) {
    std::vector<std::string> all = std::move(prefix);
    all.push_back(QUORVEL_BATCH_EXE);
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(errors, 2);
      execvp(argv[0], argv.data());
      _exit(127);
    }
  }

  void Signal(int signal) const { kill(pid_, signal); }

  TRun Wait() {
    TRun run;
    int status = 0;
    rusage usage{};
    if (pid_ <= 0 || wait4(pid_, &status, 0, &usage) != pid_) return run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.PeakKiB = usage.ru_maxrss;
    run.Errors = test::ReadFile(errorsPath_);
    return run;
  }

 private:
  pid_t pid_ = -1;
  std::string errorsPath_;
};

// Writes `count` copies of a byte after `prefix` without holding them in memory.
void WriteRepeated(const std::string& path, const std::string& prefix, char byte, std::size_t count) {
  std::ofstream out(path, std::ios::binary);
  out << prefix;
  const std::string chunk(1 << 20, byte);
  for (; count >= chunk.size(); count -= chunk.size()) out << chunk;
  out << chunk.substr(0, count);
}

class BatchSafetyTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir.Path(name); }

  // A label of 60 x 30 mm, 2 x 2 on 120 x 60 mm, with a Code 128 of variable 1.
  std::string Label(const std::function<void(TLabelDocument&)>& change = {}) {
    TLabelDocument document;
    document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
    TLabelObject& barcode = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    barcode.Left = 80, barcode.Top = 20, barcode.Width = 440, barcode.Height = 240, barcode.Variable = 1;
    barcode.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
    barcode.Barcode().SetBarCode("QUORVEL");
    if (change) change(document);
    std::string path = Path("label.lab");
    save_label(document, path);
    return path;
  }

  TRun Run(std::vector<std::string> arguments, std::vector<std::string> prefix = {}) {
    return TBatchProcess(std::move(arguments), Path("errors.txt"), std::move(prefix)).Wait();
  }

  // The names in the folder that are neither inputs nor expected outputs.
  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> names;
    for (const QString& name : QDir(QString::fromStdString(dir.Path("."))).entryList(QDir::Files | QDir::Hidden))
      if (name.startsWith('.')) names.push_back(name.toStdString());
    return names;
  }

  test::TTempDir dir;
};

// Items 1, 2 and 6: whatever fails, the file at the output path is the old one.
TEST_F(BatchSafetyTest, AFailedOrRefusedRunLeavesEveryOutputPathAsItWas) {
  std::string label = Label();
  std::string labelBytes = test::ReadFile(label);
  const std::string old = "%PDF old output, not to be lost\n";
  test::WriteFile(Path("out.pdf"), old);
  test::WriteFile(Path("series.csv"), "A;1\nB;1000000000\n");
  struct {
    std::vector<std::string> Arguments;
    int ExitCode;
    std::string Message;
  } cases[] = {
      {{label, "--pdf", Path("out.pdf"), "--copies", "abc"}, 2, "--copies erwartet eine ganze Zahl"},
      {{label, "--pdf", Path("out.pdf"), "--copies", "0"}, 2, "--copies"},
      {{label, "--pdf", Path("out.pdf"), "--copies", "2000000000"}, 2, "--copies"},
      {{label, "--pdf", Path("out.pdf"), "--start", "a/b"}, 2, "--start"},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("series.csv"), "--quantity-column", "abc"}, 2,
       "--quantity-column"},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("series.csv"), "--from", "5", "--to", "2"}, 2, "--from 5"},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("series.csv"), "--each", "2000000000"}, 2, "--each"},
      {{label, "--pdf", Path("out.pdf"), "--sheet-width", "0", "--sheet-height", "0"}, 2, "--sheet-width"},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("series.csv"), "--quantity-column", "2"}, 1,
       "Zeile 2, Spalte 2"},
      {{label, "--pdf", Path("out.pdf"), "--series", Path(".")}, 1, "ist keine gew\xC3\xB6hnliche Datei"},
      {{label, "--pdf", label, "--copies", "2"}, 2, "ist die Etikettdatei"},
      {{label, "--pdf", Path("./label.lab"), "--copies", "abc"}, 2, "--copies"},
      {{label, "--png", Path("series.csv"), "--pdf", Path("out.pdf"), "--series", Path("series.csv")}, 2,
       "ist die Seriendatei"},
  };
  for (const auto& c : cases) {
    TRun run = Run(c.Arguments);
    std::string call;
    for (const std::string& a : c.Arguments) call += a + ' ';
    EXPECT_EQ(run.ExitCode, c.ExitCode) << call << run.Errors;
    EXPECT_NE(run.Errors.find(c.Message), std::string::npos) << call << run.Errors;
    EXPECT_EQ(test::ReadFile(Path("out.pdf")), old) << call;
    EXPECT_EQ(test::ReadFile(label), labelBytes) << call;
  }
  EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

TEST_F(BatchSafetyTest, ANonAsciiOutputNameIsTheFileWritten) {
  TRun run = Run({Label(), "--pdf", Path("日本.pdf")});
  ASSERT_EQ(run.ExitCode, 0) << run.Errors;
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Path("日本.pdf"))));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("??.pdf"))));
}

// Item 3: a write that fails is a failure.
TEST_F(BatchSafetyTest, WritingToAFullDeviceFails) {
  TRun run = Run({Label(), "--pdf", "/dev/full"});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Errors.find("/dev/full"), std::string::npos) << run.Errors;
}

// Item 4: running out of memory is a message and status 1, not an abort.
// The address space is narrowed step by step until a run no longer fits.
TEST_F(BatchSafetyTest, RunningOutOfMemoryEndsWithAMessage) {
  if (kAddressSanitizer)
    GTEST_SKIP() << "AddressSanitizer reserves its shadow memory beyond any address-space limit; the Release build runs this";
  std::string label = Label();
  TRun run;
  int megabytes = 300;
  for (; megabytes >= 60 && run.ExitCode <= 0; megabytes -= 5) {
    test::WriteFile(Path("out.pdf"), "old");
    run = Run({label, "--pdf", Path("out.pdf"), "--copies", "1000"},
              {"prlimit", "--as=" + std::to_string(megabytes << 20), "--"});
  }
  EXPECT_EQ(run.ExitCode, 1) << "at " << megabytes + 5 << " MiB: " << run.Errors;
  EXPECT_NE(run.Errors.find("Arbeitsspeicher"), std::string::npos) << run.Errors;
  EXPECT_EQ(test::ReadFile(Path("out.pdf")), "old");
  EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

// Item 5: inputs that look harmless but once took gigabytes.
TEST_F(BatchSafetyTest, PeakMemoryStaysBoundedWhateverTheInput) {
  constexpr long kLimitKiB = 200 * 1024;
  std::string hugeBarcode = Label([](TLabelDocument& d) { d.Object(1).Width = d.Object(1).Height = INT_MAX; });
  std::rename(hugeBarcode.c_str(), Path("huge-barcode.lab").c_str());
  std::string label = Label();
  WriteRepeated(Path("empty-lines.lab"), test::ReadFile(label), '\n', 100 << 20);
  int sparse = open(Path("two-gigabytes.lab").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_EQ(ftruncate(sparse, 2LL << 30), 0);
  close(sparse);
  WriteRepeated(Path("long-line.csv"), "", 'x', 30 << 20);
  std::string grid = Label([](TLabelDocument& d) { d.Layout.Columns = d.Layout.Rows = "10000"; });
  std::rename(grid.c_str(), Path("grid.lab").c_str());
  struct {
    std::vector<std::string> Arguments;
    int ExitCode;
  } cases[] = {
      {{Path("huge-barcode.lab"), "--pdf", Path("out.pdf")}, 0},
      {{Path("empty-lines.lab"), "--pdf", Path("out.pdf")}, 1},
      {{Path("two-gigabytes.lab"), "--pdf", Path("out.pdf")}, 1},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("long-line.csv")}, 1},
      {{Path("grid.lab"), "--pdf", Path("out.pdf"), "--copies", "300000"}, 2},
      {{Path("grid.lab"), "--pdf", Path("out.pdf"), "--copies", "100000"}, 0},
  };
  for (const auto& c : cases) {
    TRun run = Run(c.Arguments);
    EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Arguments[0] << ' ' << run.Errors;
    EXPECT_LT(run.PeakKiB, kLimitKiB) << c.Arguments[0];
  }
}

// Item 6: a stop signal ends the run between labels without output.
TEST_F(BatchSafetyTest, AStopSignalKeepsTheOldOutputAndLeavesNoTemporaryFile) {
  std::string label = Label();
  test::WriteFile(Path("out.pdf"), "old");
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    TBatchProcess process({label, "--pdf", Path("out.pdf"), "--copies", "100000"}, Path("errors.txt"));
    // Wait until the run writes its temporary file, then stop it.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (TemporaryFiles().empty() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(TemporaryFiles().empty()) << "the run never began writing";
    process.Signal(signal);
    TRun run = process.Wait();
    EXPECT_EQ(run.ExitCode, 128 + signal) << run.Errors;
    EXPECT_EQ(test::ReadFile(Path("out.pdf")), "old");
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
  }
}

// Items 7 and 8: what the designer would work around ends the run, and
// messages name what is wrong without echoing raw bytes.
TEST_F(BatchSafetyTest, BadFilesEndTheRunWithAMessageNamingThem) {
  std::string label = Label();
  test::WriteFile(Path("empty.lab"), "");
  test::WriteFile(Path("zero-sheet.lab"), "60;30;0;0;1;1;0;0;0;0;;0;;\r\n");
  test::WriteFile(Path("nul.lab"), std::string(200, '\0'));
  mkfifo(Path("fifo").c_str(), 0600);
  struct {
    std::vector<std::string> Arguments;
    std::string Message;
    std::string Absent;
  } cases[] = {
      {{Path("empty.lab"), "--pdf", Path("out.pdf")}, "ist leer", ""},
      {{Path("zero-sheet.lab"), "--pdf", Path("out.pdf")}, "Blattbreite falsch angegeben", ""},
      {{Path("nul.lab"), "--pdf", Path("out.pdf")}, "'\\x00\\x00", ""},
      {{label, "--pdf", Path("out.pdf"), "--series", Path("fifo")}, "fifo ist keine gew\xC3\xB6hnliche Datei",
       "existiert nicht"},
      {{QDir::tempPath().toStdString(), "--pdf", Path("out.pdf")}, "keine gew\xC3\xB6hnliche Datei",
       "existiert nicht"},
  };
  for (const auto& c : cases) {
    TRun run = Run(c.Arguments);
    EXPECT_EQ(run.ExitCode, 1) << c.Arguments[0] << run.Errors;
    EXPECT_NE(run.Errors.find(c.Message), std::string::npos) << run.Errors;
    EXPECT_LT(run.Errors.size(), 400u) << run.Errors;
    if (!c.Absent.empty()) EXPECT_EQ(run.Errors.find(c.Absent), std::string::npos) << run.Errors;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("out.pdf"))));
  }
}

TEST_F(BatchSafetyTest, QtWarningsDoNotReachTheUser) {
  // A font size of 0 makes Qt warn about the point size.
  std::string label = Label([](TLabelDocument& d) {
    TLabelObject& text = d.Append(std::make_unique<TLabelObject>(TObjectKind::okText));
    text.Text = "Null";
    text.FontSize = 0;
  });
  TRun run = Run({label, "--pdf", Path("out.pdf")});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Errors, "");
}

}  // namespace
}  // namespace quorvel

#include "FuzzSupport.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>

// fontconfig keeps the font sets that Qt asks for the first time a label
// names a face, beyond the reach of LeakSanitizer; those are the library's
// caches, not leaks of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace quorvel::fuzz {

namespace {

std::string InputDirectory() {
  static const std::string directory = [] {
    std::string pattern = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/quorvel-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return directory;
}

}  // namespace

std::string WriteInputFile(const std::uint8_t* data, std::size_t size, std::string_view suffix) {
  std::string path = InputDirectory() + "/input" + std::string(suffix);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
  return path;
}

void EnsureGuiApplication() {
  // Never destroyed: libFuzzer leaves through exit(), and Qt must not be
  // torn down under static destructors that may still run inputs.
  static QGuiApplication* application = nullptr;
  if (application) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "quorvel-fuzz";
  static char* argv[] = {name, nullptr};
  application = new QGuiApplication(argc, argv);
}

}  // namespace quorvel::fuzz

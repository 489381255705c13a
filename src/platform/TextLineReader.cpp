#include "platform/TextLineReader.h"

#include <string_view>

#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

TTextLineReader::TTextLineReader(const std::string& path, TTextLimits limits) : file_(path), limits_(limits) {
  file_.RequireAtMost(limits_.MaxFileBytes);
  utf8_ = WholeFileIsUtf8();
  Restart();
  // A byte-order mark says UTF-8 whatever follows; it is no part of line 1.
  if (FillBuffer() && std::string_view(buffer_).starts_with(kUtf8ByteOrderMark)) {
    utf8_ = true;
    position_ = kUtf8ByteOrderMark.size();
  }
}

void TTextLineReader::Restart() {
  file_.Rewind();
  buffer_.clear();
  position_ = 0;
  lineNumber_ = 0;
}

// Whether the whole file is UTF-8. Line breaks are ASCII, so no UTF-8
// sequence spans two lines. A line that cannot be read ends the look;
// reading then stops at that line.
bool TTextLineReader::WholeFileIsUtf8() {
  std::string line;
  try {
    while (ReadRawLine(line))
      if (!IsUtf8(line)) return false;
  } catch (const EUserError&) {
  }
  return true;
}

bool TTextLineReader::FillBuffer() {
  buffer_.erase(0, position_);
  position_ = 0;
  std::size_t kept = buffer_.size();
  buffer_.resize(kept + kChunkBytes);
  std::size_t count = file_.Read(buffer_.data() + kept, kChunkBytes);
  buffer_.resize(kept + count);
  return count > 0;
}

bool TTextLineReader::ReadRawLine(std::string& line) {
  std::size_t scanned = 0;  // bytes after position_ known to hold no line end
  for (;;) {
    std::size_t end = buffer_.find('\n', position_ + scanned);
    std::size_t length = (end == std::string::npos ? buffer_.size() : end) - position_;
    if (length > limits_.MaxLineBytes + 1) ThrowLineTooLong();  // + 1: the CR of a CR LF
    if (end != std::string::npos) {
      line.assign(buffer_, position_, end - position_);
      position_ = end + 1;
      break;
    }
    scanned = buffer_.size() - position_;
    if (!FillBuffer()) {
      if (buffer_.empty()) return false;
      line = std::move(buffer_);
      buffer_.clear();
      position_ = 0;
      break;
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > limits_.MaxLineBytes) ThrowLineTooLong();
  ++lineNumber_;
  return true;
}

void TTextLineReader::ThrowLineTooLong() const {
  throw EUserError("Die Datei " + file_.Path() + " enthält in Zeile " +
                   std::to_string(lineNumber_ + 1) + " mehr als " +
                   std::to_string(limits_.MaxLineBytes) + " Zeichen");
}

bool TTextLineReader::NextLine(std::string& line) {
  if (!ReadRawLine(line)) return false;
  // Inside the program text is UTF-8: a Windows-1252 file is converted; in a
  // file marked UTF-8, a byte that is none reads as '?', as it always did.
  line = utf8_ ? Utf8Repaired(line) : Utf8FromCp1252(line);
  return true;
}

}  // namespace quorvel

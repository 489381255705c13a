#include "platform/TextLineReader.h"

#include <string_view>

#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kChunkBytes = 1 << 16;

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

TTextLineReader::TTextLineReader(const std::string& path, TTextLimits limits) : file_(path), limits_(limits) {
  file_.RequireAtMost(limits_.MaxFileBytes);
  utf8_ = WholeFileLooksLikeUtf8();
  Restart();
  // A byte-order mark says UTF-8 whatever follows; it is no part of line 1.
  if (FillBuffer() && std::string_view(buffer_).starts_with(kByteOrderMark)) {
    utf8_ = true;
    position_ = kByteOrderMark.size();
  }
}

void TTextLineReader::Restart() {
  file_.Rewind();
  buffer_.clear();
  position_ = 0;
  lineNumber_ = 0;
}

// Whether the whole file is UTF-8 that Windows-1252 would garble. Line
// breaks are ASCII, so no UTF-8 sequence spans two lines. A line that
// cannot be read ends the look; reading then stops at that line.
bool TTextLineReader::WholeFileLooksLikeUtf8() {
  bool sawNonAscii = false;
  std::string line;
  try {
    while (ReadRawLine(line)) {
      if (IsAscii(line)) continue;
      if (!LooksLikeUtf8(line)) return false;
      sawNonAscii = true;
    }
  } catch (const EUserError&) {
  }
  return sawNonAscii;
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
  throw EUserError("Die Datei " + file_.Path() + Cp1252FromUtf8(" enthält in Zeile ") +
                   std::to_string(lineNumber_ + 1) + Cp1252FromUtf8(" mehr als ") +
                   std::to_string(limits_.MaxLineBytes) + " Zeichen");
}

bool TTextLineReader::NextLine(std::string& line) {
  if (!ReadRawLine(line)) return false;
  if (utf8_) line = Cp1252FromUtf8(line);
  return true;
}

}  // namespace quorvel

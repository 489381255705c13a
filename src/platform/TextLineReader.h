#pragma once

#include <cstdint>
#include <string>

#include "platform/ReadableFile.h"

namespace quorvel {

// What a text file may hold before it is refused as no file of its kind.
struct TTextLimits {
  std::uint64_t MaxFileBytes;
  std::size_t MaxLineBytes;
};

// Reads a text file line by line in bounded memory, whatever its size, as
// UTF-8. A file that is well-formed UTF-8 (as editors and spreadsheets here
// write them) is taken as it is; any other is Windows-1252 and converted. A
// UTF-8 byte-order mark is dropped. Lines end at LF or
// CR LF; a last line without an end counts. The file is opened and checked
// (TReadableFile, size) when the reader is made; a line longer than the
// limit throws EUserError naming the file and the line.
class TTextLineReader {
 public:
  TTextLineReader(const std::string& path, TTextLimits limits);

  // The next line, without its line break; false at the end of the file.
  bool NextLine(std::string& line);
  // The number of the line NextLine gave last, from 1.
  int LineNumber() const { return lineNumber_; }
  const std::string& Path() const { return file_.Path(); }

 private:
  bool ReadRawLine(std::string& line);
  bool FillBuffer();
  bool WholeFileIsUtf8();
  void Restart();
  [[noreturn]] void ThrowLineTooLong() const;

  TReadableFile file_;
  TTextLimits limits_;
  std::string buffer_;
  std::size_t position_ = 0;
  int lineNumber_ = 0;
  bool utf8_ = false;
};

}  // namespace quorvel

#pragma once

#include <string>
#include <vector>

#include "platform/TextLineReader.h"

namespace quorvel {

// Plain text files of label and settings data. Their contents are UTF-8
// text inside the program, their paths native bytes.

// Whether anything (a file, a folder, a device) exists at the path.
bool FileExists(const std::string& path);

// Label and settings files are small: one larger than 16 MiB, or with a
// line longer than any field the program writes, is no such file, and
// reading it on would only cost time and memory. They are read line by line
// with TTextLineReader, which checks both and names the line.
inline constexpr TTextLimits kLabelFileLimits{16 << 20, 65536};

// Writes the lines, each ended by CR LF, safely (TSafeFile): in
// Windows-1252 when it holds every character, as such files always were,
// else in UTF-8 after a byte-order mark, so that no character is lost;
// TTextLineReader reads both.
// A failure leaves any earlier file as it was. Throws EUserError naming the
// file and the system's reason.
void WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace quorvel

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Plain text files of label and settings data. Paths and contents are
// Windows-1252 text, as everywhere inside the program.

// Whether anything (a file, a folder, a device) exists at the path.
bool FileExists(const std::string& path);

// The file's text in Windows-1252. The bytes are read as UTF-8 when they
// begin with a UTF-8 byte-order mark or are well-formed UTF-8 holding
// non-ASCII characters, and as Windows-1252 otherwise. Throws EUserError
// naming the file when it cannot be read, also when the path names no
// regular file (a folder, a device, a pipe), which is never opened.
std::string ReadTextFile(const std::string& path);

// The lines of a text, ended by LF or CR LF; a last line without an end counts.
std::vector<std::string_view> SplitLines(std::string_view text);

// Writes the lines, each ended by CR LF, in Windows-1252. The text goes to a
// temporary file that replaces the target only when complete, so a failure
// leaves any earlier file as it was. Throws EUserError naming the file.
void WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace quorvel

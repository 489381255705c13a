#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class TLabelDocument;

// The .lab label file: one header line of label and sheet settings, then
// one line per live object, every field followed by ";", lines ended by
// CR LF, Windows-1252 text.

// Writes the document to the path, replacing any file there; sets
// HasSavedFile and SavedFileName, and clears Modified once the file is
// written. A text, name or path holding ";" or a line break cannot be stored:
// the save is refused with EUserError before anything is written or changed.
// A file that cannot be written throws EUserError; an earlier file at the
// path then stays as it was.
void save_label(TLabelDocument& document, const std::string& path);

// Replaces the document with the file's content. A missing file throws
// EUserError with " Die Datei <path> existiert nicht" and changes nothing.
// Otherwise the document is reset and filled line by line; a field that is
// not a number, a picture that cannot be decoded, an over-long line or more
// objects than the 60 slots stop the reading with EUserError, leaving what
// was read before that line. Only a complete load sets HasLoadedFile and
// LoadedFileName, so that a plain Save never overwrites the file with part
// of it.
void load_label(TLabelDocument& document, const std::string& path);

// The fields of a line: the text before each ";", at most 31 of them, and
// a non-empty rest after the last one taken as one more field.
std::vector<std::string_view> SplitFields(std::string_view line);

}  // namespace quorvel

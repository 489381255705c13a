#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class TLabelDocument;

// The .lab label file: one header line of label and sheet settings, then
// one line per live object, every field followed by ";", lines ended by
// CR LF; Windows-1252 text, or UTF-8 after a byte-order mark when a text
// goes beyond it (see WriteTextFile).

// Writes the document to the path, replacing any file there; sets
// HasSavedFile and SavedFileName, and clears Modified once the file is
// written. A text, name or path holding ";" or a line break cannot be stored:
// the save is refused with EUserError before anything is written or changed.
// A file that cannot be written throws EUserError; an earlier file at the
// path then stays as it was.
void save_label(TLabelDocument& document, const std::string& path);

// Replaces the document's label with the file's content, all or nothing:
// the file is read completely into a new document first, which then takes
// the place of the current label (objects, measures, printer, orientation,
// series file; see TLabelDocument::TakeLoadedLabel) and sets HasLoadedFile
// and LoadedFileName. Any failure throws one EUserError and leaves the
// document exactly as it was: a missing file says " Die Datei <path>
// existiert nicht"; anything wrong inside names the file, the line, the
// field and what is wrong, quoting text from the file escaped and cut short.
void load_label(TLabelDocument& document, const std::string& path);

// The fields of a line: the text before each ";", at most 31 of them, and
// a non-empty rest after the last one taken as one more field.
std::vector<std::string_view> SplitFields(std::string_view line);

}  // namespace quorvel

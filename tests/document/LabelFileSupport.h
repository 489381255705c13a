#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Errors.h"

namespace quorvel::test {

// The lines, each ended by CR LF, as the writer ends them.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline TLabelObject& Add(TLabelDocument& document, TObjectKind kind) {
  return document.Append(std::make_unique<TLabelObject>(kind));
}

// The message of a load that fails, or "" when it succeeds.
inline std::string LoadMessage(TLabelDocument& document, const std::string& path) {
  try {
    load_label(document, path);
    return {};
  } catch (const EUserError& error) {
    return error.what();
  }
}

// The header line of a document with the initial settings.
inline const std::string kDefaultHeader = "55;50;;;;;;;;;;0;;";

}  // namespace quorvel::test

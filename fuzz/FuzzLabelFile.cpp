// The label file reader: any bytes give a document or EUserError.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorvel::fuzz::EnsureGuiApplication();
  const std::string path = quorvel::fuzz::WriteInputFile(data, size, ".lab");
  quorvel::TLabelDocument document;
  try {
    quorvel::load_label(document, path);
  } catch (const quorvel::EUserError&) {
  }
  return 0;
}

// The printer and sheet settings readers.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "document/DesignerSettings.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorvel::fuzz::EnsureGuiApplication();
  const std::string path = quorvel::fuzz::WriteInputFile(data, size, ".ini");
  quorvel::TLabelDocument document;
  try {
    quorvel::ReadPrinterSettings(document, path);
  } catch (const quorvel::EUserError&) {
  }
  try {
    quorvel::ReadSheetSettings(document, path);
  } catch (const quorvel::EUserError&) {
  }
  return 0;
}

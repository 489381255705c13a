#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel::fuzz {

// The readers take paths, so each input goes through one file that is
// rewritten for every run.
std::string WriteInputFile(const std::uint8_t* data, std::size_t size, std::string_view suffix = "");

// Qt needs an application object for fonts; created once, headless.
void EnsureGuiApplication();

}  // namespace quorvel::fuzz

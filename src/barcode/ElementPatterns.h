#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Symbol characters as runs of alternating bars and spaces, bar first.
// A pattern gives one character per element: its width in modules as a
// digit ('1'..'4', Code 128) or 'N' narrow (1) / 'W' wide (2) for the
// two-width symbologies. Bars are written with the given bar character
// ('1', or '2' for guard bars), spaces as '0'.

inline int ElementWidth(char element) {
  if (element == 'N') return 1;
  if (element == 'W') return 2;
  return element - '0';
}

// Writes the elements from out on; returns the end of what was written.
inline char* WriteElements(char* out, std::string_view pattern, char bar) {
  bool isBar = true;
  for (char element : pattern) {
    const char module = isBar ? bar : '0';
    for (int k = ElementWidth(element); k > 0; --k) *out++ = module;
    isBar = !isBar;
  }
  return out;
}

inline int PatternWidth(std::string_view pattern) {
  int width = 0;
  for (char element : pattern) width += ElementWidth(element);
  return width;
}

inline void AppendElements(std::string& modules, std::string_view pattern, char bar) {
  std::size_t at = modules.size();
  modules.resize(at + PatternWidth(pattern));
  WriteElements(modules.data() + at, pattern, bar);
}

// A character followed by the narrow gap that separates it from the next.
inline void AppendWithGap(std::string& modules, std::string_view pattern, char bar) {
  AppendElements(modules, pattern, bar);
  modules += '0';
}

}  // namespace quorvel

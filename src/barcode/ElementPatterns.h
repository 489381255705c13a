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

inline void AppendElements(std::string& modules, std::string_view pattern, char bar) {
  bool isBar = true;
  for (char element : pattern) {
    modules.append(ElementWidth(element), isBar ? bar : '0');
    isBar = !isBar;
  }
}

// A character followed by the narrow gap that separates it from the next.
inline void AppendWithGap(std::string& modules, std::string_view pattern, char bar) {
  AppendElements(modules, pattern, bar);
  modules += '0';
}

}  // namespace quorvel

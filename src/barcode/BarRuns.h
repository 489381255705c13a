#pragma once

#include <string_view>

namespace quorvel {

// Calls draw(first, end, last, afterAddOn) for every maximal run of bar
// pixels ('1' or '2') [first, end) of a pixel module string: last is the
// run's last character, afterAddOn whether an add-on marker 'X' came before
// it. One run is drawn as one rectangle.
template <typename Draw>
void ForEachBarRun(std::string_view pixels, Draw draw) {
  bool afterAddOn = false;
  int runStart = -1;
  int length = static_cast<int>(pixels.size());
  for (int i = 0; i <= length; ++i) {
    char c = i < length ? pixels[i] : '0';
    if (c == '1' || c == '2') {
      if (runStart < 0) runStart = i;
      continue;
    }
    if (runStart >= 0) draw(runStart, i, pixels[i - 1], afterAddOn);
    runStart = -1;
    if (c == 'X') afterAddOn = true;
  }
}

}  // namespace quorvel

// Reads one element past a heap array. A build with AddressSanitizer reports
// the read and stops; ./test.sh --ci runs it to prove that its sanitizer
// build really is one, since a build folder may keep older options.
#include <cstdio>
#include <memory>

int main(int argc, char**) {
  auto values = std::make_unique<int[]>(4);
  volatile int* read = values.get();
  std::printf("%d\n", read[argc + 3]);  // element 4 when started without arguments
  return 0;
}

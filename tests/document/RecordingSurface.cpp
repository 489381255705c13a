#include "RecordingSurface.h"

#include <algorithm>

namespace quorvel::test {

void TRecordingSurface::AddElement(TControl& element) {
  Calls.push_back("add");
  Stack.push_back(&element);
}

void TRecordingSurface::RemoveElement(TControl& element) {
  Calls.push_back("remove");
  std::erase(Stack, &element);
}

void TRecordingSurface::BringToFront(TControl& element) {
  Calls.push_back("front");
  std::erase(Stack, &element);
  Stack.push_back(&element);
}

void TRecordingSurface::SendToBack(TControl& element) {
  Calls.push_back("back");
  std::erase(Stack, &element);
  Stack.insert(Stack.begin(), &element);
}

}  // namespace quorvel::test

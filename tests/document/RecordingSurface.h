#pragma once

#include <string>
#include <vector>

#include "document/DesignSurface.h"

namespace quorvel::test {

// A design surface that records what the document asks of it.
class TRecordingSurface : public IDesignSurface {
 public:
  void AddElement(TControl& element) override;
  void RemoveElement(TControl& element) override;
  void BringToFront(TControl& element) override;
  void SendToBack(TControl& element) override;

  // Every call in order: "add", "remove", "front", "back".
  std::vector<std::string> Calls;
  // The elements on the surface, bottom first.
  std::vector<TControl*> Stack;
};

}  // namespace quorvel::test

#pragma once

namespace quorvel {

class TControl;

// Where the document's elements are shown: the designer's design surface.
// The document tells it about every element it adds or destroys, so that
// nothing on screen ever refers to a control that is gone.
class IDesignSurface {
 public:
  virtual ~IDesignSurface() = default;
  // Puts the element on the surface, above the others.
  virtual void AddElement(TControl& element) = 0;
  // Takes the element off the surface; it is destroyed right afterwards.
  virtual void RemoveElement(TControl& element) = 0;
  virtual void BringToFront(TControl& element) = 0;
  virtual void SendToBack(TControl& element) = 0;
};

}  // namespace quorvel

#pragma once

#include <QWidget>
#include <unordered_map>

#include "document/DesignSurface.h"

namespace quorvel {

class IDialogs;
class TControlHost;

// The design surface (Panel1): a white area of the label's size on which
// every element of the document is shown through its own TControlHost.
class TDesignPanel : public QWidget, public IDesignSurface {
 public:
  TDesignPanel(IDialogs& dialogs, QWidget* parent);
  ~TDesignPanel() override;

  void AddElement(TControl& element) override;
  void RemoveElement(TControl& element) override;
  void BringToFront(TControl& element) override;
  void SendToBack(TControl& element) override;

  // The host showing the element, or null.
  TControlHost* HostOf(const TControl& element) const;

 private:
  IDialogs& dialogs_;
  std::unordered_map<const TControl*, TControlHost*> hosts_;
};

}  // namespace quorvel

#pragma once

#include <QWidget>
#include <array>

#include "document/ObjectKind.h"

class QPushButton;

namespace quorvel {

// The palette down the designer's left side: a creation button per object
// kind, then "letztes löschen", "alle löschen" and "refresh".
class TPalette : public QWidget {
 public:
  TPalette();

  QPushButton& CreateButton(TObjectKind kind) const { return *create_[KindIndex(kind)]; }
  QPushButton& DeleteLastButton() const { return *deleteLast_; }
  QPushButton& DeleteAllButton() const { return *deleteAll_; }
  QPushButton& RefreshButton() const { return *refresh_; }

 private:
  std::array<QPushButton*, kObjectKindCount> create_{};
  QPushButton* deleteLast_;
  QPushButton* deleteAll_;
  QPushButton* refresh_;
};

}  // namespace quorvel

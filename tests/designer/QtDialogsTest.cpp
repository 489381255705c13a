#include <gtest/gtest.h>

#include "designer/QtDialogs.h"

namespace quorvel {
namespace {

TEST(QtDialogsTest, TurnsPipeFiltersIntoQtFilters) {
  EXPECT_EQ(ToQtFilter("Etikett|*.lab"), "Etikett (*.lab)");
  EXPECT_EQ(ToQtFilter("Bild|*.jpg|Bild|*.bmp"), "Bild (*.jpg);;Bild (*.bmp)");
  EXPECT_EQ(ToQtFilter("Text|*.csv;*.txt"), "Text (*.csv *.txt)");
  EXPECT_EQ(ToQtFilter("Bilder|*.jpg;*.jpeg;*.bmp|Alle Dateien|*"), "Bilder (*.jpg *.jpeg *.bmp);;Alle Dateien (*)");
}

}  // namespace
}  // namespace quorvel

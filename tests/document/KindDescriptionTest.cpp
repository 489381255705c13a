// Properties of the kind descriptions: every stored field of every kind comes
// back from a label file, and paste copies exactly the fields marked copied.
#include <gtest/gtest.h>

#include "LabelFileSupport.h"
#include "document/KindDescription.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// A value of the field's type that no default has, different for each field.
TFieldValue Distinct(const TFieldDescription& field, const TFieldValue& current, int seed) {
  switch (field.Type) {
    case TFieldType::ftInt:
    case TFieldType::ftMeasure: return 37 + 11 * seed;
    case TFieldType::ftBool: return !std::get<bool>(current);
    case TFieldType::ftColour: return TColor(0x102030u * (seed + 1) & 0xFFFFFF);
    case TFieldType::ftText: return "Wert " + std::to_string(seed);
  }
  return current;
}

// Sets every settable field with the use to a distinct value; fields that refuse
// arbitrary values (a symbology name) keep theirs.
void Fill(TLabelObject& object, unsigned use) {
  const std::vector<const TFieldDescription*> fields = FieldsWith(Describe(object.Kind()), use);
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i]->Set) fields[i]->Set(object, Distinct(*fields[i], fields[i]->Get(object), static_cast<int>(i)));
  object.UpdateElement(1.0);
}

TEST(KindDescriptionTest, EveryStoredFieldOfEveryKindComesBackFromTheFile) {
  test::TTempDir dir;
  TLabelDocument document;
  for (TObjectKind kind : kAllObjectKinds) Fill(test::Add(document, kind), kStored);
  std::string path = dir.Path("alle.lab");
  save_label(document, path);
  TLabelDocument loaded;
  load_label(loaded, path);
  ASSERT_EQ(loaded.ObjectCount(), document.ObjectCount());
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& a = document.Object(slot);
    const TLabelObject& b = loaded.Object(slot);
    for (const TFieldDescription* field : FieldsWith(Describe(a.Kind()), fuWritten))
      EXPECT_EQ(field->Get(b), field->Get(a)) << a.Name << " " << field->Name;
  }
}

TEST(KindDescriptionTest, PasteCopiesTheFieldsMarkedCopiedAndPlacesByTheOffset) {
  TLabelDocument document;
  for (TObjectKind kind : kAllObjectKinds) {
    const TKindDescription& description = Describe(kind);
    TLabelObject& source = test::Add(document, kind);
    Fill(source, 0);
    TLabelObject& copy = test::Add(document, kind);
    CopyFields(source, copy);
    for (const TFieldDescription& field : description.Fields) {
      if (!(field.Use & fuCopied)) continue;
      EXPECT_EQ(field.Get(copy), field.Get(source)) << Keyword(kind) << " " << field.Name;
    }
    std::pair<int, int> expected{copy.Left, copy.Top};
    if (description.PasteOffset) expected = {source.Left + description.PasteOffset->Left, source.Top + description.PasteOffset->Top};
    EXPECT_EQ((std::pair{copy.Left, copy.Top}), expected) << Keyword(kind);
  }
}

TEST(KindDescriptionTest, EveryKindHasItsFieldsAndRowsNamedOnce) {
  for (TObjectKind kind : kAllObjectKinds) {
    std::vector<std::string> rows;
    for (const TFieldDescription* field : FieldsWith(Describe(kind), fuRow)) rows.push_back(field->Name);
    std::vector<std::string> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << Keyword(kind);
    if (const char* quick = Describe(kind).QuickTextField) {
      EXPECT_EQ(FieldNamed(Describe(kind), quick).Type, TFieldType::ftText);
    }
  }
}

}  // namespace
}  // namespace quorvel

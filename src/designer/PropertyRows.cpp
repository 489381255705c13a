#include "designer/PropertyRows.h"

#include <algorithm>
#include <cstring>

#include "barcode/BarCodeInfo.h"
#include "document/ColorText.h"
#include "document/DisplayScale.h"
#include "document/LabelObject.h"
#include "platform/NumberParsing.h"

namespace quorvel {
namespace {

std::string GridText(const TFieldDescription& field, const TLabelObject& object, double zoom) {
  TFieldValue value = field.Get(object);
  switch (field.Type) {
    case TFieldType::ftInt: return std::to_string(std::get<int>(value));
    case TFieldType::ftMeasure: return std::to_string(ShownValue(std::get<int>(value), zoom));
    case TFieldType::ftBool: return std::get<bool>(value) ? "ja" : "nein";
    case TFieldType::ftColour: return set_farbe(std::get<TColor>(value));
    case TFieldType::ftText: return std::get<std::string>(value);
  }
  return {};
}

// A measure typed at the zoom is stored at 100 %; one left as shown keeps its value exactly.
TFieldValue FromGridText(const TFieldDescription& field, const TLabelObject& object, const std::string& cell,
                         double zoom) {
  switch (field.Type) {
    case TFieldType::ftInt: return StrToInt(cell);
    case TFieldType::ftMeasure: return StoredFromShown(StrToInt(cell), std::get<int>(field.Get(object)), zoom);
    case TFieldType::ftBool: return cell == "ja";
    case TFieldType::ftColour: return back_farbe(cell);
    case TFieldType::ftText: return cell;
  }
  return {};
}

// The rows in the order the grid applies them: as shown, but leading rows
// first, and a row that names another to follow comes right after that one.
std::vector<std::size_t> ApplyOrder(const std::vector<const TFieldDescription*>& rows) {
  std::vector<std::size_t> order;
  for (bool leading : {true, false})
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (!rows[i]->AppliedAfter && ((rows[i]->Use & fuLeading) != 0) == leading) order.push_back(i);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i]->AppliedAfter) continue;
    auto after = std::find_if(order.begin(), order.end(),
                              [&](std::size_t j) { return std::strcmp(rows[j]->Name, rows[i]->AppliedAfter) == 0; });
    order.insert(after == order.end() ? after : after + 1, i);
  }
  return order;
}

void ShowApplied(TLabelObject& object, double zoom) {
  object.UpdateElement(zoom);
  object.AdoptWidenedElement(zoom);
}

}  // namespace

std::vector<TPropertyRow> PropertyRows(const TLabelObject& object, double zoom) {
  std::vector<TPropertyRow> result;
  for (const TFieldDescription* field : FieldsWith(Describe(object.Kind()), fuRow))
    result.push_back({field->Name, GridText(*field, object, zoom), field->Picker});
  return result;
}

void ApplyPropertyRows(TLabelObject& object, const std::vector<std::optional<std::string>>& values, double zoom) {
  std::vector<const TFieldDescription*> rows = FieldsWith(Describe(object.Kind()), fuRow);
  if (values.size() < rows.size()) return;
  try {
    for (std::size_t row : ApplyOrder(rows)) {
      const TFieldDescription& field = *rows[row];
      if (!values[row] || !field.Set) continue;
      TFieldValue value = FromGridText(field, object, *values[row], zoom);
      if (field.Picker == TPicker::PictureFile)
        object.ChangePictureFile(std::get<std::string>(value));
      else
        field.Set(object, value);
    }
  } catch (...) {
    ShowApplied(object, zoom);
    throw;
  }
  ShowApplied(object, zoom);
}

const std::vector<std::string>& SymbologyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (TTypBarCode type : OfferedBarCodes()) list.push_back(GetBarCodeInfo(type).DesignerName);
    return list;
  }();
  return names;
}

}  // namespace quorvel

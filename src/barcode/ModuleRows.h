#pragma once

#include <string>
#include <vector>

#include "barcode/RotatedCanvas.h"

namespace quorvel {

// Paints stacked rows of modules ('1' bar) into a box with the canvas
// brush, turned as the target turns: the rows share the height (row r of n covers
// ceil((r-1)H/n) to ceil(rH/n)), each row is stretched to the box width by
// the linear stretching rule, Security per row (a row that does not get one
// pixel per module is left out).
void PaintModuleRows(TRotatedCanvas& target, const TRect& box, const std::vector<std::string>& rows, bool security);

}  // namespace quorvel

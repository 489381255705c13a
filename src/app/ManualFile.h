#pragma once

#include <QString>

namespace quorvel {

inline constexpr char ManualFileName[] = "quorvel.pdf";

// Where "Gesamtdoku" finds the manual: in the working folder, as it always
// has; then beside the program and in the documentation folder of an
// installed program (docFromProgram is that folder relative to the
// program's). When it is nowhere, the working folder's name all the same.
QString FindManual(const QString& workingFolder, const QString& programFolder, const QString& docFromProgram);

}  // namespace quorvel

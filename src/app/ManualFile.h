#pragma once

#include <QString>

namespace quorvel {

inline constexpr char ManualFileName[] = "quorvel.pdf";

// Where "Gesamtdoku" finds the manual: in the documentation folder of the
// installed program (docFromProgram is that folder relative to the
// program's), else beside the program, where the build writes it. When it
// is in neither, the installed name all the same, for the viewer to report.
QString FindManual(const QString& programFolder, const QString& docFromProgram);

}  // namespace quorvel

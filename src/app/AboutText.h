#pragma once

#include <string>
#include <vector>

#include "app/LanguageTable.h"

namespace quorvel {

// The company that sells the program, as the about window names it and the
// menu "Quorvel im Internet" opens its web site. The addresses lie under
// domains reserved for examples.
struct TDistributor {
  const char* Company;
  const char* Contact;
  const char* PostcodeAndTown;
  const char* EMail;
  const char* WebAddress;
};

inline constexpr TDistributor Distributor{
    "Musterlabel Etiketten GmbH",
    "Erika Mustermann",
    "12345 Musterstadt",
    "vertrieb@example.com",
    "https://www.example.com/quorvel/",
};

inline constexpr char ReleaseDate[] = "13.05.2026";

// The twelve lines of the about window in the table's current language
// (Windows-1252).
std::vector<std::string> AboutLines(TLanguageTable& texts);

}  // namespace quorvel

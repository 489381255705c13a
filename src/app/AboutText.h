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
  const char* WebSite;  // as the about window shows it
};

inline constexpr TDistributor Distributor{
    "Musterlabel Etiketten GmbH",
    "Erika Mustermann",
    "12345 Musterstadt",
    "vertrieb@example.com",
    "www.example.com/quorvel/",
};

// The address the browser is given for the distributor's web site.
inline std::string DistributorWebAddress() { return std::string("https://") + Distributor.WebSite; }

inline constexpr char ReleaseDate[] = "13.05.2026";

// The twelve lines of the about window in the table's current language.
std::vector<std::string> AboutLines(TLanguageTable& texts);

}  // namespace quorvel

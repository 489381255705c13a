#include "app/AboutText.h"

namespace quorvel {

std::vector<std::string> AboutLines(TLanguageTable& texts) {
  return {
      "Quorvel",
      "Version 2020",
      texts.sprachtext(619) + " " + ReleaseDate,
      "",
      texts.sprachtext(620),
      Distributor.Company,
      Distributor.Contact,
      Distributor.PostcodeAndTown,
      texts.sprachtext(670),
      "",
      std::string("E-Mail: ") + Distributor.EMail,
      std::string("Internet: ") + Distributor.WebSite,
  };
}

}  // namespace quorvel

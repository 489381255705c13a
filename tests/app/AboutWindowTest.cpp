#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/AboutText.h"
#include "app/Form30.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

std::vector<std::string> ShownLines(const TForm30& window) {
  std::vector<std::string> lines;
  for (const QString& line : window.InfoText->toPlainText().split('\n')) lines.push_back(FromQString(line));
  return lines;
}

TEST(AboutWindowTest, TwelveLinesInGerman) {
  TLanguageTable texts;
  texts.SetLanguage(lgGerman);
  TForm30 window(texts);
  const std::vector<std::string> expected = {
      "Quorvel",
      "Version 2020",
      "Stand 13.05.2026",
      "",
      "Alleinvertrieb:",
      Distributor.Company,
      Distributor.Contact,
      Distributor.PostcodeAndTown,
      "Deutschland",
      "",
      std::string("E-Mail: ") + Distributor.EMail,
      "Internet: www.example.com/quorvel/",
  };
  EXPECT_EQ(ShownLines(window), expected);
  EXPECT_EQ(FromQString(window.windowTitle()), "ü" "ber Talvern");
  EXPECT_EQ(window.size(), QSize(498, 327));
}

TEST(AboutWindowTest, TheReleaseDateLineAndTheCountryFollowTheLanguage) {
  struct TCase {
    int Language;
    std::string DateLine, Heading, Country, Title;
  };
  const TCase cases[] = {
      {lgFrench, "Du 13.05.2026", "Agence exclusive:", "Allemagne", "de Talvern"},
      {lgEnglish, "From 13.05.2026", "Sole agency:", "Germany", "about Talvern"},
      {lgPortuguese, "De: 13.05.2026", "Agência única:", "Alemanha", "Acerca do Talvern"},
  };
  for (const TCase& c : cases) {
    TLanguageTable texts;
    texts.SetLanguage(c.Language);
    TForm30 window(texts);
    const std::vector<std::string> lines = ShownLines(window);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], c.DateLine);
    EXPECT_EQ(lines[4], c.Heading);
    EXPECT_EQ(lines[8], c.Country);
    EXPECT_EQ(FromQString(window.windowTitle()), c.Title);
  }
}

TEST(AboutWindowTest, KeepsTheLanguageOfItsCreation) {
  TLanguageTable texts;
  texts.SetLanguage(lgEnglish);
  TForm30 window(texts);
  texts.SetLanguage(lgGerman);
  window.show();
  EXPECT_EQ(ShownLines(window)[2], "From 13.05.2026");
  EXPECT_EQ(window.windowTitle(), "about Talvern");
}

TEST(AboutWindowTest, IsNotModalAndItsButtonClosesIt) {
  TLanguageTable texts;
  TForm30 window(texts);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_FALSE(window.isModal());
  QTest::mouseClick(window.CloseButton, Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quorvel

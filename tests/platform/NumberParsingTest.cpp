#include <gtest/gtest.h>

#include <QLocale>

#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

std::string IntegerMessage(const std::string& text) {
  return "'" + text + "' ist kein gültiger Integerwert";
}
std::string FloatMessage(const std::string& text) {
  return "'" + text + "' ist kein gültiger Gleitkommawert";
}

template <typename F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(StrToIntTest, AcceptsWholeNumbersWithSignAndBlanks) {
  struct {
    const char* Text;
    int Value;
  } cases[] = {{"0", 0}, {"42", 42}, {"-7", -7}, {"+7", 7}, {" 12", 12}, {"12 ", 12},
               {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
}

TEST(StrToIntTest, RefusesEverythingElseWithTheGermanMessage) {
  for (const char* text : {"", " ", "abc", "1,5", "1.0", "12a", "--1", "+-1", "-+1", "2147483648", "-2147483649",
                           "1 2", "0x10", "+"})
    EXPECT_EQ(MessageOf([&] { StrToInt(text); }), IntegerMessage(text)) << text;
}

TEST(StrToFloatTest, AcceptsCommaAndPointAsDecimalSeparator) {
  struct {
    const char* Text;
    double Value;
  } cases[] = {{"21,2", 21.2}, {"21.2", 21.2}, {"-0,5", -0.5}, {"3", 3.0}, {" 4,25 ", 4.25},
               {"1e3", 1000.0}, {"2,5E-1", 0.25}, {",5", 0.5}, {"5,", 5.0}, {"+1.5", 1.5}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(c.Text), c.Value) << c.Text;
}

TEST(StrToFloatTest, RefusesNonNumbersWithTheGermanMessage) {
  for (const char* text : {"", "abc", "1,2,3", "1.2.3", "1,2.3", "e5", "1e", "1e+", ",", "1 000", "inf", "nan",
                           "1e999", "--1"})
    EXPECT_EQ(MessageOf([&] { StrToFloat(text); }), FloatMessage(text)) << text;
}

TEST(FloatToStrTest, WritesShortestTextInTheUserNotationAndReadsBack) {
  QLocale::setDefault(QLocale::system());
  std::string sep(1, UserDecimalSeparator());
  EXPECT_EQ(FloatToStr(21.2), "21" + sep + "2");
  EXPECT_EQ(FloatToStr(3.0), "3");
  EXPECT_EQ(FloatToStr(-0.125), "-0" + sep + "125");
  // Up to 15 significant digits, as a user would want to read them.
  EXPECT_EQ(FloatToStr(1.0 / 3.0), "0" + sep + "333333333333333");
  for (double value : {0.1, 297.0 - 2 * 4.65, 1e-7, 123456.789, 1.0 / 3.0})
    EXPECT_NEAR(StrToFloat(FloatToStr(value)), value, 1e-14 * value);
}

TEST(FormatFixedTest, WritesOneDecimalInTheUserNotation) {
  std::string sep(1, UserDecimalSeparator());
  EXPECT_EQ(FormatFixed(2.5, 1), "2" + sep + "5");
  EXPECT_EQ(FormatFixed(-4.0, 1), "-4" + sep + "0");
  EXPECT_EQ(FormatFixed((288 - 21.2 * 13) * 0.5, 1), "6" + sep + "2");
  EXPECT_EQ(FormatFixed(0.25, 1), "0" + sep + "2");  // halves to even
}

}  // namespace
}  // namespace quorvel

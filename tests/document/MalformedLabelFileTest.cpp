#include <gtest/gtest.h>

#include <random>

#include "LabelFileSupport.h"
#include "document/KindDescription.h"
#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

// Hostile label files: every one must end in a loaded document or in a
// message that leaves the document as it was, never in a crash, a hang or
// undefined behaviour. Run these under AddressSanitizer and UndefinedBehaviorSanitizer
// (QUORVEL_SANITIZE=ON) as well.

namespace quorvel {
namespace {

using test::CrLf;
using test::kDefaultHeader;

class MalformedLabelFileTest : public ::testing::Test {
 protected:
  // Loads the bytes; returns the message, "" for a complete load.
  std::string Load(const std::string& bytes) {
    test::WriteFile(path_, bytes);
    document_.reset_label();
    std::string message = test::LoadMessage(document_, path_);
    EXPECT_EQ(document_.HasLoadedFile, message.empty()) << message;
    return message;
  }
  // What a message says is wrong, after the file, line and field it names.
  std::string Reason(const std::string& message) const {
    std::size_t after = message.find(": ", path_.size());
    return after == std::string::npos ? message : message.substr(after + 2);
  }

  // Paints every element, as the designer would.
  void PaintAll() {
    TBitmap bitmap(64, 64);
    for (int slot = 1; slot <= document_.ObjectCount(); ++slot) document_.Object(slot).Element().Paint(bitmap.Canvas());
  }

  test::TTempDir dir_;
  std::string path_ = dir_.Path("boese.lab");
  TLabelDocument document_;
};

const std::string kGoodLines[] = {
    "1;1;0;10;10;100;50;1;000000;FFFFFF;",
    "2;1;0;10;10;100;1;1;000000;FFFFFF;",
    "3;1;0;10;10;1;100;1;000000;FFFFFF;",
    "4;1;0;0;0;Text;Arial;8;1;0;1;FF0000;FFFFFF;",
    "5;1;0;0;0;70;50;/nirgends/bild.jpg;",
    "6;1;0;0;0;300;100;9771210107001;Ean13;1;1;0;",
    "7;1;0;10;10;32;100;senkrechter Text;Arial;8;0;0;0;000000;90;",
    "8;1;0;0;0;100;100;https://www.quorvel.example/;",
};

TEST_F(MalformedLabelFileTest, TruncatedLinesGiveAMessageOrAShorterObject) {
  for (const std::string& line : kGoodLines)
    for (std::size_t cut = 0; cut <= line.size(); ++cut) {
      std::string message = Load(CrLf({kDefaultHeader, line.substr(0, cut)}));
      SCOPED_TRACE(line.substr(0, cut));
      EXPECT_LE(document_.ObjectCount(), 1);
      if (!message.empty()) {
        EXPECT_NE(message.find("kein gültiger Integerwert"), std::string::npos) << message;
        EXPECT_EQ(document_.ObjectCount(), 0);
      }
      PaintAll();
    }
}

TEST_F(MalformedLabelFileTest, NumbersBeyondThirtyTwoBitsAreConversionErrors) {
  const std::pair<std::string, std::string> kCases[] = {
      {"1;1;0;99999999999;10;100;50;1;000000;FFFFFF;", "'99999999999' ist kein gültiger Integerwert"},
      {"1;1;0;10;10;100;50;-2147483649;000000;FFFFFF;", "'-2147483649' ist kein gültiger Integerwert"},
      {"4;1;0;0;0;Text;Arial;1e9;0;0;0;000000;FFFFFF;", "'1e9' ist kein gültiger Integerwert"},
      {"7;99999999999999999999999;0;10;10;32;100;x;Arial;8;0;0;0;000000;90;",
       "'99999999999999999999999' ist kein gültiger Integerwert"},
  };
  for (const auto& [line, expected] : kCases) {
    EXPECT_EQ(Reason(Load(CrLf({kDefaultHeader, "1;1;0;0;0;5;5;1;000000;FFFFFF;", line}))), expected);
    EXPECT_EQ(document_.ObjectCount(), 0);
  }
  EXPECT_EQ(Reason(Load(CrLf({"1e309;50;;;;;;;;;;0;;"}))), "'1e309' ist kein gültiger Gleitkommawert");
}

TEST_F(MalformedLabelFileTest, ExtremeButValidNumbersLoadAndPaint) {
  const std::string kExtremes[] = {
      "1;2147483647;-2147483648;2147483647;2147483647;2147483647;2147483647;2147483647;FFFFFF;000000;",
      "1;1;0;-2147483648;-2147483648;-2147483648;-2147483648;-2147483648;000000;FFFFFF;",
      "2;1;0;0;0;2147483647;-5;2147483647;000000;FFFFFF;",
      "4;1;0;2147483647;0;Riesig;Arial;2147483647;1;1;1;000000;FFFFFF;",
      "4;1;0;0;0;Winzig;Arial;-2147483648;0;0;0;000000;FFFFFF;",
      "5;1;0;0;0;-2147483648;2147483647;;",
      "7;1;0;0;0;0;0;Hoch;Arial;2147483647;0;0;0;000000;-2147483648;",
      "7;1;0;0;0;0;0;Tief;Arial;-2147483648;1;1;1;000000;2147483647;",
  };
  for (const std::string& line : kExtremes) {
    SCOPED_TRACE(line);
    EXPECT_EQ(Load(CrLf({"1e300;-1e300;;;;;;;;;;0;;", line})), "");
    ASSERT_EQ(document_.ObjectCount(), 1);
    const TControl& element = document_.Object(1).Element();
    // Shown coordinates are kept far from the int limits, so edges never overflow.
    for (int edge : {element.Left(), element.Top(), element.BoundsRect().Right, element.BoundsRect().Bottom})
      EXPECT_LE(std::abs(edge), 1 << 29);
    PaintAll();
  }
}

// Every field of every kind: a word where a number belongs is refused with
// the field's name from the kind's description; any other field takes it.
TEST_F(MalformedLabelFileTest, TextThatIsNoNumberIsNamedWithItsField) {
  for (const std::string& line : kGoodLines) {
    std::vector<std::string_view> fields = SplitFields(line);
    TObjectKind kind = *KindFromCode(fields[0]);
    std::vector<const TFieldDescription*> written = FieldsWith(Describe(kind), fuWritten);
    ASSERT_EQ(fields.size(), 3 + written.size()) << line;
    for (std::size_t i = 1; i < fields.size(); ++i) {
      std::string spoiled;
      for (std::size_t j = 0; j < fields.size(); ++j) spoiled += std::string(j == i ? "zwölf" : fields[j]) + ";";
      std::string message = Load(CrLf({kDefaultHeader, spoiled}));
      SCOPED_TRACE(spoiled);
      const TFieldDescription* field = i >= 3 ? written[i - 3] : nullptr;
      bool number = !field || field->Type == TFieldType::ftInt || field->Type == TFieldType::ftMeasure;
      if (!number || (field && !(field->Use & fuRead))) {
        EXPECT_EQ(message, "");
        continue;
      }
      std::string name = field ? std::string(field->Name) : i == 1 ? "Nummer" : "Variable";
      // The file is UTF-8 (this source is), so the message names the word in Windows-1252.
      EXPECT_EQ(message, "Die Etikettendatei " + path_ + ", Zeile 2, Feld \"" + name +
                             "\": 'zwölf' ist kein gültiger Integerwert");
      EXPECT_EQ(document_.ObjectCount(), 0);
    }
  }
}

TEST_F(MalformedLabelFileTest, BinaryGarbageNeverBreaksTheReader) {
  std::mt19937 random(20240601);
  const std::string kAlphabet = "0123456789;;;;;\r\n\n-+1234567ä\xC3\xB6€";
  for (int round = 0; round < 40; ++round) {
    std::string bytes(4096 + round * 500, '\0');
    bool structured = round % 2 == 1;  // half of them look almost like label lines
    for (char& c : bytes)
      c = structured ? kAlphabet[random() % kAlphabet.size()] : static_cast<char>(random() & 0xFF);
    std::string message = Load(bytes);
    EXPECT_LE(document_.ObjectCount(), TLabelDocument::kSlotCount);
    PaintAll();
  }
}

TEST_F(MalformedLabelFileTest, AHundredThousandLinesAreReadToTheirEndOrToTheSlotLimit) {
  std::string ignored = kDefaultHeader + "\r\n";
  for (int i = 0; i < 100000; ++i) ignored += (i % 2 ? "9;1;0;\r\n" : "\r\n");
  EXPECT_EQ(Load(ignored), "");
  EXPECT_EQ(document_.ObjectCount(), 0);

  std::string boxes = kDefaultHeader + "\n";
  for (int i = 0; i < 100000; ++i) boxes += "1;1;0;10;10;100;50;1;000000;FFFFFF;\n";
  EXPECT_EQ(Reason(Load(boxes)), "mehr als 60 Objekte kann das Programm nicht aufnehmen.");
  EXPECT_EQ(document_.ObjectCount(), 0);
}

TEST_F(MalformedLabelFileTest, AnOverLongLineOrAnOversizedFileStopsTheReading) {
  const std::string kHuge(1024 * 1024, 'W');
  std::string message = Load(CrLf({"70;40;;;;;;;;;;0;;", "1;1;0;10;10;100;50;1;000000;FFFFFF;",
                                   "4;1;0;0;0;" + kHuge + ";Arial;8;0;0;0;000000;FFFFFF;"}));
  EXPECT_NE(message.find("in Zeile 3 mehr als 65536 Zeichen"), std::string::npos) << message.substr(0, 200);
  EXPECT_EQ(document_.ObjectCount(), 0);
  EXPECT_EQ(document_.Layout.LabelWidth, "55");

  message = Load(kHuge + ";50;\r\n");
  EXPECT_NE(message.find("in Zeile 1 mehr als"), std::string::npos) << message.substr(0, 200);

  // No label comes near 16 MiB: a larger file is refused before it is read.
  message = Load(CrLf({"70;40;;;;;;;;;;0;;"}) + std::string(17 * 1024 * 1024, '\n'));
  EXPECT_NE(message.find("ist größ" "er als 16 MiB"), std::string::npos) << message.substr(0, 200);
}

TEST_F(MalformedLabelFileTest, TheLongestAcceptedLinesStillLoadAndPaint) {
  const std::string kLong(65000, 'M');
  EXPECT_EQ(Load(CrLf({kDefaultHeader, "4;1;0;0;0;" + kLong + ";Arial;2147483647;0;0;0;000000;FFFFFF;",
                       "7;1;0;0;0;0;0;" + kLong + ";Arial;2147483647;0;0;0;000000;90;"})),
            "");
  ASSERT_EQ(document_.ObjectCount(), 2);
  EXPECT_GT(document_.Object(1).Width, 0);
  PaintAll();
}

}  // namespace
}  // namespace quorvel

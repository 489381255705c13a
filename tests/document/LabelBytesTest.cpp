// Every test label, read and written again, gives the bytes that the writer
// gave before its fields were described per kind: the curated labels byte
// for byte, the fuzz corpus by the SHA-256 of what was written (or the
// refusal to read or write it).
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <fstream>
#include <sstream>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

const std::string kData = QUORVEL_TEST_DATA;

// What the writer gives for the label file, or "refused" when reading or writing it fails.
std::string Rewritten(const std::string& label, const test::TTempDir& dir) {
  std::string saved = dir.Path("saved.lab");
  try {
    TLabelDocument document;
    load_label(document, label);
    save_label(document, saved);
  } catch (const EUserError&) {
    return "refused";
  }
  return test::ReadFile(saved);
}

std::string Sha256(const std::string& bytes) {
  return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex().toStdString();
}

// Relative picture paths of the labels must find nothing, as when the references were written.
class LabelBytesTest : public ::testing::Test {
 protected:
  LabelBytesTest() : previous_(QDir::currentPath()) { QDir::setCurrent(QString::fromStdString(empty_.Path(""))); }
  ~LabelBytesTest() override { QDir::setCurrent(previous_); }

  test::TTempDir empty_;
  test::TTempDir dir_;
  QString previous_;
};

TEST_F(LabelBytesTest, CuratedLabelsAreWrittenAsBefore) {
  QDir labels(QString::fromStdString(kData + "/labels"));
  QStringList names = labels.entryList({"*.lab"}, QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 6);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    std::string reference = test::ReadFile(kData + "/labels-saved/" + name.toStdString());
    EXPECT_EQ(Rewritten(labels.filePath(name).toStdString(), dir_), reference);
  }
}

TEST_F(LabelBytesTest, FuzzCorpusLabelsAreWrittenAsBefore) {
  std::ifstream manifest(kData + "/label-corpus-saved.txt");
  int checked = 0;
  for (std::string name, expected; manifest >> name >> expected; ++checked) {
    std::string rewritten = Rewritten(std::string(QUORVEL_LABEL_CORPUS) + "/" + name, dir_);
    EXPECT_EQ(rewritten == "refused" ? rewritten : Sha256(rewritten), expected) << name;
  }
  EXPECT_GT(checked, 900);
}

}  // namespace
}  // namespace quorvel

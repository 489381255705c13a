#include <gtest/gtest.h>

#include <QFileInfo>

#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/ScriptedDialogs.h"
#include "print/LabelPrinting.h"
#include "print/PrinterChoice.h"
#include "support/BitmapPrinter.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

class PrinterChoiceTest : public ::testing::Test {
 protected:
  PrinterChoiceTest() {
    document.Layout = {"50", "30", "100", "150", "2", "4", "0", "0", "0", "0"};
    document.Append(std::make_unique<TLabelObject>(TObjectKind::okBox));
  }

  test::TTempDir dir;
  TLabelDocument document;
  test::TBitmapPrinter system{800, 1200, 203};
  TScriptedDialogs dialogs;
};

TEST_F(PrinterChoiceTest, OffersPdfAfterTheSystemsPrintersAndChoosesItWhenThereIsNone) {
  TPrinterChoice choice(system, dialogs, document.Layout);
  EXPECT_EQ(choice.PrinterNames(), (std::vector<std::string>{"Laser", "Etiketten", "Laser", "PDF-Datei"}));
  EXPECT_FALSE(choice.PdfChosen());
  system.Names.clear();
  TPrinterChoice without(system, dialogs, document.Layout);
  EXPECT_TRUE(without.PdfChosen());
  EXPECT_EQ(without.PrinterIndex(), 0);
}

TEST_F(PrinterChoiceTest, APdfJobAsksForItsFileOnceAndPrintsThereAt600Dpi) {
  TPrinterChoice choice(system, dialogs, document.Layout);
  TLabelPrinting printing(document, choice, dialogs);
  document.PrinterName = "PDF-Datei";
  dialogs.AnswerFile(dir.Path("labels.pdf"));
  printing.PrintCopies("10", {});
  EXPECT_EQ(dialogs.Questions().size(), 1u);
  EXPECT_EQ(system.JobsBegun, 0);
  EXPECT_NEAR(printing.Scale().X, 600 / 25.4, 0.01);
  EXPECT_GT(QFileInfo(QString::fromStdString(dir.Path("labels.pdf"))).size(), 0);

  // Cancelling the file dialog prints nothing; the system printer prints as before.
  dialogs.AnswerCancel();
  EXPECT_THROW(printing.PrintLabel(), EAbort);
  document.PrinterName = "Etiketten";
  printing.PrintLabel();
  EXPECT_EQ(system.JobsBegun, 1);
  EXPECT_EQ(system.DialogsShown, 1);
}

}  // namespace
}  // namespace quorvel

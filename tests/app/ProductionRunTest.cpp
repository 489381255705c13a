// Production runs through a recording print queue: jobs of N sheets that
// together are the whole run, sheet for sheet, and a report of them.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <sstream>

#include "app/BatchOptions.h"
#include "app/BatchRunner.h"
#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/PrintQueue.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

class ProductionRunTest : public ::testing::Test {
 protected:
  ProductionRunTest() {
    TLabelDocument document;
    document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
    TLabelObject& code = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    code.Left = 80, code.Top = 20, code.Width = 440, code.Height = 240, code.Variable = 1;
    code.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
    save_label(document, dir.Path("label.lab"));
    // Quantities 1, 2, 3, 1, 2, 3 …: 30 labels on 8 sheets, lines across sheet breaks.
    std::string series;
    for (int line = 1; line <= 15; ++line) series += "L" + std::to_string(line) + ";" + std::to_string(line % 3 + 1) + "\n";
    test::WriteFile(dir.Path("series.csv"), series);
  }

  int Run(std::vector<std::string> extra) {
    std::vector<std::string> arguments = {dir.Path("label.lab"), "--series", dir.Path("series.csv"),
                                          "--quantity-column", "2", "--dpi", "100"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    runner = std::make_unique<TBatchRunner>(errors, false);
    auto recording = std::make_unique<TRecordingPrintQueue>();
    queue = recording.get();
    for (auto [job, state] : states) recording->SetState(job, state);
    runner->SetPrintQueue(std::move(recording));
    return runner->Run(ParseBatchArguments(arguments));
  }

  // The pages of a PDF, as pictures at 100 dpi.
  std::vector<QImage> Pages(const std::string& pdf, const std::string& name) {
    test::WriteFile(dir.Path(name + ".pdf"), pdf);
    QProcess::execute("pdftoppm", {"-r", "100", "-png", QString::fromStdString(dir.Path(name + ".pdf")),
                                   QString::fromStdString(dir.Path(name))});
    std::vector<QImage> pages;
    for (int page = 1;; ++page) {
      QImage image(QString::fromStdString(dir.Path(name) + "-" + std::to_string(page) + ".png"));
      if (image.isNull()) image = QImage(QString::fromStdString(dir.Path(name) + "-0" + std::to_string(page) + ".png"));
      if (image.isNull()) return pages;
      pages.push_back(image);
    }
  }

  test::TTempDir dir;
  std::ostringstream errors;
  std::map<int, TJobState> states;
  std::unique_ptr<TBatchRunner> runner;
  TRecordingPrintQueue* queue = nullptr;  // the last run's, owned by its runner
};

TEST_F(ProductionRunTest, JobsOfNSheetsTogetherAreTheWholeRunSheetForSheet) {
  ASSERT_EQ(Run({"--printer", "Klasse", "--job-sheets", "3", "--report", dir.Path("report.json")}), 0) << errors.str();
  ASSERT_EQ(queue->Jobs().size(), 3u);
  EXPECT_EQ(queue->Jobs()[0].Title, "Quorvel label.lab Bogen 1\u20133");
  EXPECT_EQ(queue->Jobs()[2].Title, "Quorvel label.lab Bogen 7\u20138");
  EXPECT_EQ(queue->Jobs()[1].Queue, "Klasse");

  std::vector<QImage> jobPages;
  for (const auto& job : queue->Jobs()) {
    std::vector<QImage> pages = Pages(job.Pdf, "job" + std::to_string(job.Id));
    jobPages.insert(jobPages.end(), pages.begin(), pages.end());
  }
  ASSERT_EQ(Run({"--pdf", dir.Path("whole.pdf")}), 0) << errors.str();
  std::vector<QImage> whole = Pages(test::ReadFile(dir.Path("whole.pdf")), "whole");
  ASSERT_EQ(whole.size(), 8u);
  EXPECT_TRUE(jobPages == whole);

  std::string report = test::ReadFile(dir.Path("report.json"));
  for (const char* job : {"\"id\": 1, \"printer\": \"Klasse\", \"first_sheet\": 1, \"last_sheet\": 3, "
                          "\"first_line\": 1, \"last_line\": 6, \"copies\": 12}",
                          "\"id\": 3, \"printer\": \"Klasse\", \"first_sheet\": 7, \"last_sheet\": 8, "
                          "\"first_line\": 13, \"last_line\": 15, \"copies\": 6}"})
    EXPECT_NE(report.find(job), std::string::npos) << report;
  EXPECT_NE(report.find("\"ok\": true"), std::string::npos) << report;
}

TEST_F(ProductionRunTest, WaitingNamesTheJobsNotPrintedAndFromSheetPrintsExactlyThem) {
  states = {{2, TJobState::Canceled}};
  EXPECT_EQ(Run({"--printer", "Q", "--job-sheets", "3", "--wait", "--report", dir.Path("report.json")}), 1);
  EXPECT_NE(errors.str().find("Auftrag 2 (Bogen 4\u20136, Zeilen 7\u201312): canceled"), std::string::npos)
      << errors.str();
  std::string report = test::ReadFile(dir.Path("report.json"));
  EXPECT_NE(report.find("\"copies\": 12, \"state\": \"canceled\""), std::string::npos) << report;
  EXPECT_NE(report.find("\"state\": \"completed\""), std::string::npos) << report;
  EXPECT_NE(report.find("\"ok\": false"), std::string::npos) << report;
  std::string cancelled = queue->Jobs()[1].Pdf;

  states.clear();
  ASSERT_EQ(Run({"--printer", "Q", "--job-sheets", "3", "--from-sheet", "4", "--to-sheet", "6"}), 0) << errors.str();
  ASSERT_EQ(queue->Jobs().size(), 1u);
  EXPECT_EQ(queue->Jobs()[0].Title, "Quorvel label.lab Bogen 4\u20136");
  EXPECT_TRUE(Pages(queue->Jobs()[0].Pdf, "again") == Pages(cancelled, "cancelled"));
}

}  // namespace
}  // namespace quorvel

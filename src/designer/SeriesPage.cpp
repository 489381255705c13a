#include "designer/SeriesPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/ButtonPictures.h"
#include "document/LabelDocument.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

const char* const kSeriesHelp =
    "Hilfe zur Seriendatei:\n\n"
    "Die Seriendatei ist eine Textdatei. Jede Zeile ergibt ein Etikett, die Werte einer Zeile\n"
    "sind durch \";\" getrennt. Der erste Wert einer Zeile geht an alle Objekte mit der\n"
    "Variable 1, der zweite an die mit der Variable 2 und so fort. Die Variable eines\n"
    "Objekts wird rechts in der Objektliste eingetragen.\n\n"
    "Beispiel, eine Datei mit den zwei Zeilen\n\n"
    "    4711;echt Kölnisch Wasser;\n"
    "    4712;Seife neutral;\n\n"
    "und ein Etikett, dessen Objekt text01 die Variable 1 und dessen Objekt text02 die\n"
    "Variable 2 hat: Der Seriendruck ergibt zwei Etiketten, das erste mit \"4711\" und\n"
    "\"echt Kölnisch Wasser\", das zweite mit \"4712\" und \"Seife neutral\".\n\n"
    "Enthält eine Spalte die Anzahl der Etiketten je Zeile, tragen Sie ihre Nummer unter\n"
    "\"Spalte, die die Mengenangebe enthält\" ein.";

std::string TextOf(const QLineEdit* edit) { return FromQString(edit->text()); }

QPushButton* NamedButton(QPushButton* button, const char* name) {
  button->setObjectName(name);
  return button;
}

}  // namespace

TSeriesPage::TSeriesPage(TLabelDocument& document, TDocumentChanges& changes) {
  auto* column = new QVBoxLayout(this);

  auto* file = new QGroupBox(QString::fromUtf8("Seriendatei öffnen"));
  auto* fileRow = new QHBoxLayout(file);
  QLineEdit* seriesFile = edits_.Add(document.SeriesFileName, "SeriesFile", changes, "Seriendatei");
  seriesFile->setMaximumWidth(QWIDGETSIZE_MAX);
  fileRow->addWidget(seriesFile, 1);
  chooseFile_ = NamedButton(PictureButton(FolderPicture(), "Seriendatei"), "SeriesFileButton");
  fileRow->addWidget(chooseFile_);
  showFile_ = NamedButton(new QPushButton("Datei anschauen"), "ShowSeriesFileButton");
  fileRow->addWidget(showFile_);
  column->addWidget(file);

  auto* quantity = new QGroupBox(QString::fromUtf8("Spalte, die die Mengenangebe enthält"));
  auto* quantityRow = new QHBoxLayout(quantity);
  quantityRow->addWidget(edits_.Add(document.QuantityColumn, "QuantityColumn"));
  quantityRow->addStretch();
  column->addWidget(quantity);

  auto* series = new QGroupBox("Seriendatei drucken");
  auto* seriesGrid = new QGridLayout(series);
  seriesGrid->addWidget(new QLabel("Start bei Etikett "), 0, 0);
  seriesGrid->addWidget(firstLine_ = PlainEdit("1", "FirstLine"), 0, 1);
  seriesGrid->addWidget(new QLabel("Ende bei Etikett "), 1, 0);
  seriesGrid->addWidget(lastLine_ = PlainEdit("9999", "LastLine"), 1, 1);
  seriesGrid->addWidget(new QLabel("jedes Etikett"), 2, 0);
  seriesGrid->addWidget(copiesPerLine_ = PlainEdit("1", "CopiesPerLine"), 2, 1);
  seriesGrid->addWidget(new QLabel("mal drucken"), 2, 2);
  printSeries_ = NamedButton(new QPushButton("Start Drucken"), "PrintSeriesButton");
  seriesGrid->addWidget(printSeries_, 3, 0);
  seriesGrid->setColumnStretch(3, 1);
  column->addWidget(series);

  auto* current = new QGroupBox("aktuelles Etikett drucken");
  auto* currentGrid = new QGridLayout(current);
  currentGrid->addWidget(new QLabel("Anzahl"), 0, 0);
  currentGrid->addWidget(copies_ = PlainEdit("1", "Copies"), 0, 1);
  currentGrid->addWidget(new QLabel("Start in Zeile/Spalte"), 1, 0);
  currentGrid->addWidget(startRow_ = PlainEdit("1", "StartRow"), 1, 1);
  currentGrid->addWidget(startColumn_ = PlainEdit("1", "StartColumn"), 1, 2);
  printCopies_ = NamedButton(new QPushButton("Start Drucken"), "PrintCopiesButton");
  currentGrid->addWidget(printCopies_, 2, 0);
  currentGrid->setColumnStretch(3, 1);
  column->addWidget(current);

  auto* help = new QPushButton("&Hilfe");
  column->addWidget(help, 0, Qt::AlignLeft);
  column->addStretch();
  HelpText(this, kSeriesHelp, QRect(16, 64, 425, 377), help);
}

TStartCell TSeriesPage::StartCell() const { return {TextOf(startRow_), TextOf(startColumn_)}; }

std::string TSeriesPage::Copies() const { return TextOf(copies_); }

TSeriesOptions TSeriesPage::SeriesOptions() const {
  TSeriesOptions options;
  options.Start = StartCell();
  options.FirstLine = TextOf(firstLine_);
  options.LastLine = TextOf(lastLine_);
  options.EachCount = TextOf(copiesPerLine_);
  return options;
}

}  // namespace quorvel

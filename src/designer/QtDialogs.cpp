#include "designer/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "designer/FontDialog.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

QString ApplicationTitle() { return QApplication::applicationDisplayName(); }

std::optional<std::string> RunFileDialog(QWidget* parent, const TFileDialogOptions& options, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, ToQString(options.Title), ToQPath(options.InitialDir), ToQtFilter(options.Filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!options.DefaultExtension.empty()) dialog.setDefaultSuffix(ToQString(options.DefaultExtension));
  if (!options.FileName.empty()) dialog.selectFile(ToQPath(options.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQPath(dialog.selectedFiles().constFirst());
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
  QStringList parts = ToQString(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  return entries.join(";;");
}

void TQtDialogs::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, ApplicationTitle(), ToQString(text), QMessageBox::Ok);
}

void TQtDialogs::ShowInternalError(const std::string& text) {
  QMessageBox::critical(parent_, ApplicationTitle(), ToQString(text), QMessageBox::Ok);
}

bool TQtDialogs::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, ApplicationTitle(), ToQString(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

TYesNoCancel TQtDialogs::AskYesNoCancel(const std::string& text) {
  switch (QMessageBox::question(parent_, ApplicationTitle(), ToQString(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return TYesNoCancel::Yes;
    case QMessageBox::No: return TYesNoCancel::No;
    default: return TYesNoCancel::Cancel;
  }
}

bool TQtDialogs::AskYesNoDefaultNo(const std::string& text) {
  return QMessageBox::question(parent_, ApplicationTitle(), ToQString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> TQtDialogs::OpenFileName(const TFileDialogOptions& options) {
  return RunFileDialog(parent_, options, QFileDialog::AcceptOpen);
}

std::optional<std::string> TQtDialogs::SaveFileName(const TFileDialogOptions& options) {
  return RunFileDialog(parent_, options, QFileDialog::AcceptSave);
}

std::optional<TColor> TQtDialogs::ChooseColor(TColor initial) {
  QColor color = QColorDialog::getColor(ToQColor(initial), parent_);
  if (!color.isValid()) return std::nullopt;
  return FromQColor(color);
}

std::optional<TFont> TQtDialogs::ChooseFont(const TFont& initial) {
  TFontDialog dialog(initial, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenFont();
}

}  // namespace quorvel

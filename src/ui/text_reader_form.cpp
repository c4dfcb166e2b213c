#include "ui/text_reader_form.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QShortcut>
#include <QTextDocument>

#include "ui/file_dialog_filter.h"

namespace quorel {
namespace {

// The window's positions are kept in twips, 15 to a logical pixel.
constexpr int kTwipsPerPixel = 15;

QFont FixedPitchFont() {
  QFont font("Courier New", 10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

TextReaderForm::TextReaderForm(Session& s, Platform& platform, bool reloadable, QWidget* parent)
    : QDialog(parent), s_(s), platform_(platform), file_(reloadable) {
  setObjectName("TextReaderForm");
  setWindowTitle("File Reader and Editor");
  RTFBox = new QPlainTextEdit(this);
  RTFBox->setObjectName("RTFBox");
  RTFBox->setFont(FixedPitchFont());
  // Columns of numbers stay in their columns.
  RTFBox->setLineWrapMode(QPlainTextEdit::NoWrap);
  CreateMenus();
  ConnectMenus();
  CreateClosingKeys();
  EnableSaveEntries();
  resize(760, 560);
}

void TextReaderForm::CreateMenus() {
  menu_bar_ = new QMenuBar(this);
  menu_bar_->setObjectName("menuBar");
  QMenu* mnuFile = menu_bar_->addMenu("&File");
  mnuFile->setObjectName("mnuFile");
  auto add = [this](QMenu* menu, QAction*& action, const char* name, const char* caption) {
    action = menu->addAction(caption);
    action->setObjectName(name);
  };
  add(mnuFile, mnuNew, "mnuNew", "&New");
  add(mnuFile, mnuOpen, "mnuOpen", "&Open");
  add(mnuFile, mnuSave, "mnuSave", "&Save");
  add(mnuFile, mnuSaveAs, "mnuSaveAs", "Save &As");
  add(mnuFile, mnuPrint, "mnuPrint", "&Print");
  add(mnuFile, mnuSaveExitRead, "mnuSaveExitRead", "SaveExit&Read");
  add(mnuFile, mnuExit, "mnuExit", "E&xit");
  QMenu* mnuEdit = menu_bar_->addMenu("&Edit");
  mnuEdit->setObjectName("mnuEdit");
  add(mnuEdit, mnuClear, "mnuClear", "Clea&r");
  add(mnuEdit, mnuSelectAll, "mnuSelectAll", "Select &All");
  add(mnuEdit, mnuCopy, "mnuCopy", "C&opy");
  add(mnuEdit, mnuCut, "mnuCut", "Cu&t");
  add(mnuEdit, mnuPaste, "mnuPaste", "&Paste                Ctrl+V");
}

void TextReaderForm::ConnectMenus() {
  connect(mnuNew, &QAction::triggered, this, &TextReaderForm::ClearText);
  connect(mnuOpen, &QAction::triggered, this, &TextReaderForm::Open);
  connect(mnuSave, &QAction::triggered, this, [this] { file_.Save(Lines(), platform_); });
  connect(mnuSaveAs, &QAction::triggered, this, &TextReaderForm::SaveAs);
  connect(mnuPrint, &QAction::triggered, this, &TextReaderForm::Print);
  connect(mnuSaveExitRead, &QAction::triggered, this, &TextReaderForm::SaveExitRead);
  connect(mnuExit, &QAction::triggered, this, &QDialog::reject);
  connect(mnuClear, &QAction::triggered, this, &TextReaderForm::ClearText);
  connect(mnuSelectAll, &QAction::triggered, RTFBox, &QPlainTextEdit::selectAll);
  connect(mnuCopy, &QAction::triggered, RTFBox, &QPlainTextEdit::copy);
  connect(mnuCut, &QAction::triggered, RTFBox, &QPlainTextEdit::cut);
  connect(mnuPaste, &QAction::triggered, RTFBox, &QPlainTextEdit::paste);
}

void TextReaderForm::CreateClosingKeys() {
  // Esc, F1 and F4 to F12 close the window without saving, as Exit does.
  QList<int> keys = {Qt::Key_Escape, Qt::Key_F1};
  for (int key = Qt::Key_F4; key <= Qt::Key_F12; ++key) keys << key;
  for (int key : keys) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, this, &QDialog::reject);
  }
}

void TextReaderForm::EnableSaveEntries() {
  mnuSave->setEnabled(file_.CanSave());
  mnuSaveAs->setEnabled(file_.CanSave());
  mnuSaveExitRead->setEnabled(file_.CanSaveExitRead());
}

bool TextReaderForm::LoadFile(const std::string& path) {
  std::optional<std::string> lines = file_.Load(path, platform_);
  if (!lines) return false;
  RTFBox->setPlainText(QString::fromLatin1(lines->data(), static_cast<qsizetype>(lines->size())));
  EnableSaveEntries();
  return true;
}

std::string TextReaderForm::Lines() const {
  // The raw text keeps every character as typed (the plain text would turn
  // no-break spaces into blanks); paragraph and line separators are line
  // ends.
  QString text = RTFBox->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, '\n');
  text.replace(QChar::LineSeparator, '\n');
  return text.toLatin1().toStdString();
}

void TextReaderForm::ClearText() {
  // Through the cursor, so that Undo brings the text back.
  RTFBox->selectAll();
  RTFBox->textCursor().removeSelectedText();
}

void TextReaderForm::Open() {
  QString chosen = AskFileName(false);
  if (chosen.isEmpty()) return;
  LoadFile(chosen.toStdString());
}

void TextReaderForm::SaveAs() {
  QString chosen = AskFileName(true);
  file_.SaveAs(chosen.toStdString(), Lines(), platform_);
}

void TextReaderForm::Print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName("dlgPrint");
  if (dialog.exec() != QDialog::Accepted) return;
  RTFBox->print(&printer);
}

void TextReaderForm::SaveExitRead() {
  if (file_.SaveExitRead(s_, Lines(), platform_)) accept();
}

QString TextReaderForm::AskFileName(bool save) {
  QFileDialog dialog(this, save ? "Save As" : "Open");
  dialog.setObjectName("dlgFile");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters = QtNameFilters(kDataFileFilter);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(kDataFileFilterIndex - 1));
  if (save) dialog.setDefaultSuffix("dat");
  const std::string& initial = save ? file_.FileName() : s_.set.DataFileName;
  dialog.selectFile(QString::fromStdString(initial));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

void TextReaderForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  int bar = menu_bar_->sizeHint().height();
  menu_bar_->setGeometry(0, 0, width(), bar);
  TextBoxPlace place = PlaceTextBox(width() * kTwipsPerPixel, (height() - bar) * kTwipsPerPixel);
  RTFBox->setGeometry(place.left / kTwipsPerPixel, bar + place.top / kTwipsPerPixel,
                      place.width / kTwipsPerPixel, place.height / kTwipsPerPixel);
}

}  // namespace quorel

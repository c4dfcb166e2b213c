// "File Reader and Editor": a plain-text viewer and editor for the help
// file, the data file and the solution files.  The rules of the file (size
// limit, line ends, which saves are allowed, SaveExit&Read) live in
// EditedFile; this window shows the text and forwards the commands.
#pragma once

#include <QDialog>
#include <string>

#include "model/platform.h"
#include "model/session.h"
#include "output/edited_file.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace quorel {

class TextReaderForm : public QDialog {
  Q_OBJECT

 public:
  // `reloadable`: the caller reads the file as the problem again after
  // SaveExit&Read, so the command is offered.
  TextReaderForm(Session& s, Platform& platform, bool reloadable, QWidget* parent);

  // Shows the file; false (after its message) when it cannot be read, and
  // the text and the file saved to stay as they were.
  bool LoadFile(const std::string& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateMenus();
  void ConnectMenus();
  void CreateClosingKeys();
  void EnableSaveEntries();
  // The text as single-byte lines separated by "\n".
  std::string Lines() const;
  void ClearText();
  void Open();
  void SaveAs();
  void Print();
  void SaveExitRead();
  // A file dialog of the program's own kind (so that it has an object name
  // to be found by); an empty text for Cancel.
  QString AskFileName(bool save);

  Session& s_;
  Platform& platform_;
  EditedFile file_;
  QMenuBar* menu_bar_ = nullptr;
  QPlainTextEdit* RTFBox = nullptr;
  QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuSave = nullptr, *mnuSaveAs = nullptr,
          *mnuPrint = nullptr, *mnuSaveExitRead = nullptr, *mnuExit = nullptr;
  QAction *mnuClear = nullptr, *mnuSelectAll = nullptr, *mnuCopy = nullptr, *mnuCut = nullptr,
          *mnuPaste = nullptr;
};

}  // namespace quorel

// The Edit menu and the help command: each shows its file in the text
// reader after the existence test, and the files that load as a problem are
// read again when the reader closed with SaveExit&Read.
#include <QAction>
#include <QShortcut>

#include "output/edit_commands.h"
#include "ui/main_form.h"
#include "ui/text_reader_form.h"

namespace quorel {

void MainForm::ConnectEditMenus() {
  const std::pair<QAction*, EditCommand> entries[] = {
      {mnuEditOnlineHelpFile, EditCommand::kEditHelpFile},
      {mnuEditActiveDataFile, EditCommand::kEditDataFile},
      {mnuSavedSolutionFile, EditCommand::kEditLongSolution},
      {mnuSavedSolutionShortFile, EditCommand::kEditShortSolution},
      {mnuBestSolutionFile, EditCommand::kEditBestSolution},
      {mnuOnlineHelp, EditCommand::kOnlineHelp}};
  for (auto [action, command] : entries)
    connect(action, &QAction::triggered, this, [this, command] { EditFileCommand(command); });
  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help_key, &QShortcut::activated, mnuOnlineHelp, &QAction::trigger);
}

void MainForm::EditFileCommand(EditCommand command) {
  std::optional<std::string> path = CheckEditFile(s_, platform_, command);
  if (!path) return;
  {
    TextReaderForm form(s_, platform_, ReadsAfterEditing(command), this);
    if (form.LoadFile(*path)) form.exec();
  }
  // Only SaveExit&Read sets the request, and only in a reader whose file
  // loads as a problem; it never outlives this command.
  if (s_.ui.ReadWithoutDialog && ReadsAfterEditing(command)) ReadDataFileCommand();
  s_.ui.ReadWithoutDialog = false;
}

}  // namespace quorel

// The keyboard shortcuts of the main window.  The window sees every key
// before its controls do.
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/main_form.h"
#include "ui/map_mouse.h"
#include "ui/online_button.h"

namespace quorel {

void MainForm::RecordKeyDown(Qt::KeyboardModifiers mods) {
  s_.ui.RotateBackward = mods & Qt::ShiftModifier;
  s_.ui.CtrlDown = mods & Qt::ControlModifier;
}

bool MainForm::KeyFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::KeyRelease) return false;
  RecordKeyDown(key->modifiers());
  if (s_.map.FieldMode) return false;
  // Alt+letter belongs to the access keys and the menus.
  if (key->modifiers() & Qt::AltModifier) return false;
  int code = 0;
  if (key->modifiers() & Qt::ControlModifier) {
    // Ctrl+Y (character code 25) counts as Y; other control characters
    // match no shortcut.
    if (key->key() == Qt::Key_Y) code = 'Y';
  } else if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
    code = 'A' + (key->key() - Qt::Key_A);
  }
  if (code == 0) return false;
  return HandleShortcut(code);
}

bool MainForm::HandleShortcut(int key_char) {
  // The buttons of the control panel only act while the panel is shown (a
  // problem is loaded); a button hidden by the view options still acts.
  bool panel = !frameOnlineControls->isHidden();
  auto focus_and_press = [panel, this](QPushButton* button) {
    if (button->parentWidget() == frameOnlineControls && !panel) return;
    if (button->isVisible()) button->setFocus();
    button->click();
  };
  switch (key_char) {
    case 'A':
      if (cmdAttributeFns->isEnabled()) focus_and_press(cmdAttributeFns);
      return true;
    case 'B':
      focus_and_press(cmdBadnessFns);
      return true;
    case 'C':
      focus_and_press(cmdContinue);
      return true;
    case 'D':
      focus_and_press(cmdDistanceFns);
      return true;
    case 'E':
      focus_and_press(cmdDegrade);
      return true;
    case 'F':
      Command([this] { mouse_->EnterFieldMode(); });
      return true;
    case 'J':
      focus_and_press(cmdJiggle);
      return true;
    case 'M':
      focus_and_press(cmdMappingWtFns);
      return true;
    case 'N':
      focus_and_press(cmdDimensions);
      return true;
    case 'Q':
      focus_and_press(cmdExit);
      return true;
    case 'S':
      focus_and_press(cmdStart);
      return true;
    case 'T':
      focus_and_press(cmdMDSType);
      return true;
    case 'X':
      cmdExit->click();
      return true;
    case 'Y':
      if (panel) cmdBoundary->click();
      return true;
    default:
      return false;
  }
}

}  // namespace quorel

#include "ui/online_button.h"

#include <QMouseEvent>

namespace quorel {

OnlineButton::OnlineButton(const QString& name, QWidget* parent) : QPushButton(parent) {
  setObjectName(name);
  setFocusPolicy(Qt::StrongFocus);
}

void OnlineButton::SetCaption(const std::string& caption) {
  QString text = QString::fromLatin1(caption.c_str());
  text.replace("\r\n", "\n");
  if (text == this->text()) return;
  setText(text);
  if (menu_keys_.contains(shortcut())) setShortcut(QKeySequence());
}

void OnlineButton::mousePressEvent(QMouseEvent* event) {
  if (on_mouse_down) on_mouse_down(event->modifiers());
  QPushButton::mousePressEvent(event);
}

}  // namespace quorel

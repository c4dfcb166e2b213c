// A button of the control panel: a two-line caption, and the modifier keys
// held at its mouse-down recorded before its click runs.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPushButton>
#include <functional>
#include <string>

namespace quorel {

class OnlineButton : public QPushButton {
  Q_OBJECT

 public:
  explicit OnlineButton(const QString& name, QWidget* parent);

  // Called at mouse-down with the keys held.
  std::function<void(Qt::KeyboardModifiers)> on_mouse_down;

  // The caption from the core's text: its CR LF becomes a line break.
  void SetCaption(const std::string& caption);
  // Access keys of the menu bar: a caption whose access key is one of them
  // leaves Alt+key to the menu (the plain key still presses the button).
  void SetMenuAccessKeys(const QList<QKeySequence>& keys) { menu_keys_ = keys; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QList<QKeySequence> menu_keys_;
};

}  // namespace quorel

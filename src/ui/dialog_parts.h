// Pieces shared by the analysis dialogs: a dialog that prints itself on
// Ctrl+P, arrow buttons that remember the keys held when pressed, framed
// read-only description boxes and the OK / Cancel row.
#pragma once

#include <QDialog>
#include <QToolButton>
#include <string>

class QGroupBox;
class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

namespace quorel {

class PrintableDialog : public QDialog {
  Q_OBJECT

 public:
  using QDialog::QDialog;

 protected:
  // Ctrl+P prints the dialog through the print dialog.
  void keyPressEvent(QKeyEvent* event) override;
};

// An arrow button; Shift and Ctrl held at its mouse-down (or key press)
// change what a press does.
class ArrowButton : public QToolButton {
  Q_OBJECT

 public:
  ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent);
  bool ShiftHeld() const { return keys_ & Qt::ShiftModifier; }
  bool CtrlHeld() const { return keys_ & Qt::ControlModifier; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Qt::KeyboardModifiers keys_ = Qt::NoModifier;
};

// A frame holding one read-only text box that wraps its words.
QGroupBox* DescriptionFrame(const QString& caption, const QString& name, QPlainTextEdit*& text,
                            QWidget* parent);

// "OK" (the default button, with its tool tip) and "Cancel" at the right.
QHBoxLayout* OkCancelRow(QPushButton*& ok, QPushButton*& cancel, QWidget* parent);

// Text of the core (single-byte, lines ended by CR LF) for a widget.
inline QString Latin1(const std::string& text) {
  QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  q.replace("\r\n", "\n");
  return q;
}

}  // namespace quorel

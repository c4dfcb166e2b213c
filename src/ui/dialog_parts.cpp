#include "ui/dialog_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/special_cases_form.h"

namespace quorel {

void PrintableDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
    PrintWidget(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

ArrowButton::ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
    : QToolButton(parent) {
  setObjectName(name);
  setArrowType(arrow);
  setAutoRaise(false);
}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
  keys_ = event->modifiers();
  QToolButton::mousePressEvent(event);
}

void ArrowButton::keyPressEvent(QKeyEvent* event) {
  keys_ = event->modifiers();
  QToolButton::keyPressEvent(event);
}

QGroupBox* DescriptionFrame(const QString& caption, const QString& name, QPlainTextEdit*& text,
                            QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* box = new QVBoxLayout(frame);
  text = new QPlainTextEdit(frame);
  text->setObjectName(name);
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->addWidget(text);
  return frame;
}

QHBoxLayout* OkCancelRow(QPushButton*& ok, QPushButton*& cancel, QWidget* parent) {
  ok = new QPushButton("OK", parent);
  ok->setObjectName("cmdOK");
  ok->setToolTip("Implement all changes and exit.");
  ok->setDefault(true);
  cancel = new QPushButton("Cancel", parent);
  cancel->setObjectName("cmdCancel");
  cancel->setToolTip("Ignore all changes and exit.");
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace quorel

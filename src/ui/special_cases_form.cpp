#include "ui/special_cases_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cases/special_case_texts.h"

namespace quorel {

SpecialCasesForm::SpecialCasesForm(Session& s, QWidget* parent) : QDialog(parent), s_(s) {
  setObjectName("SpecialCasesForm");
  setWindowTitle(kSpecialCasesCaption);
  s_.ui.CtrlDown = false;
  s_.ui.AltDown = false;
  s_.ui.SpecialCaseCancelled = false;

  auto* cases = new QGroupBox(kSpecialCasesFrameCaption, this);
  auto* grid = new QGridLayout(cases);
  for (int k = 0; k <= MaxSpecialCaseNum; ++k) {
    auto* option =
        new QRadioButton(QString::fromLatin1(SpecialCaseOptionCaption(k).c_str()), cases);
    option->setObjectName(QString("optSpecialCase%1").arg(k));
    grid->addWidget(option, k % 10, k / 10);
    connect(option, &QRadioButton::clicked, this, [this, k] { ShowDescription(k); });
    optSpecialCase.push_back(option);
  }
  chkRandomOptions = new QCheckBox(kReuseRandomCaption, cases);
  chkRandomOptions->setObjectName("chkRandomOptions");
  grid->addWidget(chkRandomOptions, 9, 1);
  connect(chkRandomOptions, &QCheckBox::clicked, this,
          [this](bool checked) { s_.set.ReuseRandomNumbers = checked; });

  auto make_text = [this](const char* frame_caption, QPlainTextEdit*& text, const char* name) {
    auto* frame = new QGroupBox(frame_caption, this);
    auto* box = new QVBoxLayout(frame);
    text = new QPlainTextEdit(frame);
    text->setObjectName(name);
    text->setReadOnly(true);
    box->addWidget(text);
    return frame;
  };
  QGroupBox* description = make_text(kDescriptionFrameCaption, txtDescription, "txtDescription");
  QGroupBox* suggestion = make_text(kSuggestionFrameCaption, Text1, "Text1");
  Text1->setPlainText(kSpecialCasesSuggestion);
  Text1->setMaximumHeight(90);

  cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setToolTip(kSpecialCasesOkToolTip);
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(kSpecialCasesCancelCaption, this);
  cmdCancel->setObjectName("cmdCancel");
  cmdCancel->setToolTip(kSpecialCasesCancelToolTip);
  connect(cmdOK, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cmdCancel, &QPushButton::clicked, this, &SpecialCasesForm::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(cases);
  column->addWidget(description, 1);
  column->addWidget(suggestion);
  column->addLayout(buttons);
  resize(620, 560);

  chkRandomOptions->setChecked(s_.set.ReuseRandomNumbers);
  int selected = s_.set.SpecialCaseNum;
  if (selected >= 50 || selected < 0 || selected > MaxSpecialCaseNum) selected = 0;
  optSpecialCase[selected]->setChecked(true);
  ShowDescription(selected);
}

int SpecialCasesForm::SelectedCase() const {
  for (int k = 0; k <= MaxSpecialCaseNum; ++k)
    if (optSpecialCase[k]->isChecked()) return k;
  return -1;
}

void SpecialCasesForm::ShowDescription(int case_num) {
  txtDescription->setPlainText(QString::fromLatin1(SpecialCaseDescription(case_num).c_str()));
}

void SpecialCasesForm::Ok() {
  s_.set.ReuseRandomNumbers = chkRandomOptions->isChecked();
  int selected = SelectedCase();
  if (selected >= 0) s_.set.SpecialCaseNum = selected;
  s_.run.BestObjFnValue = 1e20f;
  s_.run.RunCount = 0;
  s_.run.IterationCount = 0;
  accept();
}

void SpecialCasesForm::reject() {
  s_.ui.SpecialCaseCancelled = true;
  QDialog::reject();
}

void SpecialCasesForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
    PrintWidget(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

void PrintWidget(QWidget* widget) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, widget);
  if (dialog.exec() != QDialog::Accepted) return;
  QPixmap image = widget->grab();
  QPainter painter(&printer);
  QRect page = painter.viewport();
  QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(image.rect());
  painter.drawPixmap(0, 0, image);
}

}  // namespace quorel

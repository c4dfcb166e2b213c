#include "ui/quorel_application.h"

#include <QMessageBox>
#include <exception>

namespace quorel {

QuorelApplication::QuorelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuorelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& fault) {
    Report(QString::fromLocal8Bit(fault.what()));
  } catch (...) {
    Report("an error of an unknown kind");
  }
  return false;
}

QString QuorelApplication::InternalErrorText(const QString& what) {
  return "QUOREL met an internal error: " + what +
         ".  The action was not completed and a run in progress was stopped; the program goes "
         "on.  Save your work and check the settings before you go on.";
}

void QuorelApplication::Report(const QString& what) {
  // A fault raised while the message of an earlier one is shown is not
  // reported again.
  if (reporting_) return;
  reporting_ = true;
  emit internalError();
  QMessageBox box(QMessageBox::Information, "Oops!", InternalErrorText(what), QMessageBox::Ok,
                  activeWindow());
  box.setObjectName("msgInternalError");
  box.exec();
  reporting_ = false;
}

}  // namespace quorel

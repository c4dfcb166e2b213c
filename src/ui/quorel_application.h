// The application object: every event of the program passes through it, so
// a fault of the program (an exception such as std::logic_error escaping a
// handler or the solver) is caught here once, named to the user, and the
// program goes on instead of ending.
#pragma once

#include <QApplication>

namespace quorel {

class QuorelApplication : public QApplication {
  Q_OBJECT

 public:
  QuorelApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The text shown for a fault whose description is `what`.
  static QString InternalErrorText(const QString& what);

 signals:
  // After the message: the window gives up a solver run the fault broke.
  void internalError();

 private:
  void Report(const QString& what);
  bool reporting_ = false;
};

}  // namespace quorel

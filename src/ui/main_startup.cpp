// The problem loaded when the program starts: the built-in problem or the
// data file that the settings name.
#include "cases/special_case_command.h"
#include "ui/main_form.h"

namespace quorel {

void MainForm::LoadStartupProblem() {
  if (s_.set.StartupProblem.empty()) return;
  Command([this] { quorel::LoadStartupProblem(s_, platform_); });
  if (s_.prob.NObjects > 0) ProblemLoaded();
}

}  // namespace quorel

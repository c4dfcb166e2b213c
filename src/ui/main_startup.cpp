// The problem loaded when the program starts: the built-in problem or the
// data file that the settings name.
#include <QFileInfo>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "model/captions.h"
#include "model/numeric.h"
#include "ui/main_form.h"

namespace quorel {

void MainForm::LoadStartupProblem() {
  const std::string startup = s_.set.StartupProblem;
  if (startup.rfind("SpecialCase", 0) == 0) {
    Command([this, startup] {
      s_.prob.SpecialCaseActive = true;
      s_.set.SpecialCaseNum = RoundToInt(Val(startup.substr(11)));
      GenerateSpecialCase(s_, platform_);
      s_.run.RunState = s_.prob.NObjects > 0 ? kLoadedIdle : kNoProblem;
      ApplyCaptionRules(s_);
    });
    ProblemLoaded();
    return;
  }
  if (startup.empty() || !QFileInfo(QString::fromStdString(startup)).isFile()) return;
  Command([this, startup] {
    s_.prob.SpecialCaseActive = false;
    s_.set.DataFileName = startup;
    ReadDataFile(s_, platform_);
    s_.run.RunState = s_.prob.NObjects > 0 ? kLoadedIdle : kNoProblem;
    ApplyCaptionRules(s_);
  });
  ProblemLoaded();
}

}  // namespace quorel

// The core of the special-case menu command and of the start-up load.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// After the selection dialog closed with OK (SpecialCaseNum and
// ReuseRandomNumbers already stored): generates the case, marks the problem
// as loaded, asks a running solver to stop, makes the case the start-up
// problem ("SpecialCase5") and refreshes the captions.  The front end then
// enables the menus (attributes only when NAttributes > 0) and lays out the
// window.
void RunSpecialCaseCommand(Session& s, Platform& platform);

// True when the start-up problem names a built-in case ("SpecialCase...").
bool IsSpecialCaseStartup(const std::string& startup_problem);

// Loads StartupProblem: a built-in case (the whole number after the first 11
// characters) or, when such a file exists, the data file it names.  A case
// number outside 0..18 (a hand-edited defaults file) loads nothing.
// RunState becomes 1 when a problem was loaded, otherwise 0.
void LoadStartupProblem(Session& s, Platform& platform);

}  // namespace quorel

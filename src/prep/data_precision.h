// Data precision (degrading): Dissim rebuilt from DissimOriginal at DegradeNum,
// and the worked examples of the precision levels that the precision window
// shows.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// With L = DegradeNum and M = DataDegradeNum, for every pair 1..NObjects:
// L >= M copies; 6 <= L < M rounds to L - 5 decimals; 2 <= L <= 5 takes the
// nearest multiple of 1/L kept to two decimals; L = 1 rounds to a whole number.
void ApplyDataPrecision(Session& s);

// One value at level L (1..13), as if the data had more precision than L.
float DegradedValue(float original, int level);

// The precision window's example levels: 1 (whole numbers) to 9 (four
// decimals); each opening starts at the finest.
inline constexpr int kCoarsestExampleLevel = 1;
inline constexpr int kFinestExampleLevel = 9;

// One press of the window's arrows: up adds one level, down takes one away;
// at either end the level stays and the platform beeps.
int StepExampleLevel(int level, bool up, Platform& platform);

// The window's worked examples at `level`: eight sample values, each followed
// by "  ~  " and its degraded value, two to a line (CR LF after each line),
// in fixed columns under the heading kPrecisionExampleHeading.
inline constexpr const char* kPrecisionExampleHeading =
    "Original   Degraded     Original   Degraded";
std::string PrecisionExamples(int level);

}  // namespace quorel

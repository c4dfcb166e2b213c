#include "prep/data_precision.h"

#include <array>

#include "model/captions.h"
#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {

float DegradedValue(float original, int level) {
  if (level >= 6) return static_cast<float>(RoundHalfEven(original, level - 5));
  if (level >= 2) {
    // The nearest multiple of 1/L, kept to two decimals (1/3 -> 0.33).
    double grains = RoundHalfEven(original * static_cast<float>(level));
    return static_cast<float>(RoundHalfEven(grains / level, 2));
  }
  return static_cast<float>(RoundHalfEven(original));
}

void ApplyDataPrecision(Session& s) {
  const int n = s.prob.NObjects;
  const int level = s.set.DegradeNum;
  const bool unchanged = level >= s.prob.DataDegradeNum;
  for (int i = 1; i <= n; ++i) {
    const float* original = s.prob.DissimOriginal.Row(i);
    float* dissim = s.prob.Dissim.Row(i);
    for (int j = 1; j <= n; ++j)
      dissim[j] = unchanged ? original[j] : DegradedValue(original[j], level);
  }
}

int StepExampleLevel(int level, bool up, Platform& platform) {
  const int next = up ? level + 1 : level - 1;
  if (next < kCoarsestExampleLevel || next > kFinestExampleLevel) {
    platform.Beep();
    return level;
  }
  return next;
}

namespace {

// The degraded value shows as many decimals as its level keeps.
const char* ExamplePattern(int level) {
  if (level >= 9) return "0.0000";
  if (level == 8) return "0.000";
  if (level >= 3) return "0.00";
  return level == 2 ? "0.0" : "0";
}

// "Original" and the first example value start in column 0, "Degraded" in
// column 11, just after the value and "  ~  ".  The degraded values are
// right-aligned in a field as wide as the widest of them ("0.0000"), so each
// ends at the same column and every one sits under its heading; the second
// example of a line follows nine blanks later.
constexpr int kDegradedWidth = 6;
constexpr const char* kBetweenExamples = "         ";

std::string Example(float value, int level) {
  std::string degraded = Format(DegradedValue(value, level), ExamplePattern(level));
  std::string pad(degraded.size() < kDegradedWidth ? kDegradedWidth - degraded.size() : 0, ' ');
  return Format(value, "0.0000") + "  ~  " + pad + degraded;
}

}  // namespace

std::string PrecisionExamples(int level) {
  static constexpr std::array<float, 8> kSamples = {0.1111f, 0.5001f, 0.2001f, 0.7499f,
                                                    0.4449f, 0.75f,   0.5f,    0.9996f};
  std::string text;
  for (size_t k = 0; k < kSamples.size(); k += 2)
    text += Example(kSamples[k], level) + kBetweenExamples + Example(kSamples[k + 1], level) +
            kLineBreak;
  return text;
}

}  // namespace quorel

#include "eval/eval_common.h"

#include <cmath>

#include "input/line_tokenizer.h"
#include "model/text_format.h"

namespace quorel {

Spread MeanAndSpread(const std::vector<float>& values) {
  Spread out;
  out.count = static_cast<int>(values.size());
  if (values.empty()) return out;
  double sum = 0, squares = 0;
  for (float v : values) {
    sum += v;
    squares += static_cast<double>(v) * v;
  }
  const double n = out.count;
  const double mean = sum / n;
  out.mean = static_cast<float>(mean);
  if (out.count > 1)
    out.sd = static_cast<float>(std::sqrt(std::fabs(squares - mean * mean * n) / (n - 1)));
  return out;
}

std::string ClampedValueText(double value, const std::string& pattern) {
  if (value < -99.0) return "<-99";
  if (value > 99.0) return ">99";
  return TrimBlanks(Format(value, pattern));
}

std::string RsqText(float rsq) {
  return "Rsq=" + ClampedValueText(rsq, "####.000");
}

}  // namespace quorel

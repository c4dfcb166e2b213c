#include "model/settings.h"

namespace quorel {

AttributeFunctionNames DefaultAttributeFunctionNames() {
  return {"Cos(alpha)",
          "Euclidean (norm.)",
          "City Block (norm.)",
          "Pearson",
          "Spearman",
          "Guttman",
          "Nominal SMC",
          "Jaccard",
          "Gower",
          "Binary SMC",
          "Hamman",
          "Yule",
          "Askin/Charles",
          "(not in use)"};
}

void SetEuclideanNames(AttributeFunctionNames& names, bool normalized) {
  names[1] = normalized ? "Euclidean (norm.)" : "Euclidean (raw)";
  names[2] = normalized ? "City Block (norm.)" : "City Block (raw)";
}

}  // namespace quorel

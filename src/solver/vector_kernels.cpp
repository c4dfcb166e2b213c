#include "solver/vector_kernels.h"

#include <cstdlib>
#include <cstring>

namespace quorel {
namespace {

bool ProcessorRunsThem() {
#ifdef QUOREL_HAVE_X86_KERNELS
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
  return false;
#endif
}

}  // namespace

bool VectorKernelsTurnedOff(const char* value) {
  return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

bool VectorKernelsInUse() {
  static const bool in_use =
      ProcessorRunsThem() && !VectorKernelsTurnedOff(std::getenv("QUOREL_NO_VECTOR_KERNELS"));
  return in_use;
}

}  // namespace quorel

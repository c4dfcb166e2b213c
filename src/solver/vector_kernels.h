// The choice between the hand-vectorised x86 kernels (AVX2 with FMA) and the
// plain loops the compiler vectorises for the baseline instruction set.  The
// x86 kernels are built only where the compiler targets x86-64
// (QUOREL_HAVE_X86_KERNELS); they run when the processor has AVX2 and FMA,
// unless the environment variable QUOREL_NO_VECTOR_KERNELS is set to a
// non-empty value other than "0", which keeps the plain loops tested on
// machines that have the instructions.
#pragma once

namespace quorel {

// Decided once, at the first call.
bool VectorKernelsInUse();

// True for a value of QUOREL_NO_VECTOR_KERNELS (null when it is not set)
// that turns the x86 kernels off.
bool VectorKernelsTurnedOff(const char* value);

}  // namespace quorel

#include "common/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define DAWNRULE_HAS_VZEROUPPER 1
#endif

namespace dawnrule {

#ifdef DAWNRULE_HAS_VZEROUPPER

namespace {

// Compiled for AVX on its own, so the rest of the program stays plain x86-64; it is
// only called once the run-time check has found AVX.
__attribute__((target("avx"))) void ZeroUpperHalves() { _mm256_zeroupper(); }

// True when the processor has AVX and the operating system saves its registers
// (the compiler's run-time check tests both).
bool AvxUsable()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

} // namespace

void ClearUpperVectorState()
{
    static const bool avx = AvxUsable();
    if (avx)
        ZeroUpperHalves();
}

#else

void ClearUpperVectorState() {}

#endif

} // namespace dawnrule

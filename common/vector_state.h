#pragma once

namespace dawnrule {

// Hands the processor's vector unit back in its clean state before a run of scalar
// floating-point code; called once at the entry of each computation the windows run
// (the rise/set times, the moon's phase).
//
// Why: Qt's raster painting (a QPainter::drawLine into a QImage is enough) can return
// with the upper halves of the 256-bit AVX registers still in use. On many Intel
// processors every legacy-SSE instruction after that, which is all of this program's
// double arithmetic (it is built for plain x86-64), pays a state-transition penalty until
// the next vzeroupper: on the machine where it was found, std::sin took 186 ns instead of
// 9 ns and a Calc 12.7 us instead of 1.27 us right after a paint. Processors without that
// penalty (AMD Zen 5, for one) lose nothing by the extra instruction.
// bench/bench_after_paint.cpp times both conditions.
//
// How: one vzeroupper. It zeroes only the bits above the low 128 of the vector registers,
// which hold no value of ours across a function call, so no result changes (no rounding
// mode, no flush-to-zero, no other instruction set in our arithmetic). It runs only when
// the processor and the operating system support AVX (checked once at run time);
// elsewhere, and on other architectures, this does nothing.
void ClearUpperVectorState();

} // namespace dawnrule

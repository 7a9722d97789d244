#include "app/zururuz.h"
#include "astro/sun_moon.h"
#include "common/vector_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#define DAWNRULE_TEST_XINUSE 1
#endif

namespace dawnrule {
namespace {

#ifdef DAWNRULE_TEST_XINUSE

// Leaves the upper halves of ymm0 to ymm15 in use, as Qt's raster painting can leave
// them. All sixteen: the C library's own VEX code writes some of them, which clears those
// halves and, on some processors, their share of the state. Written in assembly: a
// compiler adds a vzeroupper to the end of its own AVX functions.
extern "C" void DawnruleTestDirtyUpperHalves();
asm(".text\n"
    ".globl DawnruleTestDirtyUpperHalves\n"
    ".type DawnruleTestDirtyUpperHalves, @function\n"
    "DawnruleTestDirtyUpperHalves:\n"
    "\tvpcmpeqd %ymm0, %ymm0, %ymm0\n"
    "\tvpcmpeqd %ymm1, %ymm1, %ymm1\n"
    "\tvpcmpeqd %ymm2, %ymm2, %ymm2\n"
    "\tvpcmpeqd %ymm3, %ymm3, %ymm3\n"
    "\tvpcmpeqd %ymm4, %ymm4, %ymm4\n"
    "\tvpcmpeqd %ymm5, %ymm5, %ymm5\n"
    "\tvpcmpeqd %ymm6, %ymm6, %ymm6\n"
    "\tvpcmpeqd %ymm7, %ymm7, %ymm7\n"
    "\tvpcmpeqd %ymm8, %ymm8, %ymm8\n"
    "\tvpcmpeqd %ymm9, %ymm9, %ymm9\n"
    "\tvpcmpeqd %ymm10, %ymm10, %ymm10\n"
    "\tvpcmpeqd %ymm11, %ymm11, %ymm11\n"
    "\tvpcmpeqd %ymm12, %ymm12, %ymm12\n"
    "\tvpcmpeqd %ymm13, %ymm13, %ymm13\n"
    "\tvpcmpeqd %ymm14, %ymm14, %ymm14\n"
    "\tvpcmpeqd %ymm15, %ymm15, %ymm15\n"
    "\tret\n"
    ".size DawnruleTestDirtyUpperHalves, .-DawnruleTestDirtyUpperHalves\n");

// The test's own vzeroupper, to see whether the processor shows the state at all.
extern "C" void DawnruleTestClearUpperHalves();
asm(".text\n"
    ".globl DawnruleTestClearUpperHalves\n"
    ".type DawnruleTestClearUpperHalves, @function\n"
    "DawnruleTestClearUpperHalves:\n"
    "\tvzeroupper\n"
    "\tret\n"
    ".size DawnruleTestClearUpperHalves, .-DawnruleTestClearUpperHalves\n");

// XGETBV with ECX = 1 reads XINUSE, the state components in use; bit 2 stands for the
// upper halves of ymm0 to ymm15.
constexpr unsigned kUpperHalvesInUse = 1u << 2;

bool CanReadXInUse()
{
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !__builtin_cpu_supports("avx"))
        return false;
    return __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & (1u << 2)); // XGETBV1
}

unsigned XInUse()
{
    unsigned low, high;
    asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return low;
}

// Skips the test unless AVX is there and the processor shows the upper halves in XINUSE
// reliably: set by the dirtying code, cleared by a vzeroupper.
#define SKIP_UNLESS_STATE_VISIBLE()                                                          \
    do {                                                                                     \
        if (!CanReadXInUse())                                                                \
            GTEST_SKIP() << "no AVX, or XINUSE cannot be read";                              \
        DawnruleTestDirtyUpperHalves();                                                      \
        const unsigned dirty = XInUse();                                                     \
        DawnruleTestClearUpperHalves();                                                      \
        const unsigned cleared = XInUse();                                                   \
        if (!(dirty & kUpperHalvesInUse) || (cleared & kUpperHalvesInUse))                   \
            GTEST_SKIP() << "this processor does not track the upper halves in XINUSE";      \
    } while (false)

TEST(ClearUpperVectorState, ClearsTheUpperHalves)
{
    SKIP_UNLESS_STATE_VISIBLE();
    DawnruleTestDirtyUpperHalves();
    ClearUpperVectorState();
    EXPECT_EQ(XInUse() & kUpperHalvesInUse, 0u);
}

struct Computation {
    const char* name;
    std::function<std::string()> run; // the result as text, checked after the state
    const char* expected;
};

class StartsFromCleanVectorState : public testing::TestWithParam<Computation> {};

// The computations clear the upper halves at their entry, so their legacy-SSE arithmetic
// runs without a transition penalty after a paint, and nothing in them uses those halves
// again: still clear on return. Where the processor tracks each register's upper half
// (AMD Zen 5, where this was written), the C library's VEX-coded sin and cos inside the
// rise/set computation zero all sixteen on their own, so that case passes there even
// without the clear at its entry; the moon phase (x87 arithmetic) shows a missing clear.
TEST_P(StartsFromCleanVectorState, AfterUpperHalvesWereLeftInUse)
{
    SKIP_UNLESS_STATE_VISIBLE();
    DawnruleTestDirtyUpperHalves();
    const std::string result = GetParam().run();
    const unsigned after = XInUse();
    EXPECT_EQ(after & kUpperHalvesInUse, 0u);
    EXPECT_EQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(VectorState, StartsFromCleanVectorState, testing::Values(
    Computation{"ComputeZuruRuz", [] {
        ZuruRuzInput in;
        in.longitude = -74.0;
        in.latitude = 40.7;
        in.gmtOffset = -5;
        in.year = 2005;
        in.month = 11;
        in.day = 9;
        const ZuruRuzResult r = ComputeZuruRuz(in);
        return r.riseText.value_or("") + " " + r.setText.value_or("");
    }, "6:36A 4:44P"},
    Computation{"MoonPhaseAngle", [] {
        char text[16];
        std::snprintf(text, sizeof text, "%.3Lf", MoonPhaseAngle(DateTimeOfCalendarDate(2005, 11, 9)));
        return std::string(text);
    }, "90.933"}),
    [](const testing::TestParamInfo<Computation>& info) { return std::string(info.param.name); });

#endif

} // namespace
} // namespace dawnrule

// Coverage of the GCC-built code under test, in the form libFuzzer reads.
//
// GCC's -fsanitize-coverage=trace-pc calls __sanitizer_cov_trace_pc at the start of
// every basic block; the fuzz targets' link (--wrap) sends those calls here. Each block is
// one 8-bit counter, picked by its address: the code under test is far smaller than the
// counters, so distinct blocks rarely share one. libFuzzer takes the counters as a module
// of clang's inline 8-bit counters. This file itself carries no coverage hooks.
#include <cstddef>
#include <cstdint>

extern "C" void __sanitizer_cov_8bit_counters_init(std::uint8_t* start, std::uint8_t* stop);

namespace {

constexpr std::size_t kCounters = std::size_t{1} << 18;
alignas(4096) std::uint8_t counters[kCounters];

[[gnu::constructor]] void RegisterCounters() {
  __sanitizer_cov_8bit_counters_init(counters, counters + kCounters);
}

}  // namespace

extern "C" [[gnu::no_sanitize_address, gnu::no_sanitize_undefined]] void
__wrap___sanitizer_cov_trace_pc() {
  const auto block = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
  ++counters[block % kCounters];
}

// GCC also reports comparisons of floating-point values, which libFuzzer does not take.
extern "C" void __sanitizer_cov_trace_cmpf(float, float) {}
extern "C" void __sanitizer_cov_trace_cmpd(double, double) {}

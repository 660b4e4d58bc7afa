#pragma once
// The fuzz targets' invariant check: a broken invariant names itself and
// aborts, which the fuzzer records as a failure with its input.

#include <cstdio>
#include <cstdlib>

namespace sahdict::fuzz {

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

}  // namespace sahdict::fuzz

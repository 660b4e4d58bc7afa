#pragma once
// Timing shared by the benchmark programs.

#include <ctime>

namespace sahdict::bench {

// Microseconds of this thread's processor time: on a shared machine the wall
// clock of a single call also counts the time other processes ran.
inline double ThreadMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

}  // namespace sahdict::bench

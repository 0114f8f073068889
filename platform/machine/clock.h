// The machine clock: runs `scale` times faster than real time, the same in every process of
// the machine. A unit test may freeze it and move it by hand.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform::clock {

// Machine time in nanoseconds since 1970-01-01 UTC.
int64_t now_ns();
// Milliseconds since the machine started, as GetTickCount counts them.
uint64_t since_boot_ms();
double scale();
int tz_bias_minutes();
// The real time that a machine duration takes.
std::chrono::nanoseconds real_duration(int64_t machine_ns);

// Anchors the clock of a freshly created machine at the real time now (machine::create).
void start_machine_clock();
// Reads the clock settings of the attached machine again (machine::attach).
void reload();

// Tests: the clock stands still at `now_ns` until advance() moves it; waits follow it.
void set_manual(int64_t now_ns);
void advance(int64_t machine_ns);
// Back to the clock of the attached machine.
void set_real();
bool is_manual();

}  // namespace platform::clock

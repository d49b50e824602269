#pragma once
// The millisecond tick counter: a steady clock that never goes back when the
// wall clock is changed.

#include <chrono>
#include <cstdint>

inline uint64_t GetTickCount64()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

#pragma once
// FFTW's planner is not thread-safe, whichever part of the program plans: the
// export synthesis and the impulse analysis share this one lock around every
// plan they make and destroy. Standard library only, so any core part can
// take it without linking FFTW.

#include <mutex>

namespace qv {

inline std::mutex& FftwPlannerMutex() {
    static std::mutex m;
    return m;
}

}  // namespace qv

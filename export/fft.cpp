#include "export/fft.h"

#include <fftw3.h>

#include <mutex>
#include <stdexcept>

#include "curves/fftw_planner_lock.h"

namespace qv {
namespace {

// FFTW's planner is not thread-safe; the editor may export while another
// thread synthesises or analyses an impulse.
std::mutex& PlannerMutex() {
    return FftwPlannerMutex();
}

struct Plan {
    fftw_plan plan = nullptr;
    ~Plan() {
        if (plan == nullptr) return;
        const std::lock_guard<std::mutex> lock(PlannerMutex());
        fftw_destroy_plan(plan);
    }
};

void CheckLength(std::size_t length) {
    if (length < 2 || length % 2 != 0 || length > (std::size_t{1} << 30))
        throw std::invalid_argument("transform length must be even and at least 2");
}

}  // namespace

std::vector<double> HalfSpectrumToSamples(const HalfSpectrum& bins, std::size_t length) {
    CheckLength(length);
    if (bins.size() != length / 2 + 1)
        throw std::invalid_argument("half spectrum does not match the transform length");
    HalfSpectrum in = bins;  // c2r overwrites its input
    std::vector<double> out(length);
    Plan p;
    {
        const std::lock_guard<std::mutex> lock(PlannerMutex());
        p.plan = fftw_plan_dft_c2r_1d(static_cast<int>(length),
                                      reinterpret_cast<fftw_complex*>(in.data()), out.data(),
                                      FFTW_ESTIMATE);
    }
    fftw_execute(p.plan);
    return out;
}

HalfSpectrum SamplesToHalfSpectrum(const std::vector<double>& samples) {
    CheckLength(samples.size());
    std::vector<double> in = samples;
    HalfSpectrum out(samples.size() / 2 + 1);
    Plan p;
    {
        const std::lock_guard<std::mutex> lock(PlannerMutex());
        p.plan = fftw_plan_dft_r2c_1d(static_cast<int>(samples.size()), in.data(),
                                      reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
    }
    fftw_execute(p.plan);
    return out;
}

}  // namespace qv

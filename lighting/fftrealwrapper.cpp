#include "lighting/fftrealwrapper.h"

#include <fftw3.h>

#include <cstring>
#include <mutex>

namespace {
// FFTW's planner is not thread safe; plans are made and destroyed under this lock.
std::mutex &plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}
}  // namespace

struct FFTRealWrapper::Plan
{
    float *in = nullptr;
    fftwf_complex *out = nullptr;
    fftwf_plan plan = nullptr;
};

FFTRealWrapper::FFTRealWrapper() : m_plan(new Plan)
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    m_plan->in = fftwf_alloc_real(Points);
    m_plan->out = fftwf_alloc_complex(Points / 2 + 1);
    m_plan->plan = fftwf_plan_dft_r2c_1d(Points, m_plan->in, m_plan->out, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    fftwf_destroy_plan(m_plan->plan);
    fftwf_free(m_plan->in);
    fftwf_free(m_plan->out);
}

void FFTRealWrapper::calculateFFT(float *out, const float *in)
{
    std::memcpy(m_plan->in, in, sizeof(float) * Points);
    fftwf_execute(m_plan->plan);
    const int half = Points / 2;
    for (int k = 0; k <= half; ++k)
        out[k] = m_plan->out[k][0];
    for (int k = 1; k < half; ++k)
        out[half + k] = m_plan->out[k][1];
}

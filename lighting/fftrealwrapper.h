#pragma once

#include <memory>

// A 4096-point real forward FFT without normalisation. The output layout is the one the
// spectrum analysis relies on: out[k] for 0 <= k <= 2048 holds the real part of bin k and
// out[2048 + k] for 1 <= k < 2048 the imaginary part of bin k.
class FFTRealWrapper
{
public:
    static constexpr int Points = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    void calculateFFT(float *out, const float *in);

private:
    struct Plan;
    std::unique_ptr<Plan> m_plan;
};

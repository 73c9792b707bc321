#pragma once

// A 4096-point real FFT in the packed layout the spectrum reads: output[i]
// is the real part of bin i for i = 0 ... 2048, output[2048 + i] the
// imaginary part of bin i for i = 1 ... 2047. Runs FFTW (single precision);
// one wrapper per thread, plans made under a process-wide lock because
// FFTW's planner is not thread-safe.

#include <memory>

class FFTRealWrapper
{
public:
    enum { Points = 4096 };
    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper&) = delete;
    FFTRealWrapper& operator=(const FFTRealWrapper&) = delete;

    void calculateFFT(float output[], const float input[]);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

#include "FFTRealWrapper.h"

#include <QMutex>
#include <cstring>
#include <fftw3.h>

namespace {
QMutex& plannerLock()
{
    static QMutex lock;
    return lock;
}
} // namespace

struct FFTRealWrapper::Private
{
    float* in = nullptr;
    fftwf_complex* out = nullptr;
    fftwf_plan plan = nullptr;
};

FFTRealWrapper::FFTRealWrapper()
    : d(new Private)
{
    QMutexLocker lock(&plannerLock());
    d->in = fftwf_alloc_real(Points);
    d->out = fftwf_alloc_complex(Points / 2 + 1);
    d->plan = fftwf_plan_dft_r2c_1d(Points, d->in, d->out, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    QMutexLocker lock(&plannerLock());
    fftwf_destroy_plan(d->plan);
    fftwf_free(d->in);
    fftwf_free(d->out);
}

void FFTRealWrapper::calculateFFT(float output[], const float input[])
{
    std::memcpy(d->in, input, sizeof(float) * Points);
    fftwf_execute(d->plan);
    // FFTW gives bins 0 ... 2048 as complex pairs; the spectrum wants the
    // real parts first, then the imaginary parts of bins 1 ... 2047.
    for (int i = 0; i <= Points / 2; ++i)
        output[i] = d->out[i][0];
    for (int i = 1; i < Points / 2; ++i)
        output[Points / 2 + i] = d->out[i][1];
}

#include "VideoShaders.h"

#include <QMutex>
#include <algorithm>

namespace {

// One array per shader class for the whole process, refilled on every call
// under its lock (the GL thread is the only reader in practice).
struct SharedKernel
{
    QMutex mutex;
    float values[25];
};

} // namespace

MediumBlurShader::MediumBlurShader(QObject* parent)
    : TwAV::ConvolutionShader(parent)
{
    setKernelRadius(2);
}

const float* MediumBlurShader::kernel() const
{
    static SharedKernel k;
    QMutexLocker lock(&k.mutex);
    const int n = kernelSize();
    std::fill(k.values, k.values + qMin(n, 25), 1.0f / n);
    return k.values;
}

SharpnessShader::SharpnessShader(QObject* parent)
    : TwAV::ConvolutionShader(parent)
{
    setKernelRadius(2);
}

const float* SharpnessShader::kernel() const
{
    static SharedKernel k;
    static const float weights[25] = {
        -0.15f, -0.15f, -0.15f, -0.15f, -0.15f,
        -0.15f, 0.15f,  0.15f,  0.15f,  -0.15f,
        -0.15f, 0.15f,  2.2f,   0.15f,  -0.15f,
        -0.15f, 0.15f,  0.15f,  0.15f,  -0.15f,
        -0.15f, -0.15f, -0.15f, -0.15f, -0.15f,
    };
    QMutexLocker lock(&k.mutex);
    std::copy(weights, weights + 25, k.values);
    return k.values;
}

const char* GrayShader::userPostProcess() const
{
    return "float gray = dot(gl_FragColor, vec4(0.3, 0.59, 0.11, 0.0));\n gl_FragColor = vec4(gray, gray, gray, 1.0);";
}

#include "VideoShader.h"

#include <QOpenGLShaderProgram>

namespace TwAV {

ConvolutionShader::ConvolutionShader(QObject* parent)
    : VideoShaderObject(parent)
{
}

void ConvolutionShader::setKernelRadius(int radius)
{
    m_radius = qBound(0, radius, 8);
}

QByteArray ConvolutionShader::userDeclarations() const
{
    return QByteArray("uniform float u_kernel[") + QByteArray::number(kernelSize()) + "];\n";
}

QByteArray ConvolutionShader::userSample() const
{
    QByteArray s = "    vec4 sum = vec4(0.0);\n";
    int i = 0;
    for (int y = -m_radius; y <= m_radius; ++y) {
        for (int x = -m_radius; x <= m_radius; ++x, ++i) {
            s += QByteArray("    sum += u_kernel[") + QByteArray::number(i) + "] * sampleColor(tc + vec2("
                 + QByteArray::number(x) + ".0, " + QByteArray::number(y) + ".0) * u_texelSize);\n";
        }
    }
    s += "    return sum;\n";
    return s;
}

void ConvolutionShader::setUserUniformValues(QOpenGLShaderProgram* program)
{
    const float* k = kernel();
    if (k)
        program->setUniformValueArray("u_kernel", k, kernelSize(), 1);
}

} // namespace TwAV

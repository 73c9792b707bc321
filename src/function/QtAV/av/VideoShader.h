#pragma once

// User shaders of the OpenGL renderer. The renderer converts each frame to
// RGB in its fragment shader (GLSL 1.20); a user shader may replace how the
// converted picture is sampled (userSample, e.g. a convolution) and append
// GLSL after the conversion (userPostProcess), which reads and writes
// gl_FragColor. Shaders are used on the GUI thread that paints.

#include <QByteArray>
#include <QObject>
#include <QVector>

class QOpenGLShaderProgram;

namespace TwAV {

class VideoShader
{
public:
    virtual ~VideoShader() = default;
    // GLSL appended verbatim after the colour conversion; null for none.
    virtual const char* userPostProcess() const { return nullptr; }
    // GLSL declarations (uniforms, functions) placed before main().
    virtual QByteArray userDeclarations() const { return QByteArray(); }
    // The body of `vec4 userSample(vec2 tc)`; `sampleColor(vec2)` gives the
    // converted colour at a texture coordinate, `u_texelSize` one texel.
    // Empty means plain sampling.
    virtual QByteArray userSample() const { return QByteArray(); }
    // Called with the program bound before each draw.
    virtual void setUserUniformValues(QOpenGLShaderProgram* program) { Q_UNUSED(program) }
};

class VideoShaderObject : public QObject, public VideoShader
{
    Q_OBJECT
public:
    explicit VideoShaderObject(QObject* parent = nullptr) : QObject(parent) {}
};

// A (2r+1) x (2r+1) kernel over the converted picture, sampled at texel
// offsets; subclasses give the weights, row by row from the top left.
class ConvolutionShader : public VideoShaderObject
{
    Q_OBJECT
public:
    explicit ConvolutionShader(QObject* parent = nullptr);
    int kernelRadius() const { return m_radius; }
    void setKernelRadius(int radius);
    int kernelSize() const { return (2 * m_radius + 1) * (2 * m_radius + 1); }

    QByteArray userDeclarations() const override;
    QByteArray userSample() const override;
    void setUserUniformValues(QOpenGLShaderProgram* program) override;

protected:
    // kernelSize() weights; called for every frame.
    virtual const float* kernel() const = 0;

private:
    int m_radius = 1;
};

} // namespace TwAV

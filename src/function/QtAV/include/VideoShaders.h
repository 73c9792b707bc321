#pragma once

// The picture effects the video view can put on its renderer as the user
// shader: a box blur, a sharpening and a grey scale.

#include "function/QtAV/av/VideoShader.h"

// The view's selector.
enum ShaderType { ShaderNone = 0, ShaderBlur = 1, ShaderSharpen = 2, ShaderGray = 3 };

class MediumBlurShader : public TwAV::ConvolutionShader
{
    Q_OBJECT
public:
    explicit MediumBlurShader(QObject* parent = nullptr);
protected:
    const float* kernel() const override;
};

class SharpnessShader : public TwAV::ConvolutionShader
{
    Q_OBJECT
public:
    explicit SharpnessShader(QObject* parent = nullptr);
protected:
    const float* kernel() const override;
};

class GrayShader : public TwAV::VideoShaderObject
{
    Q_OBJECT
public:
    explicit GrayShader(QObject* parent = nullptr) : TwAV::VideoShaderObject(parent) {}
    const char* userPostProcess() const override;
};

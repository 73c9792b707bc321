#pragma once

// Draws video frames with OpenGL: planes are uploaded as textures (8-bit
// YUV 4:2:0, NV12 and RGB as they are, anything else through swscale) and
// converted in a GLSL 1.20 fragment shader (BT.601 or BT.709 by the frame),
// then the colour controls and the user shader apply. Every call needs the
// owner's GL context current, on the thread that paints.

#include "Frame.h"
#include "VideoShader.h"

#include <QByteArray>
#include <QMatrix4x4>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <memory>

namespace TwAV {

class OpenGLVideo : public QObject
{
    Q_OBJECT
public:
    struct Params
    {
        QRectF roi;            // in frame pixels; empty for the whole frame
        QMatrix4x4 transform;  // applied to the unit quad (-1..1)
        double brightness = 0, contrast = 0, hue = 0, saturation = 0;
    };

    explicit OpenGLVideo(QObject* parent = nullptr);
    ~OpenGLVideo() override;

    // Not owned; null for none. A shader object that is destroyed while set
    // is dropped.
    void setUserShader(VideoShader* shader);
    VideoShader* userShader() const;

    // Draws into the current viewport; false when the frame cannot be shown.
    bool render(const VideoFrame& frame, const Params& params);
    // Frees the GL objects (before the context goes away).
    void releaseResources();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace TwAV

#include "OpenGLVideo.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <cmath>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

#ifndef GL_UNPACK_ROW_LENGTH
#define GL_UNPACK_ROW_LENGTH 0x0CF2
#endif
#ifndef GL_LUMINANCE
#define GL_LUMINANCE 0x1909
#endif
#ifndef GL_LUMINANCE_ALPHA
#define GL_LUMINANCE_ALPHA 0x190A
#endif
#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace TwAV {

namespace {

enum Kind { Planar420, SemiPlanar420, Packed };

const char* vertexSource =
    "#version 120\n"
    "attribute vec2 a_pos;\n"
    "attribute vec2 a_tex;\n"
    "uniform mat4 u_matrix;\n"
    "varying vec2 v_tex;\n"
    "void main() {\n"
    "    gl_Position = u_matrix * vec4(a_pos, 0.0, 1.0);\n"
    "    v_tex = a_tex;\n"
    "}\n";

QByteArray fragmentSource(Kind kind, VideoShader* user)
{
    QByteArray s = "#version 120\n"
                   "uniform sampler2D u_tex0;\n"
                   "uniform sampler2D u_tex1;\n"
                   "uniform sampler2D u_tex2;\n"
                   "uniform mat3 u_yuv;\n"
                   "uniform vec3 u_offset;\n"
                   "uniform vec2 u_texelSize;\n"
                   "uniform float u_brightness;\n"
                   "uniform float u_contrast;\n"
                   "uniform float u_saturation;\n"
                   "uniform float u_hue;\n"
                   "varying vec2 v_tex;\n"
                   "vec3 adjust(vec3 c) {\n"
                   "    c = c + u_brightness;\n"
                   "    c = (c - 0.5) * (u_contrast + 1.0) + 0.5;\n"
                   "    float l = dot(c, vec3(0.299, 0.587, 0.114));\n"
                   "    c = mix(vec3(l), c, u_saturation + 1.0);\n"
                   "    if (u_hue != 0.0) {\n"
                   "        vec3 k = vec3(0.57735);\n"
                   "        float a = u_hue * 3.14159265;\n"
                   "        c = c * cos(a) + cross(k, c) * sin(a) + k * dot(k, c) * (1.0 - cos(a));\n"
                   "    }\n"
                   "    return clamp(c, 0.0, 1.0);\n"
                   "}\n"
                   "vec4 sampleColor(vec2 tc) {\n";
    switch (kind) {
    case Planar420:
        s += "    vec3 yuv = vec3(texture2D(u_tex0, tc).r, texture2D(u_tex1, tc).r, texture2D(u_tex2, tc).r);\n"
             "    return vec4(adjust(u_yuv * (yuv - u_offset)), 1.0);\n";
        break;
    case SemiPlanar420:
        s += "    vec4 uv = texture2D(u_tex1, tc);\n"
             "    vec3 yuv = vec3(texture2D(u_tex0, tc).r, uv.r, uv.a);\n"
             "    return vec4(adjust(u_yuv * (yuv - u_offset)), 1.0);\n";
        break;
    case Packed:
        s += "    vec4 c = texture2D(u_tex0, tc);\n"
             "    return vec4(adjust(c.rgb), c.a);\n";
        break;
    }
    s += "}\n";
    const QByteArray sample = user ? user->userSample() : QByteArray();
    if (user)
        s += user->userDeclarations();
    s += "vec4 userSample(vec2 tc) {\n";
    s += sample.isEmpty() ? QByteArray("    return sampleColor(tc);\n") : sample;
    s += "}\n"
         "void main() {\n"
         "    gl_FragColor = userSample(v_tex);\n";
    if (user && user->userPostProcess())
        s += QByteArray(user->userPostProcess()) + "\n";
    s += "}\n";
    return s;
}

// Limited-range (16..235) or full-range YUV to RGB, columns for Y, U, V.
void yuvMatrix(const AVFrame* f, QMatrix3x3* m, QVector3D* offset)
{
    const bool bt709 = f->colorspace == AVCOL_SPC_BT709;
    const bool full = f->color_range == AVCOL_RANGE_JPEG || f->format == AV_PIX_FMT_YUVJ420P;
    const float kr = bt709 ? 0.2126f : 0.299f, kb = bt709 ? 0.0722f : 0.114f, kg = 1.0f - kr - kb;
    const float ys = full ? 1.0f : 255.0f / 219.0f, cs = full ? 1.0f : 255.0f / 224.0f;
    const float rv = 2.0f * (1.0f - kr) * cs, bu = 2.0f * (1.0f - kb) * cs;
    const float gu = -2.0f * (1.0f - kb) * kb / kg * cs, gv = -2.0f * (1.0f - kr) * kr / kg * cs;
    const float values[9] = {ys, 0.0f, rv, ys, gu, gv, ys, bu, 0.0f};
    *m = QMatrix3x3(values);
    *offset = QVector3D(full ? 0.0f : 16.0f / 255.0f, 128.0f / 255.0f, 128.0f / 255.0f);
}

} // namespace

struct OpenGLVideo::Private
{
    VideoShader* user = nullptr;
    QPointer<QObject> userObject;
    bool userIsObject = false;
    std::unique_ptr<QOpenGLShaderProgram> program;
    QByteArray programSource;
    GLuint textures[3] = {0, 0, 0};
    QSize textureSizes[3];
    GLenum textureFormats[3] = {0, 0, 0};
    QImage converted; // keeps a swscale'd copy alive during the upload
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    std::unique_ptr<QOpenGLShaderProgram> tapProgram;
    QByteArray tapSource;
    std::unique_ptr<QOpenGLFramebufferObject> tapFbo;
    std::unique_ptr<QOpenGLShaderProgram> copyProgram;
    QByteArray copySource;

    QOpenGLShaderProgram* program_for(const QByteArray& source, std::unique_ptr<QOpenGLShaderProgram>* program,
                                      QByteArray* built)
    {
        if (*program && source == *built)
            return program->get();
        program->reset(new QOpenGLShaderProgram);
        *built = source;
        QOpenGLShaderProgram* p = program->get();
        p->bindAttributeLocation("a_pos", 0);
        if (!p->addShaderFromSourceCode(QOpenGLShader::Vertex, vertexSource)
            || !p->addShaderFromSourceCode(QOpenGLShader::Fragment, source) || !p->link()) {
            qWarning() << "video shader does not build:" << p->log();
            program->reset();
            return nullptr;
        }
        return p;
    }

    void drawQuad(QOpenGLFunctions* gl, QOpenGLShaderProgram* p, const GLfloat* tex)
    {
        static const GLfloat pos[] = {-1, -1, 1, -1, -1, 1, 1, 1};
        const int posLoc = p->attributeLocation("a_pos"), texLoc = p->attributeLocation("a_tex");
        p->enableAttributeArray(posLoc);
        p->enableAttributeArray(texLoc);
        p->setAttributeArray(posLoc, pos, 2);
        p->setAttributeArray(texLoc, tex, 2);
        gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        p->disableAttributeArray(posLoc);
        p->disableAttributeArray(texLoc);
    }

    VideoShader* shader()
    {
        if (userIsObject && !userObject) {
            user = nullptr;
            userIsObject = false;
        }
        return user;
    }

    void upload(QOpenGLFunctions* gl, int i, GLenum format, int w, int h, int rowPixels, const void* data)
    {
        if (!textures[i])
            gl->glGenTextures(1, &textures[i]);
        gl->glActiveTexture(GL_TEXTURE0 + GLenum(i));
        gl->glBindTexture(GL_TEXTURE_2D, textures[i]);
        gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, rowPixels);
        if (textureSizes[i] != QSize(w, h) || textureFormats[i] != format) {
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            const GLenum internal = format == GL_BGRA ? GL_RGBA : format;
            gl->glTexImage2D(GL_TEXTURE_2D, 0, GLint(internal), w, h, 0, format, GL_UNSIGNED_BYTE, data);
            textureSizes[i] = QSize(w, h);
            textureFormats[i] = format;
        } else {
            gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, format, GL_UNSIGNED_BYTE, data);
        }
        gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    }
};

OpenGLVideo::OpenGLVideo(QObject* parent)
    : QObject(parent), d(new Private)
{
}

OpenGLVideo::~OpenGLVideo() = default;

void OpenGLVideo::setUserShader(VideoShader* shader)
{
    d->user = shader;
    auto* object = dynamic_cast<QObject*>(shader);
    d->userObject = object;
    d->userIsObject = object != nullptr;
}

VideoShader* OpenGLVideo::userShader() const
{
    return d->shader();
}

void OpenGLVideo::releaseResources()
{
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    if (ctx) {
        for (GLuint& t : d->textures) {
            if (t)
                ctx->functions()->glDeleteTextures(1, &t);
            t = 0;
        }
    }
    for (QSize& s : d->textureSizes)
        s = QSize();
    d->program.reset();
    d->programSource.clear();
    d->tapProgram.reset();
    d->tapSource.clear();
    d->fbo.reset();
    d->tapFbo.reset();
    d->copyProgram.reset();
    d->copySource.clear();
}

bool OpenGLVideo::render(const VideoFrame& frame, const Params& params)
{
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    if (!ctx || !frame.isValid())
        return false;
    QOpenGLFunctions* gl = ctx->functions();
    const AVFrame* f = frame.avFrame();
    Kind kind = Packed;
    const int w = frame.width(), h = frame.height();
    QMatrix3x3 yuv;
    QVector3D offset;
    if (f && (f->format == AV_PIX_FMT_YUV420P || f->format == AV_PIX_FMT_YUVJ420P)) {
        kind = Planar420;
        d->upload(gl, 0, GL_LUMINANCE, w, h, f->linesize[0], f->data[0]);
        d->upload(gl, 1, GL_LUMINANCE, (w + 1) / 2, (h + 1) / 2, f->linesize[1], f->data[1]);
        d->upload(gl, 2, GL_LUMINANCE, (w + 1) / 2, (h + 1) / 2, f->linesize[2], f->data[2]);
        yuvMatrix(f, &yuv, &offset);
    } else if (f && f->format == AV_PIX_FMT_NV12) {
        kind = SemiPlanar420;
        d->upload(gl, 0, GL_LUMINANCE, w, h, f->linesize[0], f->data[0]);
        d->upload(gl, 1, GL_LUMINANCE_ALPHA, (w + 1) / 2, (h + 1) / 2, f->linesize[1] / 2, f->data[1]);
        yuvMatrix(f, &yuv, &offset);
    } else if (f && (f->format == AV_PIX_FMT_RGBA || f->format == AV_PIX_FMT_RGB0) && f->linesize[0] % 4 == 0) {
        d->upload(gl, 0, GL_RGBA, w, h, f->linesize[0] / 4, f->data[0]);
    } else if (f && (f->format == AV_PIX_FMT_BGRA || f->format == AV_PIX_FMT_BGR0) && f->linesize[0] % 4 == 0) {
        d->upload(gl, 0, GL_BGRA, w, h, f->linesize[0] / 4, f->data[0]);
    } else {
        d->converted = frame.toImage(QImage::Format_RGBA8888);
        if (d->converted.isNull())
            return false;
        d->upload(gl, 0, GL_RGBA, d->converted.width(), d->converted.height(),
                  d->converted.bytesPerLine() / 4, d->converted.constBits());
    }

    VideoShader* user = d->shader();
    QRectF roi = params.roi;
    if (roi.isValid() && roi.width() <= 1.0 && roi.height() <= 1.0 && roi.right() <= 1.0 && roi.bottom() <= 1.0)
        roi = QRectF(roi.x() * w, roi.y() * h, roi.width() * w, roi.height() * h);
    roi = roi.isValid() ? roi.intersected(QRectF(0, 0, w, h)) : QRectF(0, 0, w, h);
    if (roi.isEmpty())
        roi = QRectF(0, 0, w, h);
    const GLfloat u0 = GLfloat(roi.left() / w), u1 = GLfloat(roi.right() / w);
    const GLfloat v0 = GLfloat(roi.top() / h), v1 = GLfloat(roi.bottom() / h);
    const GLfloat frameTex[] = {u0, v1, u1, v1, u0, v0, u1, v0};

    // A sampling shader (a convolution) would convert every tap again: the
    // picture is converted once into a texture of its own size first, and
    // the taps read that.
    const bool twoPass = user && !user->userSample().isEmpty();
    QOpenGLShaderProgram* convert = d->program_for(fragmentSource(kind, twoPass ? nullptr : user), &d->program,
                                                   &d->programSource);
    if (!convert)
        return false;
    GLint viewport[4] = {0, 0, 0, 0};
    QSize fboSize;
    if (twoPass) {
        gl->glGetIntegerv(GL_VIEWPORT, viewport);
        fboSize = QSize(qMax(1, qRound(roi.width())), qMax(1, qRound(roi.height())));
        if (!d->fbo || d->fbo->size() != fboSize) {
            // A unit of its own (the new object binds its texture): units 0
            // to 2 hold the frame's planes now.
            gl->glActiveTexture(GL_TEXTURE3);
            d->fbo.reset(new QOpenGLFramebufferObject(fboSize));
            gl->glBindTexture(GL_TEXTURE_2D, d->fbo->texture());
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            gl->glBindTexture(GL_TEXTURE_2D, 0);
            gl->glActiveTexture(GL_TEXTURE0);
        }
        d->fbo->bind();
        gl->glViewport(0, 0, fboSize.width(), fboSize.height());
    }
    convert->bind();
    convert->setUniformValue("u_tex0", 0);
    convert->setUniformValue("u_tex1", 1);
    convert->setUniformValue("u_tex2", 2);
    convert->setUniformValue("u_yuv", yuv);
    convert->setUniformValue("u_offset", offset);
    convert->setUniformValue("u_texelSize", QVector2D(1.0f / w, 1.0f / h));
    convert->setUniformValue("u_brightness", GLfloat(params.brightness));
    convert->setUniformValue("u_contrast", GLfloat(params.contrast));
    convert->setUniformValue("u_saturation", GLfloat(params.saturation));
    convert->setUniformValue("u_hue", GLfloat(params.hue));
    convert->setUniformValue("u_matrix", twoPass ? QMatrix4x4() : params.transform);
    if (user && !twoPass)
        user->setUserUniformValues(convert);
    d->drawQuad(gl, convert, frameTex);
    convert->release();
    for (int i = 2; i >= 0; --i) {
        gl->glActiveTexture(GL_TEXTURE0 + GLenum(i));
        gl->glBindTexture(GL_TEXTURE_2D, 0);
    }
    if (!twoPass)
        return true;

    QOpenGLFramebufferObject::bindDefault(); // the painting widget's own framebuffer
    gl->glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    QByteArray source = "#version 120\n"
                        "uniform sampler2D u_rgb;\n"
                        "uniform vec2 u_texelSize;\n"
                        "varying vec2 v_tex;\n"
                        "vec4 sampleColor(vec2 tc) { return texture2D(u_rgb, tc); }\n";
    source += user->userDeclarations();
    source += "vec4 userSample(vec2 tc) {\n" + user->userSample() + "}\n"
              "void main() {\n"
              "    gl_FragColor = userSample(v_tex);\n";
    if (user->userPostProcess())
        source += QByteArray(user->userPostProcess()) + "\n";
    source += "}\n";
    QOpenGLShaderProgram* taps = d->program_for(source, &d->tapProgram, &d->tapSource);
    if (!taps)
        return false;
    // The taps read texels one to one (no filtering); a picture shown at
    // another size or turned is scaled afterwards in a pass of one read.
    const bool oneToOne = viewport[2] == fboSize.width() && viewport[3] == fboSize.height()
                          && params.transform.isIdentity();
    if (!oneToOne) {
        if (!d->tapFbo || d->tapFbo->size() != fboSize) {
            gl->glActiveTexture(GL_TEXTURE3);
            d->tapFbo.reset(new QOpenGLFramebufferObject(fboSize));
            gl->glBindTexture(GL_TEXTURE_2D, d->tapFbo->texture());
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            gl->glBindTexture(GL_TEXTURE_2D, 0);
        }
        d->tapFbo->bind();
        gl->glViewport(0, 0, fboSize.width(), fboSize.height());
    }
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, d->fbo->texture());
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    taps->bind();
    taps->setUniformValue("u_rgb", 0);
    // The texture's rows run bottom-up: a kernel's first row is above.
    taps->setUniformValue("u_texelSize", QVector2D(1.0f / fboSize.width(), -1.0f / fboSize.height()));
    taps->setUniformValue("u_matrix", QMatrix4x4());
    user->setUserUniformValues(taps);
    static const GLfloat fboTex[] = {0, 0, 1, 0, 0, 1, 1, 1};
    d->drawQuad(gl, taps, fboTex);
    taps->release();
    if (!oneToOne) {
        QOpenGLFramebufferObject::bindDefault();
        gl->glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
        static const QByteArray copySource = "#version 120\n"
                                             "uniform sampler2D u_rgb;\n"
                                             "varying vec2 v_tex;\n"
                                             "void main() { gl_FragColor = texture2D(u_rgb, v_tex); }\n";
        QOpenGLShaderProgram* copy = d->program_for(copySource, &d->copyProgram, &d->copySource);
        if (!copy)
            return false;
        gl->glBindTexture(GL_TEXTURE_2D, d->tapFbo->texture());
        copy->bind();
        copy->setUniformValue("u_rgb", 0);
        copy->setUniformValue("u_matrix", params.transform);
        d->drawQuad(gl, copy, fboTex);
        copy->release();
    }
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

} // namespace TwAV

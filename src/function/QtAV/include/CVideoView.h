#pragma once

// The widget that shows a player's picture: it owns an OpenGL widget renderer,
// made at the first call that needs it, and puts on it the output aspect, the
// orientation and mirror rotations, a libavfilter chain assembled from named
// pieces ("f_region" crop, "f_extend", "f_effect" and any other key, in key
// order), a user shader, the colour controls, subtitles, and two overlays:
// the dashed crop box and the watermark box. GUI thread only; the player is
// not owned.

#include "VideoShaders.h"
#include "function/CMediaInfoMgr/MarkInfo.h"
#include "function/QtAV/av/AVPlayer.h"
#include "function/QtAV/av/SubtitleFilter.h"
#include "function/QtAV/avwidgets/OpenGLWidgetRenderer.h"

#include <QFont>
#include <QImage>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <QWidget>

class CVideoView;
class DashedBox;
class WaterMark;

// One subtitle as the player's caller describes it. A size of 0 means a
// tenth of the view's height.
struct SubtitleSet
{
    int id = 0;
    QString file;
    QRect rect;
    int size = 0;
    QString colorName;
    QFont font;
};

class CVideoViewPrivate : public QObject
{
    Q_OBJECT
public:
    explicit CVideoViewPrivate(CVideoView* view);

    QRect sceneRect;
    TwAV::OpenGLWidgetRenderer* renderer = nullptr;
    int orientation = 0;
    int rotationX = 0;
    int rotationY = 0;
    bool zoomed = false;
    QPointer<TwAV::AVPlayer> player;
    QMap<int, TwAV::SubtitleFilter*> subtitles;
    QRect waterMarkDefaultRect{0, 0, 200, 30};
    QPointer<WaterMark> waterMark;
    QSize waterMarkMinSize{20, 20};
    QPointer<DashedBox> dashedBox;
    QSize dashedBoxMinSize{20, 20};
    QSize handleSize{6, 6};
    QMap<QString, QString> pieces;
    QRect regionRect{0, 0, 0, 0};
    float regionRatio = 1.0f;
    float overlayRatio = 1.0f;
    QObject* shader = nullptr;
    ShaderType shaderType = ShaderNone;
    CVideoView* q;

    QMetaObject::Connection cropConnection;
    QMetaObject::Connection waterMarkConnection;

    // The subtitle font size rule: `base` 540 when adding, else the overlay
    // ratio x 270.
    int scaledFontSize(int size, int videoTarHeight, bool adding) const;
    TwAV::OpenGLWidgetRenderer* gl();
    void repaintIfPaused();
    void syncRendererSize();
};

class CVideoView : public QWidget
{
    Q_OBJECT
public:
    explicit CVideoView(QWidget* parent = nullptr);
    CVideoView(QWidget* parent, TwAV::AVPlayer* player, QRect rect);
    ~CVideoView() override;

    // The stripe pattern of the special effect for an orientation and the
    // two accumulated rotations; empty for an orientation that is not a
    // multiple of 90.
    static QString stripePattern(int orientation, int rotationX, int rotationY);

    // What the slots left behind, for callers that inspect the view.
    QMap<QString, QString> filterPieces() const;
    QRect regionRect() const;
    float regionRatio() const;
    float overlayRatio() const;
    int rotationX() const;
    int rotationY() const;
    int storedOrientation() const;
    QSize storedHandleSize() const;
    QSize storedDashedBoxMinSize() const;
    QSize storedWaterMarkMinSize() const;
    QRect waterMarkDefaultRect() const;
    DashedBox* dashedBox() const;
    WaterMark* waterMark() const;
    TwAV::OpenGLWidgetRenderer* glRenderer() const;
    TwAV::SubtitleFilter* subtitle(int id) const;

signals:
    void doWaterMarkRectChanged(QRect rect);
    void doDashedBoxRectChanged(QRect rect);
    void doMatrixIdentitied();
    void doRenderSizeChanged(QSize size);

public slots:
    void setPlayer(TwAV::AVPlayer* player);
    void setVideoAspect(int num, int den);
    void setRect(QRect rect);
    void resetVideoView();
    void clearRotation();
    void rotate(int angle, int type, bool clockwise);
    void rotate(int angle, int type);
    void rotate(int angle);
    int orientation() const;
    // Makes the renderer if it is not there yet, as glRenderer() does.
    TwAV::VideoRenderer* videoRenderer() const;
    // Whether anything has needed the renderer so far.
    bool hasRenderer() const;

    void initFilter();
    void setFilterEnabled(bool enabled);
    void insertFilterOptions(QString key, QString options);
    bool uninstallFilterOptions(QString key);
    void updateFilter();
    bool isSpecialFilterSet() const;

    void setShader(ShaderType type, const char* process);
    void setShader(ShaderType type);
    ShaderType shaderType() const;
    void clearShader();

    bool setBrightness(double value);
    bool setContrast(double value);
    bool setHue(double value);
    bool setSaturation(double value);

    void setRegionOfInterest(QRect rect);
    void setRegionRatio(float ratio);
    void clearRegion(QSize videoSize);
    QSize renderRegion() const;

    TwAV::SubtitleFilter* addSubtitle(SubtitleSet info, int videoTarHeight, bool installed);
    void installSubtitle(TwAV::SubtitleFilter* subtitle, int subStreamIndex = -1);
    void uninstallSubtitle(TwAV::SubtitleFilter* subtitle);
    void setSubtitlePosition(TwAV::SubtitleFilter* subtitle, int position);
    void setSubtitleRect(TwAV::SubtitleFilter* filter, int height, int position, int videoTarHeight);
    void setSubtitleFont(TwAV::SubtitleFilter* filter, QFont font, int videoTarHeight);
    void setSubtitle(SubtitleSet info, int videoTarHeight);
    void setSubtitleVisible(int id, bool visible);

    void zoomIn(QRect rect);
    void zoomOut();
    bool isZoomIn() const;
    void setViewCenterInParent(QSize size);
    void setShowVideoFrame(bool show = true);

    void initDashedBox(float ratio);
    void initWaterMark(float ratio);
    void blockCropSignals(bool b);
    void blockWaterMarkSignals(bool b);
    QRect getDashedBoxRect() const;
    QRect getWaterMarkRect() const;
    void setDashedBoxEnabled(bool enabled);
    void setWaterMarkEnabled(bool enabled);
    void freeWaterMark();
    void checkWaterMarkBoxRectBeyond();
    void saveTempImageOpacityChanged();
    void setWaterMarkOpacity(double opacity);
    void setWaterMarkBoxVisible(bool visible);
    QRect sceneRect() const;
    void setSceneRect(QRect rect);
    void setWaterMark(QList<TextMarkInfo>& lstTexts, QString savePath);
    bool setWaterMark(QImage image, QString tempImagePath, bool firstLoad);
    bool setWaterMark(QImage image, QString tempImagePath);
    void setWaterMark(DateTimeMarkInfo info, bool firstLoad);
    void setWaterMark(DateTimeMarkInfo info);
    void setDashedBoxVisible(bool visible);
    void setWaterMarkDefaultRect(QRect rect);

    void setHandleSize(QSize size);
    void setDashedBoxMinSize(QSize size);
    void setWaterMarkBoxMinSize(QSize size);
    void setDashedBoxRect(QRect rect, bool bEmitSignal);
    void setDashedBoxRect(QRect rect);
    void setWaterMarkRect(QRect rect);
    void setWaterMarkVisible(bool visible);
    void resetRatio(float ratio);
    void resetRatio();
    void initSubtitleRatio(float ratio);
    void resizeAttachs(float ratio);
    void resizeAttachs();
    void setScaledByRatio(bool b, double ratio);
    void setScaledByRatio(bool b);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void init();
    CVideoViewPrivate* d;
};

Q_DECLARE_METATYPE(SubtitleSet)
Q_DECLARE_METATYPE(ShaderType)

#pragma once

// Subtitles drawn over the picture by a renderer that paints (OpenGL widget
// renderer): text from a file (SRT, ASS/SSA, WebVTT, read with libavformat
// and the subtitle decoders) or, without a file and after setPlayer, from the
// player's chosen internal track. The text shown is the cue at the painted
// frame's time, centred at the bottom of the filter's rectangle. Bitmap
// subtitles are not drawn. Setters and paint run on the GUI thread; the
// player's events arrive on its decode thread (guarded by the mutex).

#include "Filter.h"

#include <QColor>
#include <QFont>
#include <QMutex>
#include <QPointer>
#include <QRect>
#include <QVariantHash>
#include <QVector>

class QPainter;

namespace TwAV {

class AVPlayer;

// A filter that a painting renderer draws over the picture, after it.
class PaintingFilter : public VideoFilter
{
    Q_OBJECT
public:
    explicit PaintingFilter(QObject* parent = nullptr) : VideoFilter(parent) {}
    void process(VideoFrame* frame) override { Q_UNUSED(frame) }
    // `target` is the renderer's whole widget; `seconds` the frame's time.
    virtual void paint(QPainter* painter, const QRect& target, double seconds) = 0;
};

class SubtitleFilter : public PaintingFilter
{
    Q_OBJECT
public:
    explicit SubtitleFilter(QObject* parent = nullptr);
    ~SubtitleFilter() override;

    // The player whose chosen internal track is shown when there is no file.
    void setPlayer(AVPlayer* player);
    AVPlayer* player() const;
    void setFile(const QString& path);
    QString file() const;
    // Decoder options for the file, e.g. {"sub_charenc": "CP1252"}.
    void setCodecOptions(const QVariantHash& options);
    QVariantHash codecOptions() const;
    // Kept for callers; nothing is ever looked up beside the media.
    void setAutoLoad(bool autoLoad) { m_autoLoad = autoLoad; }
    bool autoLoad() const { return m_autoLoad; }

    // An empty rectangle means the whole target.
    void setRect(const QRectF& rect);
    QRectF rect() const;
    void setFont(const QFont& font);
    QFont font() const;
    void setColor(const QColor& color);
    QColor color() const;

    // The text due at a time ("" for none), line breaks as '\n'.
    QString textAt(double seconds);
    void paint(QPainter* painter, const QRect& target, double seconds) override;

    // An ASS dialogue or plain text line as shown: override tags dropped,
    // "\N" and "\n" turned into line breaks.
    static QString plainText(const QString& assOrText, bool ass);

signals:
    void loaded(bool ok);

private:
    class Listener;
    struct Cue { double start, end; QString text; };
    void loadFile();
    void addCue(double start, double end, const QString& text);

    mutable QMutex m_mutex;
    QVector<Cue> m_fileCues;
    QVector<Cue> m_trackCues;
    QString m_file;
    QVariantHash m_codecOptions;
    bool m_fileDirty = false;
    bool m_autoLoad = false;
    QRectF m_rect;
    QFont m_font;
    QColor m_color = Qt::white;
    QPointer<AVPlayer> m_player;
    Listener* m_listener = nullptr;
};

} // namespace TwAV

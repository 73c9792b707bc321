#pragma once

// The picture of a media file at a requested time with that time as
// "HH:mm:ss" (a thumbnail over a seek bar). Frames come from the layer's
// extractor, one request at a time from a short queue whose head is the one
// being extracted. GUI thread only.

#include "function/QtAV/av/Frame.h"

#include <QFont>
#include <QList>
#include <QWidget>

class QGraphicsOpacityEffect;
class QLabel;
namespace TwAV { class VideoFrameExtractor; }

class CVideoPreviewWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float opacity READ opacity WRITE setOpacity)
public:
    explicit CVideoPreviewWidget(QWidget* parent = nullptr);

    void setFile(const QString& path);
    QString file() const { return m_file; }
    void requestFrame(qint64 positionMs, int fontPixelSize);
    void showOnce();
    float opacity() const { return m_opacity; }
    void setOpacity(float opacity);

    // What the widget shows and waits for, for its callers and tests.
    QList<int> queue() const { return m_queue; }
    QString timeText() const;
    QPixmap picture() const;
    static QString timeTextFor(qint64 positionMs);

signals:
    void timestampChanged();
    void fileChanged();

public slots:
    void displayFrame(const TwAV::VideoFrame& frame);
    void displayNoFrame(const QString& errorMessage);
    void nextExtractor();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateTimeLabel(qint64 position, int pixelSize);
    void startHead();
    bool takeAnswer();

    QString m_file;
    TwAV::VideoFrameExtractor* m_extractor = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_time = nullptr;
    QList<int> m_queue;
    QGraphicsOpacityEffect* m_effect = nullptr;
    float m_opacity = 0;
    bool m_shownOnce = false;
    QFont m_font;
    int m_fontPixelSize = 12;
    int m_rotation = 0;
    // One entry per extraction asked and not yet answered, in order: false
    // once its answer no longer belongs to the head (the file changed).
    QList<bool> m_answers;
};

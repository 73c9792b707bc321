#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QWidget>

class QLabel;
class QMovie;
class QTimer;

// A window-modal, frameless overlay with a dimmed rounded card and a busy
// animation, shown centred over its parent window. A stoppable one swaps
// the animation for "Stop / Analyzing" while hovered and reports a click.
class LoadingWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LoadingWidget(QWidget* parent = nullptr, bool stoppable = false);
    ~LoadingWidget() override;

    void showCentred();

    QLabel* movieLabel() const { return m_movieLabel; }
    QLabel* stopLabel() const { return m_stopLabel; }
    QLabel* backgroundLabel() const { return m_background; }
    // True while the busy indicator advances (the movie, or the painted
    // frames when the build carries no animation).
    bool isAnimating() const;
    bool usesPaintedFrames() const { return !m_frames.isEmpty(); }
    int currentFrame() const;

signals:
    void doStop(bool);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void nextPaintedFrame();

    QMovie* m_movie = nullptr;
    QLabel* m_movieLabel = nullptr;
    QLabel* m_stopLabel = nullptr;
    QLabel* m_background = nullptr;
    // Stand-in animation when ":/res/tongyong.gif" is not in the build.
    QList<QImage> m_frames;
    QTimer* m_frameTimer = nullptr;
    int m_frameIndex = 0;
    QSize m_frameSize;
};

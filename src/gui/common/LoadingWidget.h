#pragma once

#include <QSize>
#include <QWidget>

class QLabel;
class QMovie;

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
    // True while the busy animation plays.
    bool isAnimating() const;
    int currentFrame() const;

signals:
    void doStop(bool);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QMovie* m_movie = nullptr;
    QLabel* m_movieLabel = nullptr;
    QLabel* m_stopLabel = nullptr;
    QLabel* m_background = nullptr;
    QSize m_frameSize;
};

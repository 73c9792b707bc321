#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSize>

class QLabel;
class QMovie;

// The ":/res/loading.gif" animation shared by every row that waits for its
// analysis: one movie and one timer however many rows wait, each waiting
// label showing the current frame at its own size. Rows hidden by the list
// (far from the visible part) are skipped. GUI thread only.
class SharedLoadingAnimation : public QObject
{
    Q_OBJECT
public:
    static SharedLoadingAnimation* instance();

    // The label shows the animation until released (or destroyed).
    void attach(QLabel* label);
    void release(QLabel* label);
    int attachedCount() const { return m_labels.size(); }
    bool isRunning() const;
    // The current frame at the given size (made once per frame and size).
    QPixmap frame(const QSize& size);

private:
    SharedLoadingAnimation();
    void onFrameChanged();
    void show(QLabel* label);

    QMovie* m_movie = nullptr;
    QList<QLabel*> m_labels;
    QHash<quint64, QPixmap> m_scaled;
};

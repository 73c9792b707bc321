#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

// A thumbnail fitted into the frame (its size rounded down to multiples of
// 4 and centred), or a placeholder picture while there is none.
class CUxPhotoFrame : public QWidget
{
    Q_OBJECT
public:
    explicit CUxPhotoFrame(QWidget* parent = nullptr, const QString& placeholderPath = QString());

    bool setImage(const QImage& image);
    void setPixmapFile(const QString& path, float factor);
    void clear();

    // Made on first use; hidden until a picture is set.
    QLabel* pictureLabel() const;
    QLabel* placeholderLabel() const;
    QSize pictureBaseSize() const { return m_pictureBaseSize; }
    QSize placeholderBaseSize() const { return m_placeholderBaseSize; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool fit(const QPixmap& pixmap);
    void centre(QLabel* label);

    QLabel* m_pictureLabel = nullptr;
    QLabel* m_placeholderLabel = nullptr;
    QSize m_pictureBaseSize {0, 0};
    QSize m_placeholderBaseSize {0, 0};
    int m_marginX = 0;
    int m_marginY = 0;
    bool m_placeholderSizeFixed = false;
    bool m_placeholderShown = true;
};

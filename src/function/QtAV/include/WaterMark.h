#pragma once

// The watermark overlay: a movable box showing an image, a block of text
// lines or a running date and time at a content opacity. Text blocks are
// written as PNG at their save path here; image marks are written with their
// opacity by TransImageAlpha jobs on the global thread pool (the only work
// off the GUI thread). The video view's filter chain burns those files in.

#include "CMoveBox.h"
#include "function/CMediaInfoMgr/MarkInfo.h"

#include <QImage>
#include <QList>
#include <QPointer>

class QTimer;

class WaterMark : public CMoveBox
{
    Q_OBJECT
public:
    enum Kind { None = 0, Image = 1, Text = 2, DateTime = 3 };
    explicit WaterMark(QWidget* parent = nullptr);

    int kind() const { return m_kind; }
    double contentOpacity() const { return m_opacity; }
    QImage markImage() const { return m_image; }
    QString currentText() const { return m_dateTimeText; }
    QSize storedSize() const { return m_storedSize; }
    QPoint storedPos() const { return m_storedPos; }
    QList<TextMarkInfo> texts() const { return m_texts; }
    QColor handleColor() const { return m_handleColor; }

public slots:
    void setContentOpacity(double opacity);
    void setText(QList<TextMarkInfo>& lstTexts, QString savePath);
    bool setImage(QImage image, QString tempImagePath, bool firstLoad);
    bool setImage(QImage image, QString tempImagePath);
    void setDateTime(DateTimeMarkInfo dateTimeInfo, bool firstLoad);
    void setDateTime(DateTimeMarkInfo dateTimeInfo);
    void setTextSpacing(int spacing);
    void checkBoxRectBeyond();
    void updateWaterMark();
    void saveTempImageOpacityChanged();
    void onRectChanged(QRect rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitBox(QSize size, bool store);
    QSize blockSize(QList<TextMarkInfo>& lines, double k) const;
    QImage renderBlock();
    void renderAndFit(bool keepLargerBox);
    void stopTimer();

    int m_kind = None;
    QSize m_storedSize;
    QPoint m_storedPos;
    double m_opacity = 1.0;
    QImage m_image;
    QString m_savePath;
    QString m_tempImagePath;
    bool m_imageFirstLoad = false;
    bool m_dateTimeFirstLoad = false;
    int m_spacing = 3;
    QList<TextMarkInfo> m_texts;
    DateTimeMarkInfo m_dateTime;
    QString m_dateTimeText;
    QPointer<QTimer> m_timer;
    bool m_trackRect = true;
    QColor m_handleColor = Qt::white;
};

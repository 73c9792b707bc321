#pragma once

#include "gui/common/CUxBtn.h"

#include <QString>

// A button painted from one image per state, stretched in three slices
// (4-pixel caps and a middle).
class CUxPushButton : public CUxBtn
{
    Q_OBJECT

public:
    explicit CUxPushButton(QWidget* parent = nullptr);

    void setImages(const QString& normal, const QString& hover, const QString& pressed,
                   float imageScale);
    QString stateImage(int state) const { return m_stateImages[state & 3]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_stateImages[4];
    float m_imageScale = 1.0f;
};

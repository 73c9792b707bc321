#pragma once

#include <QCheckBox>
#include <QString>

// A check box with DPI-scaled indicator images that toggles only on a full
// click inside it and reports user toggles with uxClicked(). Its signals
// stay blocked after the first user toggle, so later changes made by the
// program emit nothing.
class CUxCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CUxCheckBox(QWidget* parent = nullptr);

    // The indicator rules for a width and height in real pixels.
    QString indicatorStyle(int width, int height) const;

signals:
    void uxClicked(bool checked);

public slots:
    void onSetCheckState(Qt::CheckState state);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool m_pressed = false;
    QString m_indicatorStyle;
};

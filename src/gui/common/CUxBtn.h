#pragma once

#include <QRect>
#include <QWidget>

// Base of the self-drawn buttons: a four-state machine (0 normal, 1 hover,
// 2 pressed, 3 disabled) with an optional toggle.
class CUxBtn : public QWidget
{
    Q_OBJECT

public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit CUxBtn(QWidget* parent = nullptr);

    int state() const { return m_state; }
    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checked; }
    void setCheckable(bool checkable);
    void setChecked(bool checked);
    virtual void setBtnEnabled(bool enabled);

    // The area in which a press counts.
    virtual QRect hitRect();

signals:
    void clicked();
    void pressed();
    void checked(bool bChecked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    void setState(int state);

    int m_state = Normal;
    bool m_checkable = false;
    bool m_checked = false;
};

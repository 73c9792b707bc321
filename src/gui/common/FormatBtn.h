#pragma once

#include <QPointer>
#include <QPushButton>

// A push button that shows a highlight strip beside itself while hovered
// or pressed. States: 0 normal, 1 hover, 2 pressed, 3 checked.
class FormatBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit FormatBtn(QWidget* parent = nullptr);
    ~FormatBtn() override;

    // Design size of the strip; 0 x 0 (the default) takes the button's own
    // size widened by the strip's 7-pixel lead.
    void setStripSize(int width, int height);
    void setState(int state);
    int state() const { return m_state; }
    QWidget* hoverStrip() const { return m_hoverStrip; }
    QWidget* downStrip() const { return m_downStrip; }

public slots:
    void onChecked(bool checked);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* makeStrip(const QString& image);
    int restingState() const { return isCheckable() && isChecked() ? 3 : 0; }

    // Siblings in the parent, so they are not deleted with the button.
    QPointer<QWidget> m_hoverStrip;
    QPointer<QWidget> m_downStrip;
    QPointer<QWidget> m_otherStrip;
    int m_stripWidth = 0;
    int m_stripHeight = 0;
    int m_state = 0;
};

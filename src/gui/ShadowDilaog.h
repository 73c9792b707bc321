#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class QLabel;

// The soft shadow window drawn behind a frameless popup. It never takes
// input; its inner label paints the half-transparent corner pixels that
// round the popup's cut corners, tinted red while the close button is hovered.
class ShadowDilaog : public QDialog
{
    Q_OBJECT
public:
    explicit ShadowDilaog(QWidget* parent);

    QWidget* frame() const { return m_frame; }
    QLabel* label() const { return m_label; }
    QWidget* closeButton() const { return m_closeButton; }
    void setCloseButtonWidget(QWidget* button) { m_closeButton = button; }
    QString currentColour() const { return m_currentColour; }

    // The popup that owns this shadow closes it through here; any other
    // close (window manager, Alt+F4) is ignored.
    void closeFromPopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintCorners();

    QWidget* m_frame = nullptr;
    QLabel* m_label = nullptr;
    QMap<int, QString> m_colours;
    QString m_currentColour;
    QWidget* m_closeButton = nullptr;
    bool m_closing = false;
};

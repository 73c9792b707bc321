#pragma once

#include <QByteArray>
#include <QDialog>
#include <QGenericArgument>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <functional>

#include "gui/ShadowDilaog.h"

class QScreen;

// What a popup needs to know of a screen to choose its DPI ratio and place
// itself. Read through PopupBase::screenMetrics so tests can pretend any
// screen.
struct ScreenMetrics
{
    qreal logicalDpi = 96.0;
    QRect geometry;   // full screen
    QRect available;  // without panels and docks
};

// The frameless, translucent base of the main window and of every dialog:
// a drag band at the top of a chosen widget, a shadow window behind it,
// a fixed size of its design size times the DPI ratio, centring over its
// host, and its own modal run. exec() always returns 0: a dialog keeps its
// own result field and the caller reads that after exec returns.
class PopupBase : public QDialog
{
    Q_OBJECT
public:
    explicit PopupBase(QWidget* parent, ShadowDilaog* shadow = nullptr);
    ~PopupBase() override;

    // Registers the popup's close button with the shadow, which tints its
    // top-right corner while the button is hovered. Null unregisters.
    void setCloseButton(QWidget* button);
    // A method invoked (queued) once the modal loop of exec() runs.
    void setPendingMethod(QObject* receiver, const QByteArray& method,
                          QGenericArgument a0 = QGenericArgument(nullptr),
                          QGenericArgument a1 = QGenericArgument(nullptr),
                          QGenericArgument a2 = QGenericArgument(nullptr));

    static QScreen* widgetScreen(QWidget* w);
    static QScreen* cursorScreen();
    // The screen the main window is on; the primary screen until a main
    // window has been initialised.
    static QScreen* currentScreen();
    static void setCurrentScreen(QScreen* screen);

    using ScreenMetricsProvider = std::function<ScreenMetrics(QScreen*)>;
    static void setScreenMetricsProvider(ScreenMetricsProvider provider);
    static ScreenMetrics screenMetrics(QScreen* screen);

    // The largest ratio, stepping r down by 0.1, at which the reference
    // window still fits a screen of the given size (never below the floor).
    static float fitDpiRatio(float r, const QSize& screenSize);
    static constexpr float kMinDpiRatio = 0.5f;
    static const QSize& referenceSize();

    void applyDpiRatio(float ratio);
    void placeWindow();
    // Rescales the popup's own tree; nested popups rescale themselves.
    void rescaleChildren(float f, QWidget* root = nullptr);

    ShadowDilaog* shadow() const { return m_shadow; }
    bool isMainWindowPopup() const { return m_isMainWindow; }
    float dpiRatio() const { return m_dpiRatio; }
    bool isModalRunning() const { return m_modalRunning; }
    bool isInitialised() const { return m_dragWidget != nullptr; }
    QWidget* dragWidget() const { return m_dragWidget; }
    float dragRatio() const { return m_dragRatio; }
    bool isShadowOn() const { return m_shadowOn; }
    void setShadowOnFlag(bool on) { m_shadowOn = on; }

public slots:
    void show(bool posInit);
    void show();
    int exec(bool posInit);
    int exec() override;
    void hide();
    void close();
    void showMin();
    void init(PopupBase* widget, QWidget* dragWidget, float dragRatio, bool isMainWindow);
    void init(PopupBase* widget, QWidget* dragWidget, float dragRatio);
    void init(PopupBase* widget, QWidget* dragWidget);
    void init(PopupBase* widget);
    void setShadowOn();
    void onDPIChanged();
    int Exec();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static QRegion cornerMask(const QSize& size);
    QSize m_maskSize;
    void hideShadowFrame();
    void moveShadowTo(const QPoint& popupPos);
    QSize scaledBaseSize() const;

    // Guarded: a shadow made by init belongs to the popup's parent of that
    // moment and may go before the popup does.
    QPointer<ShadowDilaog> m_shadow;
    bool m_shadowOn = true;
    bool m_isMainWindow = false;
    float m_dpiRatio = -1.0f;
    bool m_modalRunning = false;
    bool m_closing = false;
    QWidget* m_dragWidget = nullptr;
    float m_dragRatio = 1.0f;
    QObject* m_pendingReceiver = nullptr;
    QByteArray m_pendingMethod;
    QGenericArgument m_pendingArgs[3];
};


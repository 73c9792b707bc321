#include "gui/PopupBase.h"

#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVariant>
#include <QtDebug>
#include <cmath>

namespace {
QPointer<QScreen> g_currentScreen;
bool g_dragging = false;
QPoint g_lastGlobalPos;
PopupBase::ScreenMetricsProvider g_metricsProvider;

// A parentless popup takes the main popup as parent. QWidget::setParent
// with one argument would drop the window flags and turn it into a child
// widget inside the main window, so they are passed along.
void adoptMainPopup(PopupBase* popup)
{
    PopupBase* main = UIBaseData::instance()->mainPopup();
    if (main && main != popup)
        popup->setParent(main, popup->windowFlags());
}

// The first screen holding the point, or null.
QScreen* screenContaining(const QPoint& p)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* s : screens) {
        if (s->geometry().contains(p))
            return s;
    }
    return nullptr;
}

QScreen* screenOrPrimary(const QPoint& p)
{
    QScreen* s = screenContaining(p);
    return s ? s : QGuiApplication::primaryScreen();
}
}

PopupBase::PopupBase(QWidget* parent, ShadowDilaog* shadow)
    : QDialog(shadow ? static_cast<QWidget*>(shadow) : parent)
    , m_shadow(shadow)
{
    UIBaseData::instance();
    // Frameless from the start, as init makes every popup: changing the
    // flags later re-parents the window and re-styles every child the form
    // has made by then.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    if (!parentWidget())
        adoptMainPopup(this);
}

PopupBase::~PopupBase()
{
    // Message boxes made later (a service's error at shut-down) must not
    // take a destroyed window as their parent.
    UIBaseData* ui = UIBaseData::instance();
    if (ui->mainPopup() == this)
        ui->setMainPopup(nullptr);
    if (m_shadow && m_shadow != parentWidget())
        delete m_shadow.data();
}

// ---- screens -------------------------------------------------------------

QScreen* PopupBase::widgetScreen(QWidget* w)
{
    if (w)
        return screenOrPrimary(w->mapToGlobal(QPoint(0, 0)) + QPoint(w->width() / 2, w->height() / 2));
    return QGuiApplication::primaryScreen();
}

QScreen* PopupBase::cursorScreen()
{
    return screenOrPrimary(QCursor::pos());
}

QScreen* PopupBase::currentScreen()
{
    if (g_currentScreen)
        return g_currentScreen;
    return QGuiApplication::primaryScreen();
}

void PopupBase::setCurrentScreen(QScreen* screen)
{
    g_currentScreen = screen;
}

void PopupBase::setScreenMetricsProvider(ScreenMetricsProvider provider)
{
    g_metricsProvider = std::move(provider);
}

ScreenMetrics PopupBase::screenMetrics(QScreen* screen)
{
    if (g_metricsProvider)
        return g_metricsProvider(screen);
    ScreenMetrics m;
    if (screen) {
        m.logicalDpi = screen->logicalDotsPerInch();
        m.geometry = screen->geometry();
        m.available = screen->availableGeometry();
    } else {
        m.geometry = m.available = QRect(0, 0, 1920, 1080);
    }
    return m;
}

const QSize& PopupBase::referenceSize()
{
    static const QSize size(1098, 730);
    return size;
}

float PopupBase::fitDpiRatio(float r, const QSize& screenSize)
{
    const QSize& ref = referenceSize();
    // Screens smaller than the reference window at 1.0 would otherwise step
    // the ratio down to nothing.
    while ((float(ref.width()) * r > float(screenSize.width())
            || float(ref.height()) * r > float(screenSize.height()))
           && r - 0.1f >= kMinDpiRatio - 0.001f)
        r -= 0.1f;
    return r;
}

// ---- setup ---------------------------------------------------------------

void PopupBase::init(PopupBase* widget, QWidget* dragWidget, float dragRatio, bool isMainWindow)
{
    if (m_dragWidget)
        return;
    PopupBase* fallback = widget ? widget : this;
    m_isMainWindow = isMainWindow;
    UIBaseData* ui = UIBaseData::instance();
    if (isMainWindow) {
        ui->setFontFamily(QStringLiteral("Tahoma"));
        setStyleSheet(QStringLiteral("font-family: \"%1\";color:#494c59;").arg(ui->fontFamily()));
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, true);
        qRegisterMetaType<PopupBase*>("PopupBase*");
        ui->setMainPopup(this);
        setCurrentScreen(cursorScreen());
    }

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Without a compositor nothing shows through a window: the X server
    // draws its transparent parts black, and only pays for a redirected copy
    // of it (about 25 ms when the main window first shows). Such a window is
    // opaque instead, over black (see eventFilter), which looks the same.
    if (ui->isCompositionEnabled())
        setAttribute(Qt::WA_TranslucentBackground);
    installEventFilter(this);

    m_dragWidget = dragWidget ? dragWidget : fallback;
    m_dragWidget->installEventFilter(this);
    m_dragRatio = dragRatio;

    if (ui->isCompositionEnabled()) {
        if (!m_shadow)
            m_shadow = new ShadowDilaog(parentWidget());
        hideShadowFrame();
    } else {
        qWarning() << "disable shadow for theme";
        // A shadow handed in by the caller stays unused (the main window
        // keeps it as its parent), but is never shown.
        if (m_shadow && m_shadow != parentWidget())
            delete m_shadow.data();
        if (m_shadow != parentWidget())
            m_shadow = nullptr;
    }

    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* s : screens)
        connect(s, &QScreen::logicalDotsPerInchChanged, this, &PopupBase::onDPIChanged, Qt::UniqueConnection);

    applyDpiRatio(0);
    placeWindow();
}

void PopupBase::init(PopupBase* widget, QWidget* dragWidget, float dragRatio)
{
    init(widget, dragWidget, dragRatio, false);
}

void PopupBase::init(PopupBase* widget, QWidget* dragWidget)
{
    init(widget, dragWidget, 1.0f, false);
}

void PopupBase::init(PopupBase* widget)
{
    init(widget, nullptr, 1.0f, false);
}

void PopupBase::setCloseButton(QWidget* button)
{
    if (!m_shadow)
        return;
    if (button) {
        m_shadow->setCloseButtonWidget(button);
        button->installEventFilter(m_shadow);
    } else {
        if (QWidget* old = m_shadow->closeButton())
            old->removeEventFilter(m_shadow);
        m_shadow->setCloseButtonWidget(nullptr);
    }
}

void PopupBase::setPendingMethod(QObject* receiver, const QByteArray& method, QGenericArgument a0,
                                 QGenericArgument a1, QGenericArgument a2)
{
    m_pendingReceiver = receiver;
    m_pendingMethod = method;
    m_pendingArgs[0] = a0;
    m_pendingArgs[1] = a1;
    m_pendingArgs[2] = a2;
}

// ---- DPI -----------------------------------------------------------------

void PopupBase::applyDpiRatio(float ratio)
{
    const ScreenMetrics metrics = screenMetrics(currentScreen());
    float r = ratio != 0.0f ? ratio : float(metrics.logicalDpi / 96.0);
    if (qFuzzyCompare(r, m_dpiRatio))
        return;
    r = fitDpiRatio(r, metrics.geometry.size());
    if (qFuzzyCompare(r, m_dpiRatio))
        return;
    if (m_isMainWindow)
        UIBaseData::instance()->setScale(r);
    rescaleChildren(r);
    const QSize base = baseSize();
    const QSize s(int(std::floor(base.width() * r + 0.5)), int(std::floor(base.height() * r + 0.5)));
    setMinimumSize(s);
    setMaximumSize(s);
    resize(s);
    m_dpiRatio = r;
    if (m_shadow)
        m_shadow->resize(s + QSize(8, 8));
}

namespace {
// One widget of the popup's walk; all scratch values are locals so a walk
// entered again from a resize handler cannot clobber an outer one.
void popupRescaleOne(QWidget* w, float f)
{
    const QSize bs = w->baseSize();
    if (bs.width() != 0)
        w->setMinimumWidth(int(std::trunc(float(bs.width()) * f)));
    if (bs.height() != 0)
        w->setMinimumHeight(int(std::trunc(float(bs.height()) * f)));
    w->resize(bs.width() != 0 ? int(std::trunc(float(bs.width()) * f)) : w->width(),
              bs.height() != 0 ? int(std::trunc(float(bs.height()) * f)) : w->height());
    const QVariant pos = w->property("basePos");
    if (pos.isValid()) {
        const QPoint p = pos.toPoint();
        w->move(int(std::floor(float(p.x()) * f + 0.5f)), int(std::floor(float(p.y()) * f + 0.5f)));
    }
    const QVariant fontSize = w->property("baseFontSize");
    if (fontSize.isValid()) {
        const QFont current = w->font();
        QFont font;
        font.setFamily(current.family());
        font.setWeight(current.weight() > 57 ? 75 : 50);
        font.setPixelSize(qMax(1, int(std::trunc(float(fontSize.toInt()) * f))));
        w->setFont(font);
    }
    const QVariant iconSize = w->property("baseIconSize");
    if (iconSize.isValid()) {
        const QSize s = iconSize.toSize();
        const double d = f;
        w->setProperty("iconSize", QSize(int(std::floor(s.width() * d + 0.5)),
                                         int(std::floor(s.height() * d + 0.5))));
    }
    if (w->inherits("QPushButton"))
        w->setFocusPolicy(Qt::NoFocus);
}

void popupRescaleObject(QObject* o, float f, bool isRoot)
{
    if (!isRoot && o->inherits("PopupBase"))
        return;
    const QObjectList children = o->children();
    for (QObject* child : children)
        popupRescaleObject(child, f, false);
    if (o->isWidgetType())
        popupRescaleOne(static_cast<QWidget*>(o), f);
}
}

void PopupBase::rescaleChildren(float f, QWidget* root)
{
    popupRescaleObject(root ? root : this, f, true);
}

void PopupBase::onDPIChanged()
{
    auto* screen = qobject_cast<QScreen*>(sender());
    if (screen && screen != currentScreen())
        return;
    applyDpiRatio(0);
    const ScreenMetrics metrics = screenMetrics(currentScreen());
    const QRect a = metrics.available;
    const QSize s = scaledBaseSize();
    const QPoint pos(a.x() + (a.width() - s.width()) / 2, a.y() + (a.height() - s.height()) / 2);
    move(pos);
    moveShadowTo(pos);
}

// ---- placement -----------------------------------------------------------

QSize PopupBase::scaledBaseSize() const
{
    return QSize(UIBaseData::scaled(float(baseSize().width())), UIBaseData::scaled(float(baseSize().height())));
}

void PopupBase::moveShadowTo(const QPoint& popupPos)
{
    if (m_shadow)
        m_shadow->move(popupPos - QPoint(4, 4));
}

void PopupBase::placeWindow()
{
    UIBaseData* ui = UIBaseData::instance();
    QWidget* host = nullptr;
    if (QWidget* p = parentWidget()) {
        QWidget* w = p->window();
        if (w != ui->topLevelWindow())
            host = w;
    }
    if (!host && ui->mainPopup() != this)
        host = ui->mainPopup();

    const ScreenMetrics metrics = screenMetrics(currentScreen());
    const QRect area = host ? QRect(host->mapToGlobal(QPoint(0, 0)), host->size()) : metrics.available;
    const QSize s = scaledBaseSize();
    int x = area.x() + (area.width() - s.width()) / 2;
    int y = area.y() + (area.height() - s.height()) / 2;
    if (!m_isMainWindow) {
        const QRect& a = metrics.available;
        if (x < a.x())
            x = a.x();
        else if (x + s.width() > a.x() + a.width())
            x = a.x() + a.width() - s.width();
        if (y < a.y())
            y = a.y();
        else if (y + s.height() > a.y() + a.height())
            y = a.y() + a.height() - s.height();
    }
    move(x, y);
    moveShadowTo(QPoint(x, y));
}

// ---- life cycle ----------------------------------------------------------

void PopupBase::hideShadowFrame()
{
    if (m_shadow) {
        m_shadow->frame()->hide();
        m_shadow->update();
    }
}

void PopupBase::show(bool posInit)
{
    if (posInit)
        placeWindow();
    if (m_shadow)
        m_shadow->show();
    QDialog::show();
}

void PopupBase::show()
{
    show(true);
}

int PopupBase::exec(bool posInit)
{
    if (posInit)
        placeWindow();
    m_closing = true;
    hideShadowFrame();
    QWidget::close();
    m_closing = false;
    if (m_shadow)
        m_shadow->closeFromPopup();

    m_modalRunning = true;
    if (m_shadow) {
        QMetaObject::invokeMethod(this, "Exec", Qt::QueuedConnection);
        m_shadow->exec();
    } else {
        if (m_pendingReceiver)
            QMetaObject::invokeMethod(m_pendingReceiver, m_pendingMethod.constData(), Qt::QueuedConnection,
                                      m_pendingArgs[0], m_pendingArgs[1], m_pendingArgs[2]);
        QDialog::exec();
        m_pendingReceiver = nullptr;
    }
    m_modalRunning = false;
    return 0;
}

int PopupBase::exec()
{
    return exec(true);
}

int PopupBase::Exec()
{
    if (m_pendingReceiver)
        QMetaObject::invokeMethod(m_pendingReceiver, m_pendingMethod.constData(), Qt::QueuedConnection,
                                  m_pendingArgs[0], m_pendingArgs[1], m_pendingArgs[2]);
    const int result = QDialog::exec();
    m_pendingReceiver = nullptr;
    // The popup's loop ended without close() (for instance done() from a
    // subclass): the shadow's loop must not outlive it.
    if (m_shadow && m_shadow->isVisible())
        m_shadow->closeFromPopup();
    return result;
}

void PopupBase::close()
{
    m_closing = true;
    hideShadowFrame();
    QWidget::close();
    m_closing = false;
    if (m_shadow)
        m_shadow->closeFromPopup();
}

void PopupBase::hide()
{
    close();
}

void PopupBase::showMin()
{
    if (m_modalRunning)
        showMinimized();
    if (QWidget* top = UIBaseData::instance()->topLevelWindow())
        top->showMinimized();
}

void PopupBase::setShadowOn()
{
    if (m_shadow) {
        m_shadow->frame()->show();
        m_shadow->update();
    }
}

// ---- events --------------------------------------------------------------

bool PopupBase::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::Paint && isWindow()
        && !testAttribute(Qt::WA_TranslucentBackground)) {
        // Painting clips to the event's region.
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
    }
    if (watched == m_dragWidget && m_dragWidget
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseMove)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const int y = me->pos().y();
        const bool inBand = y >= 1 && y < int(std::trunc(float(m_dragWidget->height()) * m_dragRatio));
        if (event->type() == QEvent::MouseButtonPress && inBand && me->button() == Qt::LeftButton) {
            m_dragWidget->setFocus(Qt::OtherFocusReason);
            g_dragging = true;
            g_lastGlobalPos = me->globalPos();
        } else if (event->type() == QEvent::MouseButtonPress) {
            // A drag whose release never came (the popup closed under it)
            // must not move this window from a stale position.
            g_dragging = false;
        } else if (event->type() == QEvent::MouseMove && g_dragging && !(me->buttons() & Qt::LeftButton)) {
            g_dragging = false;
        } else if (event->type() == QEvent::MouseButtonRelease && (inBand || g_dragging)) {
            g_dragging = false;
            if (m_isMainWindow) {
                QScreen* s = cursorScreen();
                if (s != currentScreen()) {
                    setCurrentScreen(s);
                    emit s->logicalDotsPerInchChanged(-1.0);
                }
            }
        } else if (event->type() == QEvent::MouseMove && g_dragging) {
            QPoint newPos = pos() + (me->globalPos() - g_lastGlobalPos);
            // Keep the drag band reachable: the top edge stays inside the
            // available area of the screen the pointer is on.
            QScreen* screen = screenContaining(me->globalPos());
            const QRect a = screenMetrics(screen ? screen : currentScreen()).available;
            if (newPos.y() + 10 >= a.y() + a.height())
                newPos.setY(a.y() + a.height() - 10);
            if (newPos.y() < a.y())
                newPos.setY(a.y());
            move(newPos);
            moveShadowTo(newPos);
            g_lastGlobalPos = me->globalPos();
        }
    }
    if (watched == this && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        return true;
    return QObject::eventFilter(watched, event);
}

void PopupBase::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        event->ignore();
        return;
    }
    m_closing = false;
    QDialog::closeEvent(event);
}

void PopupBase::showEvent(QShowEvent* event)
{
    if (m_shadow && m_shadowOn) {
        m_shadow->frame()->show();
        m_shadow->update();
    }
    QDialog::showEvent(event);
}

// The window without six pixels at each corner (the corner pixel, the next
// two along each edge and the diagonal neighbour), which rounds it.
QRegion PopupBase::cornerMask(const QSize& size)
{
    QRegion region(0, 0, size.width(), size.height());
    const int w1 = size.width() - 1;
    const int h1 = size.height() - 1;
    auto cut = [&](int x, int y, int dx, int dy) {
        // Rows of 3, 2 and 1 pixels, growing inwards from the corner.
        for (int row = 0; row < 3; ++row) {
            const int len = 3 - row;
            const int yy = y + row * dy;
            const int x0 = dx > 0 ? x : x - len + 1;
            region -= QRegion(x0, yy, len, 1);
        }
    };
    cut(0, 0, 1, 1);
    cut(w1, 0, -1, 1);
    cut(0, h1, 1, -1);
    cut(w1, h1, -1, -1);
    return region;
}

void PopupBase::resizeEvent(QResizeEvent* event)
{
    const QSize s = event->size();
    // The mask depends on the size alone; setting the same one again would
    // make the window system redo its shape for nothing.
    if (s.width() > 0 && s.height() > 0 && s != m_maskSize) {
        m_maskSize = s;
        setMask(cornerMask(s));
    }
    QDialog::resizeEvent(event);
}

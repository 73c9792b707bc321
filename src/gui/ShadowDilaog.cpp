#include "gui/ShadowDilaog.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QCloseEvent>
#include <QColor>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <qdrawutil.h>

namespace {

// The shadow's ring: ":/res/shadow.png" as a border image 7 px wide on each
// side, edges stretched, as the style sheet
// "border-image:url(://res/shadow.png);border-width:7px;" draws it, except
// that the middle of the image, which is transparent (the popup covers it),
// is not stretched over the whole window on every paint.
class ShadowFrame : public QWidget
{
public:
    explicit ShadowFrame(QWidget* parent)
        : QWidget(parent)
        , m_image(QStringLiteral("://res/shadow.png"))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_image.isNull())
            return;
        const QRect r = rect();
        const QMargins m(kBorder, kBorder, kBorder, kBorder);
        QPainter p(this);
        p.setClipRegion(QRegion(r).subtracted(QRegion(r.marginsRemoved(m))));
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        qDrawBorderPixmap(&p, r, m, m_image, m_image.rect(), m, QTileRules(Qt::StretchTile));
    }

private:
    static constexpr int kBorder = 7;
    QPixmap m_image;
};

} // namespace

ShadowDilaog::ShadowDilaog(QWidget* parent)
    : QDialog(parent)
{
    UIBaseData::instance();   // makes sure the interface images are registered
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_TranslucentBackground);

    auto* outer = new QHBoxLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    m_frame = new ShadowFrame(this);
    m_frame->setObjectName(QStringLiteral("shadowFrame"));
    outer->addWidget(m_frame);

    auto* inner = new QHBoxLayout(m_frame);
    inner->setSpacing(0);
    inner->setContentsMargins(4, 4, 4, 4);
    m_label = new QLabel(m_frame);
    m_label->setStyleSheet(QStringLiteral("border:none;border-image:none;"));
    m_label->installEventFilter(this);
    inner->addWidget(m_label);

    for (int corner : {0, 1, 3, 2})
        m_colours.insert(corner, QStringLiteral("ffffff"));
    m_currentColour = m_colours.value(1);
    m_frame->hide();
}

void ShadowDilaog::closeFromPopup()
{
    m_closing = true;
    close();
    m_closing = false;
}

void ShadowDilaog::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ShadowDilaog::keyPressEvent(QKeyEvent* event)
{
    // QDialog would reject() on Escape and end a modal run behind the
    // popup's back.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ShadowDilaog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_label && m_closeButton && watched == m_closeButton) {
        switch (event->type()) {
        case QEvent::Enter:
            m_currentColour = QStringLiteral("FB604F");
            m_label->update();
            break;
        case QEvent::Leave:
        case QEvent::FocusOut:
        case QEvent::Show:
            m_currentColour = m_colours.value(1);
            m_label->update();
            break;
        default:
            break;
        }
    }
    if (watched == m_label && event->type() == QEvent::Paint)
        paintCorners();
    return QDialog::eventFilter(watched, event);
}

void ShadowDilaog::paintCorners()
{
    const int w1 = m_label->width() - 1;
    const int h1 = m_label->height() - 1;
    if (w1 < 3 || h1 < 3)
        return;
    QPainter p(m_label);
    auto put = [&p](int x, int y, const char* alpha, const QString& colour) {
        p.setPen(QColor(QStringLiteral("#%1%2").arg(QLatin1String(alpha), colour)));
        p.drawPoint(x, y);
    };
    // dx, dy point from the corner into the label.
    auto corner = [&](int x, int y, int dx, int dy, const QString& colour) {
        put(x, y, "05", colour);
        put(x + dx, y, "30", colour);
        put(x, y + dy, "30", colour);
        put(x + 2 * dx, y, "cc", colour);
        put(x, y + 2 * dy, "cc", colour);
        put(x + dx, y + dy, "f5", colour);
    };
    corner(0, 0, 1, 1, m_colours.value(0));
    corner(w1, 0, -1, 1, m_currentColour);
    corner(w1, h1, -1, -1, m_colours.value(3));
    corner(0, h1, 1, -1, m_colours.value(2));
}

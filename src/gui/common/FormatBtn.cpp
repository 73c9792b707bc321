#include "gui/common/FormatBtn.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QMouseEvent>

#include <cmath>

FormatBtn::FormatBtn(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::toggled, this, &FormatBtn::onChecked);
}

FormatBtn::~FormatBtn()
{
    // A strip left behind would stay lit where the button was.
    delete m_hoverStrip.data();
    delete m_downStrip.data();
    delete m_otherStrip.data();
}

void FormatBtn::setStripSize(int width, int height)
{
    m_stripWidth = width;
    m_stripHeight = height;
}

void FormatBtn::onChecked(bool checked)
{
    setState(checked ? 3 : 0);
}

QWidget* FormatBtn::makeStrip(const QString& image)
{
    auto* strip = new QWidget(parentWidget());
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("border-image: url(%1)").arg(image));
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);
    return strip;
}

void FormatBtn::setState(int state)
{
    const float scale = UIBaseData::instance()->scale();
    int sw = m_stripWidth;
    int sh = m_stripHeight;
    if (sw <= 0 || sh <= 0) {
        sw = int(width() / scale) + 7;
        sh = int(height() / scale);
    }
    const QSize s(int(std::floor(sw * scale + 0.5)), int(std::floor(sh * scale + 0.5)));
    for (QWidget* strip : {m_hoverStrip, m_downStrip, m_otherStrip}) {
        if (strip)
            strip->hide();
    }
    m_state = state;
    // The strips are siblings of the button; a button without a parent
    // has nowhere to put them.
    const bool canStrip = parentWidget() != nullptr;
    const QPoint stripPos = pos() - QPoint(int(scale * 7), 0);
    // Lights a strip under the button (made on first use), the button on top.
    const auto showStrip = [&](QPointer<QWidget>& strip, const QString& image) {
        if (!canStrip)
            return;
        if (!strip)
            strip = makeStrip(image);
        strip->resize(s);
        strip->move(stripPos);
        strip->show();
        strip->raise();
        raise();
    };
    switch (state) {
    case 0:
        setStyleSheet(QStringLiteral("border:none; color:#494c59;"));
        break;
    case 1:
        showStrip(m_hoverStrip, QStringLiteral(":/res/recently_tiao_hover.png"));
        setStyleSheet(QStringLiteral("border:none; color:#494c59;"));
        break;
    case 2:
        showStrip(m_downStrip, QStringLiteral(":/res/recently_tiao_down.png"));
        setStyleSheet(QStringLiteral("border:none; color:white;"));
        break;
    case 3:
        raise();
        setStyleSheet(QStringLiteral("border:none; color:#494c59;"));
        break;
    default:
        break;
    }
}

void FormatBtn::enterEvent(QEvent* event)
{
    if (isEnabled() && restingState() != 3)
        setState(1);
    QPushButton::enterEvent(event);
}

void FormatBtn::leaveEvent(QEvent* event)
{
    if (isEnabled())
        setState(restingState());
    QPushButton::leaveEvent(event);
}

void FormatBtn::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton)
        setState(2);
    QPushButton::mousePressEvent(event);
}

void FormatBtn::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<FormatBtn> self(this);
    QPushButton::mouseReleaseEvent(event);
    if (!self)
        return;  // a slot of clicked() deleted the button
    if (isEnabled() && event->button() == Qt::LeftButton) {
        const int rest = restingState();
        setState(rest == 3 ? 3 : (rect().contains(event->pos()) ? 1 : 0));
    }
}

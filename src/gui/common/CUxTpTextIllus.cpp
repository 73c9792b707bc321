#include "gui/common/CUxTpTextIllus.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/ButtonImages.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTransform>

#include <cmath>

namespace {
inline int sc(float v)
{
    return UIBaseData::scaled(v);
}

// The slices decide the button's size; it changes only when they need it.
void fitTo(QWidget* w, const QSize& size)
{
    if (w->minimumSize() != size)
        w->setMinimumSize(size);
    if (w->size() != size)
        w->resize(size);
}
} // namespace

CUxTpTextIllus::CUxTpTextIllus(QWidget* parent)
    : CUxBtn(parent)
{
    m_textColors[0] = Qt::black;
    m_textColors[1] = Qt::black;
    m_textColors[2] = Qt::black;
    m_textColors[3] = QColor(96, 96, 96, 128);
    setAttribute(Qt::WA_MouseTracking);
    setMinimumSize(1, 1);
    m_checkable = false;
    m_state = Normal;
}

void CUxTpTextIllus::setStateImages(const QString& left, const QString& middle,
                                    const QString& right, float imageScale, int state)
{
    m_imageScale = imageScale;
    for (int s = 0; s < 4; ++s) {
        if (state == 4 || state == s) {
            m_images[s][LeftSlice] = left;
            m_images[s][MiddleSlice] = middle;
            m_images[s][RightSlice] = right;
        }
    }
    update();
}

void CUxTpTextIllus::setBackgroundImages(const QString& normal, const QString& hover,
                                         const QString& pressed, const QString& disabled,
                                         int leftSlice, int middleSlice, float imageScale,
                                         int extraWidth)
{
    m_images[0][Background] = normal;
    m_images[1][Background] = hover;
    m_images[2][Background] = pressed;
    m_images[3][Background] = disabled;
    m_leftSlice = leftSlice;
    m_middleSlice = middleSlice;
    m_imageScale = imageScale;
    m_extraWidth = extraWidth;
}

void CUxTpTextIllus::setIcons(const QString& normal, const QString& hover, const QString& pressed,
                              const QString& disabled, float iconScale)
{
    m_icons[0] = normal;
    m_icons[1] = hover;
    m_icons[2] = pressed;
    m_icons[3] = disabled;
    m_iconScale = iconScale;
    update();
}

void CUxTpTextIllus::setText(const QString& text)
{
    m_text = text;
    setToolTip(text);
    update();
}

void CUxTpTextIllus::setTextColors(const QColor& normal, const QColor& hover,
                                   const QColor& pressed, const QColor& disabled)
{
    m_textColors[0] = normal;
    m_textColors[1] = hover;
    m_textColors[2] = pressed;
    m_textColors[3] = disabled;
    update();
}

void CUxTpTextIllus::setFontPixelSize(int size) { m_fontPixelSize = size; update(); }
void CUxTpTextIllus::setIconVisible(bool visible) { m_iconVisible = visible; update(); }
void CUxTpTextIllus::setIconRotated(bool rotated) { m_iconRotated = rotated; update(); }
void CUxTpTextIllus::setIconTextSpacing(int spacing) { m_iconTextSpacing = spacing; update(); }
void CUxTpTextIllus::setIconMargin(int margin) { m_iconMargin = margin; update(); }
void CUxTpTextIllus::setTextMargin(int margin) { m_textMargin = margin; update(); }
void CUxTpTextIllus::setLayoutMode(int mode) { m_layoutMode = mode; update(); }
void CUxTpTextIllus::setElideWidth(int width) { m_elideWidth = width; update(); }

void CUxTpTextIllus::setContentMargins(int left, int right)
{
    m_contentMarginLeft = left;
    m_contentMarginRight = right;
}

void CUxTpTextIllus::setBtnEnabled(bool enabled)
{
    if (enabled)
        setState(underMouse() ? Hover : Normal);
    else
        setState(Disabled);
    QWidget::setEnabled(enabled);
}

QFont CUxTpTextIllus::textFont(bool scaledSize) const
{
    QFont font;
    const QString family = UIBaseData::instance()->fontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(qMax(1, scaledSize ? sc(m_fontPixelSize) : m_fontPixelSize));
    return font;
}

QString CUxTpTextIllus::shownText(const QFont& font) const
{
    if (m_elideWidth == -1)
        return m_text;
    return QFontMetrics(font).elidedText(m_text, Qt::ElideRight, sc(m_elideWidth));
}

QPixmap CUxTpTextIllus::currentIcon() const
{
    const int s = m_state & 3;
    QString path = m_icons[s];
    const bool silhouette = path.isEmpty() && s == Disabled;
    if (silhouette)
        path = m_icons[Normal];
    QPixmap icon = ButtonImages::scaledKeepAspect(ButtonImages::load(path),
                                                  double(UIBaseData::instance()->scale()) * m_iconScale);
    if (icon.isNull())
        return icon;
    if (silhouette) {
        // No disabled icon: the normal one as a grey silhouette (an opaque
        // image needs an alpha channel for that first).
        QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), QColor(96, 96, 96, 128));
        painter.end();
        icon = QPixmap::fromImage(image);
    }
    if (m_iconRotated)
        icon = icon.transformed(QTransform().rotate(180), Qt::SmoothTransformation);
    return icon;
}

void CUxTpTextIllus::Slices::draw(QPainter& p) const
{
    p.drawPixmap(0, 0, left);
    if (middleWidth > 0 && !middle.isNull())
        p.drawPixmap(QRect(left.width(), 0, middleWidth, right.height()), middle);
    p.drawPixmap(left.width() + qMax(middleWidth, 0), 0, right);
}

bool CUxTpTextIllus::slicesFor(int state, int textWidth, Slices& out) const
{
    const double factor = double(UIBaseData::instance()->scale()) * m_imageScale;
    if (!m_images[Normal][Background].isEmpty()) {
        // Background mode: one image per state cut into three.
        QString path = m_images[state][Background];
        if (path.isEmpty())
            path = m_images[Normal][Background];
        const QPixmap bg = ButtonImages::load(path);
        if (bg.isNull())
            return false;
        const int ls = qBound(0, m_leftSlice, bg.width());
        const int ms = qBound(0, m_middleSlice, bg.width() - ls);
        out.left = ButtonImages::scaledKeepAspect(bg.copy(0, 0, ls, bg.height()), factor);
        out.middle = bg.copy(ls, 0, ms, bg.height());
        out.right = ButtonImages::scaledKeepAspect(bg.copy(ls + ms, 0, bg.width() - ls - ms, bg.height()), factor);
        out.middleWidth = qMax(textWidth + sc(6) + m_extraWidth, sc(30));
        out.background = true;
        return true;
    }
    if (m_images[state][LeftSlice].isEmpty() || m_images[state][MiddleSlice].isEmpty()
        || m_images[state][RightSlice].isEmpty())
        return false;
    out.left = ButtonImages::scaledKeepAspect(ButtonImages::load(m_images[state][LeftSlice]), factor);
    out.middle = ButtonImages::load(m_images[state][MiddleSlice]);
    out.right = ButtonImages::scaledKeepAspect(ButtonImages::load(m_images[state][RightSlice]), factor);
    // Slices under an icon stretch to the button; only a text sizes it.
    out.middleWidth = m_iconVisible ? width() - out.left.width() - out.right.width()
                                    : qMax(textWidth - sc(m_contentMarginLeft) - sc(m_contentMarginRight),
                                           int(std::lround(out.middle.width() * factor)));
    out.background = false;
    return true;
}

QSize CUxTpTextIllus::Slices::fittedSize() const
{
    return QSize(left.width() + qMax(middleWidth, 0) + right.width(), left.height());
}

// The first paint would otherwise resize the button and paint its window a
// second time, which on X11 waits until the first frame has reached the
// screen.
void CUxTpTextIllus::showEvent(QShowEvent* event)
{
    const QFont font = textFont(true);
    Slices slices;
    if (slicesFor(m_state & 3, QFontMetrics(font).horizontalAdvance(shownText(font)), slices)
        && (slices.background || !m_iconVisible))
        fitTo(this, slices.fittedSize());
    CUxBtn::showEvent(event);
}

void CUxTpTextIllus::paintEvent(QPaintEvent* event)
{
    const int s = m_state & 3;
    const QFont font = textFont(true);
    const QFontMetrics fm(font);
    const QString text = shownText(font);
    const int textWidth = fm.horizontalAdvance(text);
    bool drewImages = false;
    bool drewText = false;

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(font);
    painter.setPen(m_textColors[s]);

    Slices slices;
    if (slicesFor(s, textWidth, slices)) {
        slices.draw(painter);
        if (slices.background) {
            painter.drawText(QRect(slices.left.width(), 0, slices.middleWidth, slices.right.height()),
                             Qt::AlignCenter, text);
            drewText = true;
        } else if (!m_iconVisible) {
            const int marginLeft = sc(m_contentMarginLeft);
            const int marginRight = sc(m_contentMarginRight);
            painter.drawText(QRect(slices.left.width() - marginLeft, 0,
                                   slices.middleWidth + marginLeft + marginRight, slices.right.height()),
                             Qt::AlignCenter, text);
            drewText = true;
        }
        if (drewText)
            fitTo(this, slices.fittedSize());
        drewImages = true;
    }

    if (m_iconVisible) {
        const QPixmap icon = currentIcon();
        if (!icon.isNull()) {
            const int margin = sc(m_iconMargin);
            const int spacing = text.isEmpty() ? 0 : sc(m_iconTextSpacing);
            int iconX = margin;
            int textX = margin;
            if (m_layoutMode == 2)
                textX = margin + icon.width() + spacing;
            else
                iconX = margin + textWidth + spacing;
            painter.drawPixmap(iconX, (height() - icon.height()) / 2, icon);
            // Slices stretched under an icon carry no text of their own: a
            // button with images, icon and text would otherwise show no text.
            if (!drewText && !text.isEmpty())
                painter.drawText(QRect(textX, 0, textWidth, height()), Qt::AlignCenter, text);
            if (!drewImages) {
                const int contentWidth =
                    sc(m_textMargin + m_iconMargin) + spacing + icon.width() + textWidth;
                if (width() != contentWidth) {
                    setMinimumWidth(contentWidth);
                    resize(contentWidth, height());
                }
            }
        }
    }
    painter.end();
    QWidget::paintEvent(event);
}

QRect CUxTpTextIllus::textRect() const
{
    const QFont font = textFont(true);
    const QFontMetrics fm(font);
    const QString text = shownText(font);
    if (text.isEmpty())
        return QRect();
    const int textWidth = fm.horizontalAdvance(text);
    const QSize size(textWidth, fm.height());
    Slices slices;
    if (slicesFor(m_state & 3, textWidth, slices)) {
        if (slices.background)
            return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size,
                                       QRect(slices.left.width(), 0, slices.middleWidth, slices.right.height()));
        if (!m_iconVisible) {
            const int marginLeft = sc(m_contentMarginLeft);
            const int marginRight = sc(m_contentMarginRight);
            return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size,
                                       QRect(slices.left.width() - marginLeft, 0,
                                             slices.middleWidth + marginLeft + marginRight, slices.right.height()));
        }
    }
    if (!m_iconVisible)
        return QRect();
    const QPixmap icon = currentIcon();
    if (icon.isNull())
        return QRect();
    const int textX = m_layoutMode == 2 ? sc(m_iconMargin) + icon.width() + sc(m_iconTextSpacing) : sc(m_iconMargin);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, QRect(textX, 0, textWidth, height()));
}

QSize CUxTpTextIllus::contentSize()
{
    const int s = m_state & 3;
    if (!m_images[Normal][Background].isEmpty()) {
        // One background per state has no slice images of its own: the
        // content is the background cut around the text, as it is fitted
        // when shown and painted, at factor 1. Measured from the slice
        // images it would be 0 high, and a window laying the button out
        // by it would leave nothing to see or click.
        QString path = m_images[s][Background];
        if (path.isEmpty())
            path = m_images[Normal][Background];
        const QPixmap bg = ButtonImages::load(path);
        if (!bg.isNull()) {
            const int ls = qBound(0, m_leftSlice, bg.width());
            const int ms = qBound(0, m_middleSlice, bg.width() - ls);
            const int left = int(std::lround(ls * m_imageScale));
            const int right = int(std::lround((bg.width() - ls - ms) * m_imageScale));
            const int text = QFontMetrics(textFont(false)).horizontalAdvance(shownText(textFont(false)));
            const int middle = qMax(text + 6 + m_extraWidth, 30);
            return QSize(left + middle + right, int(std::lround(bg.height() * m_imageScale)));
        }
    }
    const QPixmap left = ButtonImages::load(m_images[s][LeftSlice]);
    const int height = int(std::lround(left.height() * m_imageScale));
    QString iconPath = m_icons[s];
    if (s == Disabled && iconPath.isEmpty())
        iconPath = m_icons[Normal];
    int width = this->width();
    if (!iconPath.isEmpty()) {
        const QPixmap icon = ButtonImages::load(iconPath);
        const QFontMetrics fm(textFont(false));
        width = m_iconTextSpacing + 2 * m_iconMargin + fm.horizontalAdvance(m_text)
            + int(std::lround(icon.width() * m_iconScale));
    }
    return QSize(width, height);
}

#include "gui/common/SmallButtons.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/ButtonImages.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QShowEvent>
#include <QVariant>

namespace {
QFont uiFont(int pixelSize)
{
    QFont f(UIBaseData::instance()->fontFamily());
    f.setPixelSize(qMax(1, pixelSize));
    return f;
}
}

// ---- GifButton ------------------------------------------------------------

GifButton::GifButton(QWidget* parent)
    : QPushButton(parent)
{
    m_label = new QLabel(this);
    m_label->setScaledContents(true);
    m_movie = new QMovie(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(80);
    connect(m_timer, &QTimer::timeout, this, &GifButton::nextFrame);
    setStyleSheet(QStringLiteral("QPushButton{background-color:transparent;}"));
}

void GifButton::setGif(const QString& file, bool start)
{
    m_movie->stop();
    m_movie->setFileName(file);
    m_frameCount = m_movie->frameCount();
    m_currentFrame = 0;
    if (start)
        m_timer->start();
}

void GifButton::start()
{
    m_timer->start();
}

void GifButton::stop()
{
    m_currentFrame = 0;
    m_timer->stop();
}

bool GifButton::isRunning() const
{
    return m_timer->isActive();
}

void GifButton::nextFrame()
{
    if (!m_movie || !m_movie->isValid())
        return;
    m_movie->jumpToFrame(m_currentFrame);
    m_label->setPixmap(m_movie->currentPixmap());
    ++m_currentFrame;
    if (m_currentFrame >= m_frameCount)
        m_currentFrame = 0;
}

void GifButton::resizeEvent(QResizeEvent* event)
{
    m_label->setGeometry(1, 1, width() - 2, height() - 2);
    m_label->setStyleSheet(QStringLiteral("QLabel{background-color:%1; border-radius: %2px;}")
                               .arg(m_backgroundColor)
                               .arg(UIBaseData::scaled(6)));
    QPushButton::resizeEvent(event);
}

// ---- CUxBtnTextIn ---------------------------------------------------------

CUxBtnTextIn::CUxBtnTextIn(QWidget* parent, const QString& text)
    : QPushButton(parent)
    , m_text(text)
    , m_checkedText(text)
{
    setAttribute(Qt::WA_MouseTracking);
}

void CUxBtnTextIn::setText(const QString& text, const QString& checkedText)
{
    m_text = text;
    m_checkedText = checkedText.isEmpty() ? text : checkedText;
    setToolTip(text);
    repaint();
}

void CUxBtnTextIn::setTextRect(const QRect& rect)
{
    m_textRect = rect;
    m_textRectSet = true;
    repaint();
}

void CUxBtnTextIn::setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                                 const QColor& disabled)
{
    m_textColors[0] = normal;
    m_textColors[1] = hover;
    m_textColors[2] = pressed;
    m_textColors[3] = disabled;
    repaint();
}

QColor CUxBtnTextIn::currentTextColor() const
{
    return isEnabled() ? m_textColors[qBound(0, m_state, 2)] : m_textColors[3];
}

void CUxBtnTextIn::enterEvent(QEvent* event)
{
    if (isEnabled())
        m_state = 1;
    repaint();
    QPushButton::enterEvent(event);
}

void CUxBtnTextIn::leaveEvent(QEvent* event)
{
    if (isEnabled() && m_state != 2)
        m_state = 0;
    repaint();
    QPushButton::leaveEvent(event);
}

void CUxBtnTextIn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_state = 2;
    repaint();
    QPushButton::mousePressEvent(event);
}

void CUxBtnTextIn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_state = 1;
    repaint();
    QPushButton::mouseReleaseEvent(event);
}

void CUxBtnTextIn::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    p.setFont(font());
    p.setPen(currentTextColor());
    const QFontMetrics fm(font());
    const QString shown = shownText();
    if (m_textRectSet) {
        const QRect r(UIBaseData::scaled(float(m_textRect.x())), UIBaseData::scaled(float(m_textRect.y())),
                      UIBaseData::scaled(float(m_textRect.width())),
                      UIBaseData::scaled(float(m_textRect.height())));
        p.drawText(r, Qt::AlignCenter, fm.elidedText(shown, Qt::ElideRight, r.width()));
    } else {
        const QRect r(UIBaseData::scaled(float(m_textX)), UIBaseData::scaled(float(m_textY)),
                      fm.horizontalAdvance(shown), fm.height());
        p.drawText(r, Qt::AlignCenter, shown);
    }
}

// ---- CUxTextBesideBtn -----------------------------------------------------

CUxTextBesideBtn::CUxTextBesideBtn(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_MouseTracking);
}

void CUxTextBesideBtn::setText(const QString& text)
{
    m_text = text;
    if (!text.isEmpty())
        setToolTip(text);
    repaint();
}

void CUxTextBesideBtn::setFontPixelSize(int size)
{
    m_fontPixelSize = size;
    repaint();
}

void CUxTextBesideBtn::setStateImages(const QString& normal, const QString& hover,
                                      const QString& pressed, const QString& disabled,
                                      float imageScale)
{
    m_stateImages[0] = normal;
    m_stateImages[1] = hover;
    m_stateImages[2] = pressed;
    m_stateImages[3] = disabled;
    m_imageScale = imageScale;
    repaint();
}

void CUxTextBesideBtn::setTextColors(const QColor& normal, const QColor& hover,
                                     const QColor& pressed, const QColor& disabled)
{
    m_textColors[0] = normal;
    m_textColors[1] = hover;
    m_textColors[2] = pressed;
    m_textColors[3] = disabled;
    repaint();
}

QPixmap CUxTextBesideBtn::stateImage() const
{
    const int s = qBound(0, m_state, 3);
    QString path = m_stateImages[s];
    const bool greyOut = s == 3 && path.isEmpty();
    if (path.isEmpty())
        path = m_stateImages[0];
    const float f = UIBaseData::instance()->scale() * m_imageScale;
    QPixmap pm = ButtonImages::scaledKeepAspect(ButtonImages::load(path), double(f));
    if (pm.isNull())
        return pm;
    if (greyOut) {
        // Painting detaches pm from the cached image.
        QPainter p(&pm);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(pm.rect(), m_disabledOverlay);
    }
    return pm;
}

void CUxTextBesideBtn::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QPixmap image = stateImage();
    const QFont font = uiFont(UIBaseData::scaled(float(m_fontPixelSize)));
    const QFontMetrics fm(font);
    const int tw = fm.horizontalAdvance(m_text);
    const int th = fm.height();
    const int gap = UIBaseData::scaled(float(m_spacing));
    const int h = qMax(th, image.height());
    const int w = image.width() + gap + tw;

    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!image.isNull())
        p.drawPixmap(0, (h - image.height()) / 2, image);
    p.setFont(font);
    p.setPen(m_textColors[qBound(0, m_state, 3)]);
    p.drawText(QRect(image.width() + gap, 0, tw, h), Qt::AlignCenter, m_text);
    p.end();

    m_hitRect = QRect(0, 0, w, h);
    if (size() != QSize(w, h) || minimumSize() != QSize(w, h)) {
        setMinimumSize(w, h);
        resize(w, h);
    }
}

void CUxTextBesideBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_state = isEnabled() ? 0 : 3;
        update();
    }
    QWidget::changeEvent(event);
}

void CUxTextBesideBtn::mouseMoveEvent(QMouseEvent* event)
{
    if (m_hitRect != rect())
        setCursor(m_hitRect.contains(event->pos()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void CUxTextBesideBtn::enterEvent(QEvent* event)
{
    if (m_state == 3)
        return;
    m_state = 1;
    repaint();
    QWidget::enterEvent(event);
}

void CUxTextBesideBtn::leaveEvent(QEvent* event)
{
    if (m_state == 3 || m_state == 2)
        return;
    m_state = 0;
    repaint();
    QWidget::leaveEvent(event);
}

void CUxTextBesideBtn::mousePressEvent(QMouseEvent* event)
{
    if (m_state == 3)
        return;
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!m_hitRect.contains(event->pos()))
        return;
    m_state = 2;
    repaint();
    emit pressed();
}

void CUxTextBesideBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_state == 3)
        return;
    if (event->button() == Qt::LeftButton && m_state == 2) {
        if (rect().contains(event->pos())) {
            m_state = 1;
            repaint();
            if (m_hitRect.contains(event->pos()))
                emit clicked();
        } else {
            m_state = 0;
            repaint();
        }
    }
    QWidget::mouseReleaseEvent(event);
}

// ---- CUxSpecialBtn --------------------------------------------------------

CUxSpecialBtn::CUxSpecialBtn(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_MouseTracking);
}

void CUxSpecialBtn::setExtraText(const QString& text)
{
    m_extraText = text;
    repaint();
}

void CUxSpecialBtn::enterEvent(QEvent* event)
{
    if (isEnabled())
        m_state = 1;
    repaint();
    QPushButton::enterEvent(event);
}

void CUxSpecialBtn::leaveEvent(QEvent* event)
{
    if (isEnabled() && m_state != 2)
        m_state = 0;
    repaint();
    QPushButton::leaveEvent(event);
}

void CUxSpecialBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_state = 2;
    repaint();
    QPushButton::mousePressEvent(event);
}

void CUxSpecialBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_state = 1;
    repaint();
    QPushButton::mouseReleaseEvent(event);
}

void CUxSpecialBtn::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (m_extraText.isEmpty())
        return;
    const bool down = m_state == 2;
    const QColor upper = down ? QColor(Qt::white) : QColor(QStringLiteral("#828a99"));
    const QColor lower = down ? QColor(Qt::white) : QColor(QStringLiteral("#656b79"));
    const int w = width();
    const int h = height();
    QPainter p(this);
    p.setPen(upper);
    p.setFont(uiFont(UIBaseData::scaled(11)));
    p.drawText(QRect(0, 0, w, h / 2), Qt::AlignCenter, m_extraText);
    p.setPen(QColor(237, 236, 237));
    p.drawLine(UIBaseData::scaled(6), h / 2, w - UIBaseData::scaled(12), h / 2);
    QFont f = uiFont(UIBaseData::scaled(12));
    f.setWeight(75);
    p.setFont(f);
    p.setPen(lower);
    p.drawText(QRect(0, h / 2, w, h / 2 - UIBaseData::scaled(3)), Qt::AlignCenter, tr("Sign out"));
}

// ---- CUxDpiBtn --------------------------------------------------------------

CUxDpiBtn::CUxDpiBtn(QWidget* parent)
    : QPushButton(parent)
{
}

void CUxDpiBtn::setPadding(int horizontal, int vertical)
{
    m_hPadding = horizontal;
    m_vPadding = vertical;
}

QSize CUxDpiBtn::designSize() const
{
    const QVariant size = property("baseFontSize");
    QFont f = uiFont(size.isValid() ? size.toInt() : 12);
    const QVariant weight = property("baseFontWeight");
    if (weight.isValid())
        f.setWeight(weight.toInt());
    const QFontMetrics fm(f);
    int w = fm.horizontalAdvance(text()) + 2 * m_hPadding;
    int h = fm.height() + 2 * m_vPadding;
    QWidget* parent = parentWidget();
    if (parent && parent->layout() && parent->layout()->expandingDirections() == Qt::Horizontal) {
        const float scale = UIBaseData::instance()->scale();
        h = int(parent->height() / (scale > 0 ? scale : 1.0f));
    }
    return QSize(qMax(w, m_minimumDesignSize.width()), qMax(h, m_minimumDesignSize.height()));
}

void CUxDpiBtn::showEvent(QShowEvent* event)
{
    if (!text().isEmpty()) {
        const QSize design = designSize();
        setBaseSize(design);
        const QSize real = UIBaseData::scaledSize(design);
        setMinimumSize(real);
        resize(real);
    }
    QWidget::showEvent(event);
}

// ---- WrapLabel ------------------------------------------------------------

WrapLabel::WrapLabel(QWidget* parent)
    : QLabel(parent)
{
}

void WrapLabel::setElideText(const QString& text)
{
    m_fullText = text;
    applyElide();
}

void WrapLabel::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    applyElide();
}

void WrapLabel::applyElide()
{
    setText(QFontMetrics(font()).elidedText(m_fullText, m_elideMode, width() - 2));
}

// ---- CCountDownFlashWidget ------------------------------------------------

CCountDownFlashWidget::CCountDownFlashWidget(QWidget* parent)
    : QWidget(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &CCountDownFlashWidget::timeOut);
}

void CCountDownFlashWidget::start(int limit, int intervalMs)
{
    m_limit = limit;
    m_progress = 0.0f;
    m_timer.start(intervalMs);
}

void CCountDownFlashWidget::timeOut()
{
    if (m_progress < float(m_limit)) {
        m_progress += 0.01f;
        repaint();
        return;
    }
    m_progress = 0.0f;
    m_timer.stop();
    emit over();
    repaint();
}

void CCountDownFlashWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (m_limit <= 0 || m_progress <= 0.0f)
        return;
    QPainter p(this);
    const double part = qBound(0.0, double(m_progress) / m_limit, 1.0);
    p.fillRect(QRectF(0, 0, width() * part, height()), QColor(QStringLiteral("#21AAD4")));
}

// ---- IconButton -------------------------------------------------------------

IconButton::IconButton(QWidget* parent)
    : QWidget(parent)
{
}

void IconButton::click()
{
    emit doClicked();
}

void IconButton::setChecked(bool checked)
{
    m_checked = checked;
}

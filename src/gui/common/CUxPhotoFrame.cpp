#include "gui/common/CUxPhotoFrame.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/RowParts.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace {
float currentScale()
{
    const float s = UIBaseData::instance()->scale();
    return s > 0.0f ? s : 1.0f;
}

QSize mulSize(const QSize& s, float f)
{
    return QSize(int(std::lround(s.width() * f)), int(std::lround(s.height() * f)));
}
}

CUxPhotoFrame::CUxPhotoFrame(QWidget* parent, const QString& placeholderPath)
    : QWidget(parent)
{
    setPixmapFile(placeholderPath, 1.0f);
    if (m_placeholderLabel)
        RowParts::setVisible(m_placeholderLabel, true);
}

QLabel* CUxPhotoFrame::placeholderLabel() const
{
    // Without a placeholder picture the label shows nothing; it is made when
    // a picture is given or it is asked for, above the picture label.
    if (!m_placeholderLabel) {
        auto* self = const_cast<CUxPhotoFrame*>(this);
        self->m_placeholderLabel = new QLabel(self);
        m_placeholderLabel->setScaledContents(true);
        m_placeholderLabel->raise();
        m_placeholderLabel->resize(mulSize(m_placeholderBaseSize, currentScale()));
        self->centre(m_placeholderLabel);
        // Shown with the frame, as one made with it would be; a frame
        // already on screen shows it at once.
        if (!m_placeholderShown)
            m_placeholderLabel->hide();
        else if (isVisible())
            m_placeholderLabel->show();
    }
    return m_placeholderLabel;
}

QLabel* CUxPhotoFrame::pictureLabel() const
{
    // Most frames in a long list never get their picture (rows out of view
    // ask for none); a label costs several kilobytes under the style sheets,
    // so it is made when first asked for. It stays below the placeholder.
    if (!m_pictureLabel) {
        auto* self = const_cast<CUxPhotoFrame*>(this);
        self->m_pictureLabel = new QLabel(self);
        m_pictureLabel->setScaledContents(true);
        m_pictureLabel->setMouseTracking(true);
        m_pictureLabel->hide();
        m_pictureLabel->lower();
        m_pictureLabel->resize(mulSize(m_pictureBaseSize, currentScale()));
        self->centre(m_pictureLabel);
    }
    return m_pictureLabel;
}

void CUxPhotoFrame::clear()
{
    if (m_pictureLabel) {
        m_pictureLabel->clear();
        m_pictureLabel->hide();
    }
    m_placeholderShown = true;
    if (m_placeholderLabel)
        RowParts::setVisible(m_placeholderLabel, true);
}

bool CUxPhotoFrame::setImage(const QImage& image)
{
    if (image.isNull()) {
        clear();
        return false;
    }
    const QPixmap pm = QPixmap::fromImage(image);
    if (pm.isNull()) {
        clear();
        return false;
    }
    return fit(pm);
}

bool CUxPhotoFrame::fit(const QPixmap& p)
{
    if (p.isNull()) {
        clear();
        return false;
    }
    const int mx = UIBaseData::scaled(float(m_marginX));
    const int my = UIBaseData::scaled(float(m_marginY));
    const int aw = width() - 2 * mx;
    const int ah = height() - 2 * my;
    const double r = double(p.width()) / double(p.height());
    const double br = ah > 0 ? double(aw) / double(ah) : 0.0;
    int w;
    int h;
    if (ah <= 0 || aw <= 0) {
        w = qMax(0, aw);
        h = qMax(0, ah);
    } else if (r > br) {
        w = aw;
        h = int(aw / r);
    } else {
        h = ah;
        w = br > r ? int(h * r) : aw;
    }
    w = w / 4 * 4;
    h = h / 4 * 4;
    pictureLabel()->resize(w, h);
    m_pictureBaseSize = mulSize(QSize(w, h), 1.0f / currentScale());
    m_pictureLabel->move(mx + (aw - w) / 2, (ah - h) / 2 + my);
    m_pictureLabel->setPixmap(p);
    m_pictureLabel->show();
    m_placeholderShown = false;
    if (m_placeholderLabel)
        m_placeholderLabel->hide();
    return true;
}

void CUxPhotoFrame::setPixmapFile(const QString& path, float factor)
{
    if (path.isEmpty())
        return;
    QPixmap pm(path);
    if (pm.isNull())
        return;
    pm = pm.scaled(mulSize(pm.size(), factor), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const float scale = currentScale();
    placeholderLabel()->resize(mulSize(pm.size(), scale));
    if (!m_placeholderSizeFixed)
        m_placeholderBaseSize = mulSize(m_placeholderLabel->size(), 1.0f / scale);
    centre(m_placeholderLabel);
    m_placeholderLabel->setPixmap(pm);
    if (m_pictureLabel && !m_pictureLabel->pixmap(Qt::ReturnByValue).isNull()) {
        m_pictureLabel->show();
        m_placeholderShown = false;
        m_placeholderLabel->hide();
    } else {
        m_placeholderShown = true;
        m_placeholderLabel->show();
    }
}

void CUxPhotoFrame::centre(QLabel* label)
{
    label->move((width() - label->width()) / 2, (height() - label->height()) / 2);
}

bool CUxPhotoFrame::eventFilter(QObject* watched, QEvent* event)
{
    return QWidget::eventFilter(watched, event);
}

void CUxPhotoFrame::resizeEvent(QResizeEvent* event)
{
    const float scale = currentScale();
    if (m_pictureLabel) {
        m_pictureLabel->resize(mulSize(m_pictureBaseSize, scale));
        centre(m_pictureLabel);
    }
    if (m_placeholderLabel) {
        m_placeholderLabel->resize(mulSize(m_placeholderBaseSize, scale));
        centre(m_placeholderLabel);
    }
    QWidget::resizeEvent(event);
}

void CUxPhotoFrame::paintEvent(QPaintEvent* event)
{
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
    p.end();
    QWidget::paintEvent(event);
}

#include "gui/common/LoadingWidget.h"

#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QBitmap>

#include <cmath>

namespace {
const char* const kMovie = ":/res/tongyong.gif";
const char* const kBackground = ":/res/gif_bg.png";

int roundHalfUp(double v)
{
    return int(std::floor(v + 0.5));
}
}

LoadingWidget::LoadingWidget(QWidget* parent, bool stoppable)
    : QWidget(parent ? parent : static_cast<QWidget*>(UIBaseData::instance()->mainPopup()))
{
    const float scale = UIBaseData::instance()->scale();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::WindowModal);

    // The card at 80 % of its opacity, half its drawn size at scale 1.
    QPixmap bg(QString::fromLatin1(kBackground));
    if (!bg.isNull()) {
        QPainter p(&bg);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.fillRect(bg.rect(), QColor(0, 0, 0, 204));
        p.end();
        bg = bg.scaledToHeight(qMax(1, int(bg.height() * 0.5 * scale)), Qt::SmoothTransformation);
    }
    m_background = new QLabel(this);
    m_background->setPixmap(bg);
    auto* outer = new QHBoxLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_background);
    if (!bg.isNull()) {
        resize(bg.size());
        // Without a compositor the transparent corners would show black.
        if (!UIBaseData::instance()->isCompositionEnabled())
            setMask(bg.mask());
    }

    m_movie = new QMovie(QString::fromLatin1(kMovie), QByteArray(), this);
    m_movieLabel = new QLabel(m_background);
    auto* inner = new QHBoxLayout(m_background);
    inner->addWidget(m_movieLabel);

    m_movie->jumpToFrame(0);
    const QSize frame = m_movie->currentImage().size();
    m_frameSize = QSize(roundHalfUp(double(frame.width()) * scale * 0.5),
                        roundHalfUp(double(frame.height()) * scale * 0.5));
    m_movieLabel->setMinimumSize(m_frameSize);
    m_movieLabel->setMaximumSize(m_frameSize);
    m_movie->setScaledSize(m_frameSize);
    m_movieLabel->setMovie(m_movie);
    m_movie->start();

    if (stoppable) {
        m_stopLabel = new QLabel(m_background);
        m_stopLabel->move(0, 0);
        m_stopLabel->resize(size());
        m_stopLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        m_stopLabel->setStyleSheet(QStringLiteral("color:#0FBEF9; font-weight:750;"));
        QFont font(UIBaseData::instance()->fontFamily());
        font.setPixelSize(qMax(1, int(scale * 23)));
        m_stopLabel->setFont(font);
        m_stopLabel->setText(tr("Stop\nAnalyzing"));
        m_stopLabel->hide();
        m_background->setAttribute(Qt::WA_TransparentForMouseEvents);
        setMouseTracking(true);
    }
}

LoadingWidget::~LoadingWidget() = default;

void LoadingWidget::showCentred()
{
    show();
    QWidget* host = parentWidget();
    if (!host)
        return;
    const QPoint g = host->mapToGlobal(QPoint(0, 0));
    move(g.x() + (host->width() - width()) / 2, g.y() + (host->height() - height()) / 2);
}

bool LoadingWidget::isAnimating() const
{
    return m_movie->state() == QMovie::Running;
}

int LoadingWidget::currentFrame() const
{
    return m_movie->currentFrameNumber();
}

void LoadingWidget::enterEvent(QEvent* event)
{
    if (m_stopLabel) {
        m_stopLabel->show();
        m_movieLabel->hide();
    }
    QWidget::enterEvent(event);
}

void LoadingWidget::leaveEvent(QEvent* event)
{
    if (m_stopLabel) {
        m_stopLabel->hide();
        m_movieLabel->show();
    }
    QWidget::leaveEvent(event);
}

void LoadingWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_stopLabel)
        emit doStop(false);
    QWidget::mouseReleaseEvent(event);
}

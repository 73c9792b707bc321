#include "gui/special/PopupForm/UrlAnalyserDialog/SharedLoadingAnimation.h"

#include <QLabel>
#include <QMovie>

namespace {

quint64 sizeKey(const QSize& s)
{
    return (quint64(quint32(s.width())) << 32) | quint32(s.height());
}

} // namespace

SharedLoadingAnimation* SharedLoadingAnimation::instance()
{
    static SharedLoadingAnimation* shared = new SharedLoadingAnimation;
    return shared;
}

SharedLoadingAnimation::SharedLoadingAnimation()
{
    m_movie = new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), this);
    m_movie->setCacheMode(QMovie::CacheAll);
    connect(m_movie, &QMovie::frameChanged, this, &SharedLoadingAnimation::onFrameChanged);
}

bool SharedLoadingAnimation::isRunning() const
{
    return m_movie->state() == QMovie::Running;
}

void SharedLoadingAnimation::attach(QLabel* label)
{
    if (!label || m_labels.contains(label))
        return;
    m_labels.append(label);
    connect(label, &QObject::destroyed, this, [this, label] { release(label); });
    show(label);
    if (m_movie->state() != QMovie::Running)
        m_movie->start();
}

void SharedLoadingAnimation::release(QLabel* label)
{
    if (!m_labels.removeOne(label))
        return;
    disconnect(label, &QObject::destroyed, this, nullptr);
    if (m_labels.isEmpty())
        m_movie->stop();
}

QPixmap SharedLoadingAnimation::frame(const QSize& size)
{
    if (size.isEmpty())
        return QPixmap();
    const quint64 key = sizeKey(size);
    auto it = m_scaled.constFind(key);
    if (it != m_scaled.constEnd())
        return it.value();
    if (m_movie->currentPixmap().isNull())
        m_movie->jumpToFrame(0);
    const QPixmap scaled = m_movie->currentPixmap().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_scaled.insert(key, scaled);
    return scaled;
}

void SharedLoadingAnimation::show(QLabel* label)
{
    label->setPixmap(frame(label->size()));
}

void SharedLoadingAnimation::onFrameChanged()
{
    m_scaled.clear();
    for (QLabel* label : qAsConst(m_labels))
        if (label->isVisible())
            show(label);
}

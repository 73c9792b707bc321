#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbSecVideoLinkItem.h"
#include "gui/UIBaseData/DesignGeometry.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxPhotoFrame.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"
#include "shell/ImageDownloader.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// One press flag for all tiles: a press on one tile and a release delivered
// to another ready tile opens the second.
bool g_pressed = false;

const QColor kTitle(QStringLiteral("#434652"));
const QColor kHoverTitle(32, 175, 243);

// The overlay icons, loaded once and kept scaled for the current factor.
const QPixmap& icon(bool error)
{
    static QPixmap enter;
    static QPixmap failed;
    static float scaledFor = -1.0f;
    const float f = UIBaseData::instance()->scale();
    if (!qFuzzyCompare(f, scaledFor)) {
        scaledFor = f;
        const auto load = [f](const char* path) {
            const QPixmap raw{QString::fromLatin1(path)};
            if (raw.isNull())
                return raw;
            return raw.scaled(QSize(int(raw.width() * 0.5f * f), int(raw.height() * 0.5f * f)), Qt::KeepAspectRatio,
                              Qt::SmoothTransformation);
        };
        enter = load(":/res/ytb_enter_hover.png");
        failed = load(":/res/ytb_error.png");
    }
    return error ? failed : enter;
}

} // namespace

CYtbSecVideoLinkItem::CYtbSecVideoLinkItem(QWidget* parent) : BaseWidget(parent)
{
    setObjectName(QStringLiteral("secitem"));
    setBaseSize(170, 160);
    setMinimumSize(170, 160);
    resize(170, 160);
    m_bg = new QWidget(this);
    m_bg->setObjectName(QStringLiteral("bg"));
    placeAtDesign(m_bg, 5, 5, 160, 150);
    m_image = new CUxPhotoFrame(m_bg);
    m_image->setObjectName(QStringLiteral("image"));
    m_image->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
    m_image->setProperty("baseFontSize", 20);
    placeAtDesign(m_image, 0, 0, 160, 80);
    m_words = new CYtbLinkWords(m_bg);
    m_words->setObjectName(QStringLiteral("words"));
    placeAtDesign(m_words, 0, 82, 160, 68);
    m_overlay = new QWidget(m_bg);
    m_overlay->setObjectName(QStringLiteral("imageFuCeng"));
    m_overlay->setProperty("baseFontSize", 20);
    placeAtDesign(m_overlay, 0, 0, 160, 80);
    m_btnCheck = new QPushButton(m_overlay);
    m_btnCheck->setObjectName(QStringLiteral("BtnCheck"));
    m_btnCheck->setCheckable(true);
    m_btnCheck->setChecked(true);
    m_btnCheck->setFocusPolicy(Qt::NoFocus);
    m_btnCheck->setStyleSheet(QStringLiteral("QPushButton#BtnCheck\n{\nborder-image:url(:/res/download_gou_nor.png);\n}\n"
                                             "QPushButton#BtnCheck:checked\n{\nborder-image:url(:/res/download_gou_on.png);\n}"));
    placeAtDesign(m_btnCheck, 5, 5, 14, 14);
    rescaleWidgetTree(this, UIBaseData::instance()->scale());
    m_bg->installEventFilter(this);
    m_overlay->installEventFilter(this);
    m_image->setPixmapFile(Youtube::instance()->isMusicMode() ? QStringLiteral(":/res/music_default.png")
                                                              : QStringLiteral(":/res/video_default.png"),
                           0.5f);
    m_words->setTextColor(kTitle);
    m_words->setSubColor(QColor(QStringLiteral("#949ca8")));
    m_words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_btnCheck->raise();
    connect(m_btnCheck, &QPushButton::clicked, this, &CYtbSecVideoLinkItem::on_BtnCheck_clicked);
}

CYtbSecVideoLinkItem::~CYtbSecVideoLinkItem() = default;

bool CYtbSecVideoLinkItem::isReady() const
{
    return m_record.analysed && m_record.status == YtbNoError;
}

bool CYtbSecVideoLinkItem::hasCachedThumbnail() const
{
    return !ImageDownloader::instance()->getImage(m_record.thumbnail).isNull();
}

void CYtbSecVideoLinkItem::setData(const YoutubeItem& record)
{
    m_record = record;
    refresh();
}

void CYtbSecVideoLinkItem::refresh()
{
    m_btnCheck->setChecked(m_record.checkState == 2);
    m_btnCheck->setVisible(isReady());
    update();
    m_words->setText(m_record.title);
    m_words->setSubText(m_record.subTitle);
    const bool inside = rect().contains(mapFromGlobal(QCursor::pos())) && isVisible();
    if (isReady()) {
        const QImage cached = ImageDownloader::instance()->getImage(m_record.thumbnail);
        if (!cached.isNull()) {
            m_image->setImage(cached);
            if (inside) {
                m_hoverState = 1;
                m_words->setTextColor(kHoverTitle);
                m_overlay->update();
            }
        } else if (inside) {
            m_hoverState = 0;
            m_overlay->update();
        }
    } else if (inside) {
        m_hoverState = 2;
        m_overlay->update();
    }
}

void CYtbSecVideoLinkItem::enterHover()
{
    if (!isReady()) {
        m_hoverState = 2;
    } else if (hasCachedThumbnail()) {
        m_hoverState = 1;
        m_words->setTextColor(kHoverTitle);
        setCursor(Qt::PointingHandCursor);
    } else {
        m_hoverState = 0;
        setCursor(Qt::PointingHandCursor);
    }
    m_overlay->update();
}

void CYtbSecVideoLinkItem::leaveHover()
{
    setCursor(Qt::ArrowCursor);
    m_words->setTextColor(kTitle);
    m_hoverState = 3;
    m_overlay->update();
}

void CYtbSecVideoLinkItem::paintOverlay()
{
    QPixmap picture(m_overlay->size());
    picture.fill(Qt::transparent);
    if (m_hoverState <= 2) {
        QPainter p(&picture);
        const int status = m_record.status;
        const bool failed = status == YtbPrivateVideo || status == YtbVideoRemoved || status == YtbCancelled
            || status == YtbAnalyseFailed;
        if (m_hoverState == 2 && !failed) {
            p.fillRect(picture.rect(), QColor(0, 0, 0, 80));
            const int band = UIBaseData::scaled(18);
            const QRect bandRect(0, picture.height() - band, picture.width(), band);
            p.fillRect(bandRect, QColor(64, 64, 64));
            QFont font;
            font.setFamily(UIBaseData::instance()->fontFamily());
            font.setPixelSize(UIBaseData::scaled(12));
            p.setFont(font);
            p.setPen(Qt::white);
            const QString text = tr("loading...");
            const QFontMetrics fm(font);
            const int x = (picture.width() - fm.horizontalAdvance(text)) / 2;
            const int y = bandRect.top() + (band - fm.height()) / 2 + fm.ascent();
            p.drawText(x, y, text);
        } else {
            p.fillRect(picture.rect(), QColor(0, 0, 0, 150));
            const QPixmap& pic = icon(m_hoverState == 2);
            p.drawPixmap((picture.width() - pic.width()) / 2, (picture.height() - pic.height()) / 2, pic);
        }
    }
    QPainter painter(m_overlay);
    painter.drawPixmap(0, 0, picture);
}

bool CYtbSecVideoLinkItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_overlay && event->type() == QEvent::Paint) {
        paintOverlay();
    } else if (watched == m_bg) {
        switch (event->type()) {
        case QEvent::Enter: enterHover(); break;
        case QEvent::Leave: leaveHover(); break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                g_pressed = true;
            break;
        case QEvent::MouseButtonRelease:
            if (g_pressed && isReady())
                emit getIn(m_record.index);
            g_pressed = false;
            break;
        default: break;
        }
    }
    return BaseWidget::eventFilter(watched, event);
}

void CYtbSecVideoLinkItem::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QColor blue(18, 169, 245);
    blue.setAlpha(isReady() && m_record.checkState == 2 ? 255 : 0);
    p.setBrush(blue);
    p.drawRoundedRect(QRect(UIBaseData::scaledPoint(QPoint(3, 3)), QSize(UIBaseData::scaled(164), UIBaseData::scaled(84))),
                      3, 3);
    p.end();
    BaseWidget::paintEvent(event);
}

void CYtbSecVideoLinkItem::resizeEvent(QResizeEvent* event)
{
    refresh();
    BaseWidget::resizeEvent(event);
}

void CYtbSecVideoLinkItem::showEvent(QShowEvent* event)
{
    refresh();
    BaseWidget::showEvent(event);
}

void CYtbSecVideoLinkItem::on_BtnCheck_clicked(bool bChecked)
{
    Youtube::instance()->setChecked(1, m_record.index, bChecked);
}

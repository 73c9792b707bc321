#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/UIBaseData/DesignGeometry.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxCheckBox.h"
#include "gui/common/CUxPhotoFrame.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/SharedLoadingAnimation.h"
#include "shell/ImageDownloader.h"

#include <QLabel>
#include <QResizeEvent>
#include <cmath>

namespace {

const QColor kGrey(96, 96, 96, 128);
const QColor kTitle(QStringLiteral("#434652"));
const QColor kUploader(QStringLiteral("#949ca8"));

} // namespace

CYtbFirstLevelItem::CYtbFirstLevelItem(int level, const YoutubeItem& record, QUxListWidget* list)
    : QUxItemBase(list), m_level(level), m_record(record)
{
    buildForm();
    m_checkStyleTemplate = m_checkBox->styleSheet();
    m_photo->setPixmapFile(Youtube::instance()->isMusicMode() ? QStringLiteral(":/res/music_default_s.png")
                                                              : QStringLiteral(":/res/video_default_s.png"),
                           0.5f);
    m_checkBox->setCheckState(Qt::CheckState(qBound(0, m_record.checkState, 2)));
    refresh();
    setStyleSheet(QStringLiteral("#%1{border-image: url(:/res/url_nor.png);}#%1:disabled{border-image: url(:/res/url_dis.png);}")
                      .arg(objectName()));
    if (isEnabled()) {
        m_words->setTextColor(kTitle);
        m_words->setSubColor(kUploader);
    }
    setCursor(Qt::PointingHandCursor);
}

CYtbFirstLevelItem::~CYtbFirstLevelItem()
{
    SharedLoadingAnimation::instance()->release(m_labLoading);
}

void CYtbFirstLevelItem::buildForm()
{
    setObjectName(QStringLiteral("youtobevideoitem"));
    setAttribute(Qt::WA_StyledBackground, true);
    setBaseSize(318, 74);
    resize(318, 74);
    setProperty("baseFontSize", 12);
    m_checkBox = new CUxCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_checkBox->setTristate(true);
    m_checkBox->setFocusPolicy(Qt::NoFocus);
    m_checkBox->setIconSize(QSize(18, 20));
    m_checkBox->setStyleSheet(QStringLiteral(
        "QCheckBox::indicator{width: 0%1px;height: 0%2px;}\n"
        "QCheckBox::indicator:unchecked,QCheckBox::indicator:unchecked:hover,QCheckBox::indicator:unchecked:pressed"
        "{border-image: url(:/res/xuanzhong_nor.png);}\n"
        "QCheckBox::indicator:unchecked:disabled{border-image: url(:/res/xuanzhong_dis.png);}\n"
        "QCheckBox::indicator:checked,QCheckBox::indicator:checked:hover,QCheckBox::indicator:checked:pressed"
        "{border-image: url(:/res/xuanzhong_on.png);}\n"
        "QCheckBox::indicator:indeterminate,QCheckBox::indicator:indeterminate:hover"
        "{border-image: url(:/res/indeterminate.png);}"));
    placeAtDesign(m_checkBox, 7, 28, 18, 20);
    m_photo = new CUxPhotoFrame(this);
    m_photo->setObjectName(QStringLiteral("Photo"));
    m_photo->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
    placeAtDesign(m_photo, 28, 17, 53, 40);
    m_labLoading = new QLabel(this);
    m_labLoading->setObjectName(QStringLiteral("labLoading"));
    m_labLoading->setScaledContents(true);
    placeAtDesign(m_labLoading, 10, 30, 14, 14);
    m_words = new CYtbLinkWords(this);
    m_words->setObjectName(QStringLiteral("words"));
    placeAtDesign(m_words, 87, 12, 220, 50);
    m_flag = new QLabel(this);
    m_flag->setObjectName(QStringLiteral("label"));
    m_flag->setAlignment(Qt::AlignCenter);
    m_flag->setProperty("baseFontSize", 12);
    placeAtDesign(m_flag, 4, 3, 29, 13);
    rescaleWidgetTree(this, UIBaseData::instance()->scale());
    connect(m_checkBox, &CUxCheckBox::uxClicked, this, &CYtbFirstLevelItem::on_checkBox_uxClicked);
}

int CYtbFirstLevelItem::itemHeight()
{
    return 74;
}

QString CYtbFirstLevelItem::marker() const
{
    if (!m_record.analysed)
        return QString();
    if (m_record.status == YtbPrivateList)
        return tr("[PRIVATE]");
    const bool failed = m_record.status == YtbVideoRemoved || m_record.status == YtbCancelled
        || m_record.status == YtbAnalyseFailed;
    if (failed && m_record.downloadState == 3)
        return tr("[INVALID]");
    return QString();
}

void CYtbFirstLevelItem::fitWords()
{
    const int edge = UIBaseData::scaled(28 + 53 + 12);
    const float f = UIBaseData::instance()->scale();
    const int designWidth = int(std::lround(float(width() - edge) / f));
    m_words->setBaseSize(qMax(0, designWidth), 50);
    m_words->resize(UIBaseData::scaledSize(m_words->baseSize()));
    // A disabled row keeps its marker: rows resize whenever the list's
    // scroll bar comes or goes.
    const QString mark = marker();
    m_words->setText(mark.isEmpty() ? m_record.title : mark);
}

void CYtbFirstLevelItem::refresh()
{
    fitWords();
    m_labLoading->setVisible(!m_record.analysed);
    m_checkBox->setVisible(m_record.analysed);
    m_checkBox->setCheckState(Qt::CheckState(qBound(0, m_record.checkState, 2)));
    if (m_record.analysed) {
        SharedLoadingAnimation::instance()->release(m_labLoading);
        const int status = m_record.status;
        const bool failed = status == YtbVideoRemoved || status == YtbCancelled || status == YtbAnalyseFailed;
        if (status == YtbPrivateList) {
            setEnabled(false);
            m_checkBox->setEnabled(true);
            m_words->setTextColor(kGrey);
        } else if (failed && m_record.downloadState == 3) {
            setEnabled(false);
            m_checkBox->setEnabled(false);
            m_words->setTextColor(kGrey);
        } else if (failed) {
            setEnabled(true);
            m_checkBox->setEnabled(false);
        } else if (status == YtbSkipped) {
            m_checkBox->setEnabled(false);
        } else {
            setEnabled(true);
            m_checkBox->setEnabled(true);
        }
        const QImage image = m_record.image.isNull() ? ImageDownloader::instance()->getImage(m_record.thumbnail)
                                                     : m_record.image;
        m_photo->setImage(image);
    } else {
        m_labLoading->raise();
        m_labLoading->resize(UIBaseData::scaledSize(m_labLoading->baseSize()));
        SharedLoadingAnimation::instance()->attach(m_labLoading);
    }
    m_words->setSubText(m_record.subTitle);
    switch (m_record.downloadState) {
    case 0:
        m_flag->setStyleSheet(QStringLiteral("border-image: url(:/res/subscribe_new_flag.png);"));
        m_flag->show();
        break;
    case 1:
        m_flag->setStyleSheet(QStringLiteral("border-image: url(:/res/subscribe_deleted_flag.png);"));
        m_flag->show();
        break;
    case 2:
        m_flag->setStyleSheet(QStringLiteral("border-image: url(:/res/subscribed.png);"));
        m_flag->show();
        break;
    default:
        m_flag->hide();
        break;
    }
}

void CYtbFirstLevelItem::setData(const YoutubeItem& record)
{
    m_record = record;
    refresh();
}

void CYtbFirstLevelItem::on_checkBox_uxClicked(bool checked)
{
    Youtube::instance()->setChecked(m_level, index(), checked);
}

void CYtbFirstLevelItem::resizeEvent(QResizeEvent* event)
{
    fitWords();
    m_checkBox->setStyleSheet(m_checkStyleTemplate.arg(UIBaseData::scaled(18)).arg(UIBaseData::scaled(20)));
    QUxItemBase::resizeEvent(event);
}

void CYtbFirstLevelItem::showEvent(QShowEvent* event)
{
    QUxItemBase::showEvent(event);
}

void CYtbFirstLevelItem::setRowImage(const char* image)
{
    setStyleSheet(QStringLiteral("#%1{border-image: url(:/res/%2);}#%1:disabled{border-image: url(:/res/url_dis.png);}")
                      .arg(objectName(), QLatin1String(image)));
}

void CYtbFirstLevelItem::setNormalStyle()
{
    setRowImage("url_nor.png");
    if (isEnabled()) {
        m_words->setTextColor(kTitle);
        m_words->setSubColor(kUploader);
    }
}

void CYtbFirstLevelItem::setHoverStyle()
{
    if (isEnabled())
        setRowImage("url_hover.png");
}

void CYtbFirstLevelItem::setSelectedStyle()
{
    if (!isEnabled())
        return;
    setRowImage("url_xuanzhong.png");
    m_words->setTextColor(QColor(QStringLiteral("#ffffff")));
    m_words->setSubColor(QColor(QStringLiteral("#ebf5ff")));
}

void CYtbFirstLevelItem::setSelectedHoverStyle()
{
    if (isEnabled())
        setRowImage("url_xuanzhong_on.png");
}

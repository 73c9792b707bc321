#include "gui/settings/SettingDialog.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/common/DropDownDialog.h"
#include "gui/common/VerticalSmoothMove.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/FileManager.h"
#include "shell/SettingsStore.h"
#include "ui_SettingDialog_Downloader.h"
#include "ui_SettingPage_Downloader.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace {

SettingsStore* store() { return SettingsStore::instance(); }

QString flag(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

bool isTrue(const char* key) { return store()->value(QLatin1String(key)) == QLatin1String("true"); }

struct Language
{
    const char* code;
    const char* name;
};

const Language kLanguages[] = {
    {"en", "English"}, {"fr", "Fran\xc3\xa7" "ais"}, {"es", "Espa\xc3\xb1ol"}, {"de", "Deutsch"},
    {"it", "Italiano"}, {"ja", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e"},
    {"zh-hans", "\xe4\xb8\xad\xe6\x96\x87(\xe7\xae\x80\xe4\xbd\x93)"},
    {"zh-hant", "\xe4\xb8\xad\xe6\x96\x87(\xe7\xb9\x81\xe9\xab\x94)"},
};

}

SettingDialog::SettingDialog(QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::SettingDialog_Downloader)
    , m_page(new Ui::SettingPage_Downloader)
{
    ui->setupUi(this);
    m_pageWidget = new QWidget(ui->scrollAreaWidgetContents);
    m_page->setupUi(m_pageWidget);

    m_templates.insert(QStringLiteral("verticalSlider"), ui->verticalSlider->styleSheet());
    ui->layout_pages->insertWidget(0, m_pageWidget);

    QScrollBar* bar = ui->scrollArea->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &SettingDialog::onScrollAreaValueChanged);
    connect(bar, &QScrollBar::rangeChanged, this, &SettingDialog::onScrollAreaRangeChanged);
    connect(ui->verticalSlider, &QSlider::valueChanged, this, &SettingDialog::onSliderValueChanged);
    ui->widget_slider->installEventFilter(this);

    init(this, ui->widget_title, 1.0f, false);
    setCloseButton(ui->btn_close);

    m_smooth = new VerticalSmoothMove(ui->scrollAreaWidgetContents, bar);

    const QString language = store()->value(QStringLiteral("base/language"));
    if (language == QLatin1String("ja") || language == QLatin1String("zh-hans")
        || language == QLatin1String("zh-hant")) {
        for (QWidget* w : {static_cast<QWidget*>(m_page->label_10), static_cast<QWidget*>(m_page->label_3),
                           static_cast<QWidget*>(m_page->label_4), static_cast<QWidget*>(m_page->label_5)})
            w->setProperty("baseFontSize", 12);
        rescaleChildren(dpiRatio(), m_pageWidget);
    }

    m_templates.insert(QStringLiteral("m_pWidget"), m_pageWidget->styleSheet());
    // The designer's sheets still hold their placeholders; fill them before
    // anything is polished with them.
    applyScaledSheets();

    QComboBox* lan = m_page->comboBox_Lan;
    lan->installEventFilter(this);
    {
        const QSignalBlocker block(lan);
        for (const Language& l : kLanguages) {
            lan->addItem(QString::fromUtf8(l.name));
            lan->setItemData(lan->count() - 1, QString::fromLatin1(l.code), kLanguageRole);
        }
        selectStoredLanguage();
    }

    m_page->edit_output_video->setText(store()->value(QStringLiteral("youtube/download")));

    Youtube* engine = Youtube::instance();
    {
        const QSignalBlocker blockFormat(m_page->box_format);
        const QSignalBlocker blockResolution(m_page->box_resolution);
        m_page->box_format->addItems(engine->extList());
        m_page->box_resolution->addItems(engine->resolutionList());
    }
    m_page->box_format->setCurrentText(engine->defaultExt());
    m_page->box_resolution->setCurrentText(engine->defaultResolution());
    m_page->box_format->installEventFilter(this);
    m_page->box_resolution->installEventFilter(this);

    m_page->check_proxy->setChecked(isTrue("proxy/enabled"));
    store()->setValue(QStringLiteral("proxy/enabled"), flag(m_page->check_proxy->isChecked()));
    m_page->edit_proxyServer->setEnabled(m_page->check_proxy->isChecked());
    m_page->edit_port->setEnabled(m_page->check_proxy->isChecked());
    m_page->edit_proxyServer->setText(store()->value(QStringLiteral("proxy/hostName")));
    m_page->edit_port->setText(store()->value(QStringLiteral("proxy/port")));

    m_page->check_once->setChecked(isTrue("youtube/subscribeOnce"));
    m_page->check_already->setChecked(isTrue("youtube/subscribeDownloaded"));

    // The page's form is not this window's, so its slots are connected here.
    connect(lan, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingDialog::on_comboBox_Lan_currentIndexChanged);
    connect(m_page->check_openFolder, &QPushButton::toggled, this, &SettingDialog::on_check_openFolder_toggled);
    connect(m_page->check_shutDown, &QPushButton::toggled, this, &SettingDialog::on_check_shutDown_toggled);
    connect(m_page->check_notify, &QPushButton::toggled, this, &SettingDialog::on_check_notify_toggled);
    connect(m_page->browse_output_video, &QPushButton::clicked, this, &SettingDialog::on_browse_output_video_clicked);
    connect(m_page->open_output_video, &QPushButton::clicked, this, &SettingDialog::on_open_output_video_clicked);
    connect(m_page->box_format, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int i) { on_box_format_currentIndexChanged(m_page->box_format->itemText(i)); });
    connect(m_page->box_resolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int i) { on_box_resolution_currentIndexChanged(m_page->box_resolution->itemText(i)); });
    connect(m_page->check_once, &QPushButton::clicked, this, &SettingDialog::on_check_once_clicked);
    connect(m_page->check_already, &QPushButton::clicked, this, &SettingDialog::on_check_already_clicked);
    connect(m_page->check_proxy, &QPushButton::clicked, this, &SettingDialog::on_check_proxy_clicked);
    connect(m_page->edit_proxyServer, &QLineEdit::editingFinished, this,
            &SettingDialog::on_edit_proxyServer_editingFinished);
    connect(m_page->edit_port, &QLineEdit::editingFinished, this, &SettingDialog::on_edit_port_editingFinished);

    m_dropDownCombos = {lan, m_page->box_format, m_page->box_resolution};
}

SettingDialog::~SettingDialog()
{
    delete m_smooth;
    delete m_page;
    delete ui;
}

void SettingDialog::selectStoredLanguage()
{
    QComboBox* lan = m_page->comboBox_Lan;
    const QString code = store()->value(QStringLiteral("base/language"));
    int index = lan->count();
    for (int i = 0; i < lan->count(); ++i) {
        if (lan->itemData(i, kLanguageRole).toString() == code) {
            index = i;
            break;
        }
    }
    // One past the last item leaves no current item: "pt-pt" and "ko" are
    // stored languages without an entry here.
    lan->setCurrentIndex(index < lan->count() ? index : -1);
}

void SettingDialog::on_btn_close_clicked()
{
    close();
}

void SettingDialog::onScrollAreaValueChanged(int value)
{
    {
        const QSignalBlocker block(ui->verticalSlider);
        ui->verticalSlider->setValue(value);
    }
    emit doHideFloat();
}

void SettingDialog::onScrollAreaRangeChanged(int min, int max)
{
    ui->verticalSlider->setRange(min, max);
    ui->verticalSlider->setValue(ui->scrollArea->verticalScrollBar()->value());
}

void SettingDialog::onSliderValueChanged(int value)
{
    ui->scrollArea->verticalScrollBar()->setValue(value);
}

void SettingDialog::on_comboBox_Lan_currentIndexChanged(int index)
{
    // The question comes after the combo has finished its own handling.
    QMetaObject::invokeMethod(this, "onLanguageChanged", Qt::QueuedConnection, Q_ARG(int, index));
}

void SettingDialog::onLanguageChanged(int index)
{
    const int answer = MsgDialog::showMsg(
        QCoreApplication::translate("SettingDialog_Downloader", "Changing Language"),
        QCoreApplication::translate("SettingDialog_Downloader",
                                    "Program will restart after changing language, If you are sure to change, "
                                    "please click \"Continue\" button."),
        QString(), QCoreApplication::translate("SettingDialog_Downloader", "Continue"),
        QCoreApplication::translate("SettingDialog_Downloader", "Cancel"), QString(),
        UIBaseData::instance()->mainPopup(), QCoreApplication::translate("SettingDialog_Downloader", "Warning"), 1);
    if (answer != 0) {
        const QSignalBlocker block(m_page->comboBox_Lan);
        selectStoredLanguage();
        return;
    }
    const QString code = m_page->comboBox_Lan->itemData(index, kLanguageRole).toString();
    store()->setValue(QStringLiteral("base/language"), code);
    UIBaseData::restartApplication();
}

void SettingDialog::on_check_openFolder_toggled(bool checked)
{
    store()->setValue(QStringLiteral("setting/openFolder"), flag(checked));
}

void SettingDialog::on_check_shutDown_toggled(bool checked)
{
    store()->setValue(QStringLiteral("setting/shutdown"), flag(checked));
}

void SettingDialog::on_check_notify_toggled(bool checked)
{
    store()->setValue(QStringLiteral("setting/notify"), flag(checked));
}

void SettingDialog::on_browse_output_video_clicked()
{
    const QString chosen = UIServiceHooks::chooseFolder(
        QCoreApplication::translate("SettingDialog_Downloader", "Select Output Directory"),
        m_page->edit_output_video->text());
    if (chosen.isEmpty())
        return;
    // Stored folders keep this system's own separators.
    const QString stored = SettingsStore::toStoredPath(chosen);
    store()->setValue(QStringLiteral("youtube/download"), stored);
    m_page->edit_output_video->setText(stored);
}

void SettingDialog::on_open_output_video_clicked()
{
    FileManager::openFolder(SettingsStore::fromStoredPath(m_page->edit_output_video->text()));
}

void SettingDialog::on_box_format_currentIndexChanged(const QString& arg1)
{
    Youtube::instance()->setDefaultExt(arg1);
}

void SettingDialog::on_box_resolution_currentIndexChanged(const QString& arg1)
{
    Youtube::instance()->setDefaultResolution(arg1);
}

void SettingDialog::on_check_once_clicked(bool checked)
{
    store()->setValue(QStringLiteral("youtube/subscribeOnce"), flag(checked));
}

void SettingDialog::on_check_already_clicked(bool checked)
{
    store()->setValue(QStringLiteral("youtube/subscribeDownloaded"), flag(checked));
}

void SettingDialog::on_edit_proxyServer_editingFinished()
{
    store()->setValue(QStringLiteral("proxy/hostName"), m_page->edit_proxyServer->text());
}

void SettingDialog::on_edit_port_editingFinished()
{
    store()->setValue(QStringLiteral("proxy/port"), m_page->edit_port->text());
}

void SettingDialog::on_check_proxy_clicked(bool checked)
{
    Q_UNUSED(checked);
    const bool on = m_page->check_proxy->isChecked();
    store()->setValue(QStringLiteral("proxy/enabled"), flag(on));
    m_page->edit_proxyServer->setEnabled(on);
    m_page->edit_port->setEnabled(on);
}

bool SettingDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo && m_dropDownCombos.contains(combo)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!combo->isEnabled())
                return true;
            QWidget* box = combo->parentWidget();
            DropDownDialog* list =
                DropDownDialog::popup(box->mapToGlobal(QPoint(0, 0)), box->size(), combo, false, 13);
            if (list)
                connect(this, &SettingDialog::doHideFloat, list, &DropDownDialog::clear);
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
            return true;
        default:
            break;
        }
    } else if (watched == ui->widget_slider) {
        if (event->type() == QEvent::Wheel) {
            const auto* we = static_cast<QWheelEvent*>(event);
            auto* copy = new QWheelEvent(we->position(), we->globalPosition(), we->pixelDelta(), we->angleDelta(),
                                         we->buttons(), Qt::NoModifier, we->phase(), we->inverted());
            QCoreApplication::postEvent(ui->scrollAreaWidgetContents, copy);
        } else if (event->type() == QEvent::MouseButtonPress) {
            const auto* me = static_cast<QMouseEvent*>(event);
            auto* copy = new QMouseEvent(QEvent::MouseButtonPress, me->localPos(), Qt::LeftButton, Qt::LeftButton,
                                         Qt::NoModifier);
            QCoreApplication::postEvent(ui->scrollAreaWidgetContents, copy);
        }
    }
    return PopupBase::eventFilter(watched, event);
}

void SettingDialog::resizeEvent(QResizeEvent* event)
{
    PopupBase::resizeEvent(event);
    applyScaledSheets();
}

// Each number follows the template's literal 0: 32 gives "032px".
void SettingDialog::applyScaledSheets()
{
    m_pageWidget->setStyleSheet(m_templates.value(QStringLiteral("m_pWidget"))
                                    .arg(UIBaseData::scaled(32))
                                    .arg(UIBaseData::scaled(38)));
    ui->verticalSlider->setStyleSheet(m_templates.value(QStringLiteral("verticalSlider"))
                                          .arg(UIBaseData::scaled(3))
                                          .arg(UIBaseData::scaled(137))
                                          .arg(UIBaseData::scaled(1))
                                          .arg(UIBaseData::scaled(2)));
}

void SettingDialog::showEvent(QShowEvent* event)
{
    PopupBase::showEvent(event);
    m_page->check_shutDown->setChecked(isTrue("setting/shutdown"));
    m_page->check_openFolder->setChecked(isTrue("setting/openFolder"));
    m_page->check_notify->setChecked(isTrue("setting/notify"));
}

// The analysis window's form: every object under its name and class, the
// design geometry at the interface scale.

#include "Legibility.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "ui_UrlAnalyserDialog.h"

#include <QDialog>
#include <QMovie>
#include <QScreen>
#include <QtTest>

class TestUrlAnalyserForm : public QObject
{
    Q_OBJECT
    PopupBase* m_main = nullptr;

private slots:
    void initTestCase()
    {
        // 144 dpi on a large screen: the interface factor is 1.5.
        PopupBase::setScreenMetricsProvider([](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = 144;
            m.geometry = m.available = QRect(0, 0, 3840, 2160);
            return m;
        });
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
        QCOMPARE(UIBaseData::instance()->scale(), 1.5f);
    }

    void cleanupTestCase() { delete m_main; }

    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        const QList<QPair<const char*, const char*>> table = {
            {"border_widget", "QWidget"}, {"UrlAnalyserMainWidget", "QWidget"}, {"widget_5", "QWidget"},
            {"top", "QWidget"}, {"line", "QWidget"}, {"UrlAnalyserMain", "QWidget"}, {"line_2", "QWidget"},
            {"bottom", "QWidget"}, {"widget_10", "QWidget"}, {"widget_12", "QWidget"}, {"label_8", "QLabel"},
            {"btn_paste", "CUxTpTextIllus"}, {"widget_11", "QWidget"}, {"btnLog", "QPushButton"},
            {"btnWatchLaterlXiala", "QPushButton"}, {"btn_clearAccount", "QPushButton"}, {"widget_34", "QWidget"},
            {"btn_myList", "QPushButton"}, {"closebtn", "QPushButton"}, {"lineEdit", "QLineEdit"},
            {"btnAnalyseOrStop", "QPushButton"}, {"checkBoxDownloadList", "CUxCheckBox"},
            {"labelDownloadList", "QLabel"}, {"stackedWidget", "QStackedWidget"}, {"page_preview", "QWidget"},
            {"widget_35", "QWidget"}, {"labPrompt1", "QLabel"}, {"labPrompt2", "QLabel"}, {"labPrompt3", "QLabel"},
            {"widget_7", "QWidget"}, {"label_7", "QLabel"}, {"btnLogIn", "CUxDpiBtn"}, {"widget_6", "QWidget"},
            {"labPromptTip", "QLabel"}, {"mainPage", "QWidget"}, {"left_list", "QWidget"}, {"right_list", "QWidget"},
            {"page_2", "QWidget"}, {"label_10", "QLabel"}, {"label_12", "QLabel"}, {"label_13", "QLabel"},
            {"page", "QWidget"}, {"label_5", "QLabel"}, {"widget", "QWidget"}, {"checkBox", "CUxCheckBox"},
            {"label_3", "QLabel"}, {"label_4", "QLabel"}, {"btnSubscribe", "CUxTpTextIllus"}, {"videoList", "QWidget"},
            {"mediaAreaStacked", "QStackedWidget"}, {"rightStackedWidget", "QStackedWidget"}, {"listInfo", "QWidget"},
            {"ListInfoBg", "QWidget"}, {"videoInfo", "QWidget"}, {"Run", "QWidget"}, {"label_14", "QLabel"},
            {"Error", "QWidget"}, {"labError", "QLabel"}, {"btnBack", "CUxBtnTextIn"}, {"poster", "CUxPhotoFrame"},
            {"labName", "QLabel"}, {"labUrl", "QLabel"}, {"lineWidget", "CPaintLine"},
            {"btnShowAll", "CUxTpTextIllus"}, {"widLangCode", "QWidget"}, {"labLangCode", "QLabel"},
            {"comboBoxLangCode", "QComboBox"}, {"medialistArea", "QWidget"}, {"line2", "QWidget"},
            {"line3", "QWidget"}, {"stacked_sub", "QStackedWidget"}, {"subArea", "QWidget"},
            {"subscribeMayRefresh", "QWidget"}, {"page_search", "QWidget"}, {"widget_4", "QWidget"},
            {"label_6", "QLabel"}, {"btn_search", "CUxTpTextIllus"}, {"page_none", "QWidget"},
            {"page_searching", "QWidget"}, {"widget_searching", "QWidget"}, {"label_11", "QLabel"},
            {"page_sub", "QWidget"}, {"lab_subtitles", "QLabel"}, {"page_noneSub", "QWidget"},
            {"lab_noneSub", "QLabel"}, {"widget_3", "QWidget"}, {"line_3", "QFrame"}, {"label_2", "QLabel"},
            {"widget_2", "QWidget"}, {"btnOpen", "QPushButton"}, {"btnReload", "QPushButton"},
            {"btn_cancel", "QPushButton"}, {"widget_8", "QWidget"}, {"btn_doneAll", "QPushButton"},
            {"labTip", "QLabel"}, {"btn_applyToAll", "QPushButton"}, {"btn_done", "QPushButton"}};
        for (const auto& row : table)
            QTest::newRow(row.first) << QString::fromLatin1(row.first) << QString::fromLatin1(row.second);
    }
    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        UrlAnalyserDialog dialog;
        // Only the window's own tree: the account dialog it owns is a window
        // of its own with its own form.
        QList<QWidget*> found;
        for (QWidget* w : dialog.findChildren<QWidget*>(name))
            if (w->window() == &dialog)
                found << w;
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    }

    void scaledGeometry()
    {
        UrlAnalyserDialog dialog;
        Ui::UrlAnalyserDialog* ui = dialog.form();
        QCOMPARE(dialog.size(), QSize(1362, 915));
        QCOMPARE(ui->lineEdit->pos(), QPoint(47, 77));
        QCOMPARE(ui->lineEdit->size(), QSize(1083, 35));
        QCOMPARE(ui->widLangCode->parentWidget(), ui->lineWidget);
        QCOMPARE(ui->widLangCode->property("basePos").toPoint().y(), -8);
        QCOMPARE(ui->widLangCode->pos().y(), UIBaseData::scaled(-8));
        QVERIFY(ui->widLangCode->pos().y() < 0);
        // The design position wins over the designer geometry.
        ui->btnAnalyseOrStop->move(0, 0);
        dialog.rescaleForm();
        QCOMPARE(ui->btnAnalyseOrStop->pos(), UIBaseData::scaledPoint(QPoint(775, 50)));
        QCOMPARE(ui->btn_clearAccount->property("basePosTemp").toPoint(), QPoint(759, 27));
        QCOMPARE(ui->labelDownloadList->font().pixelSize(), 18);
    }

    // The window's own dressing at factor 1.5: centred waiting lines and
    // start-page steps, Show All at the rule's right end, style sheets
    // filled with scaled numbers.
    void dressing()
    {
        UrlAnalyserDialog dialog;
        Ui::UrlAnalyserDialog* ui = dialog.form();
        const int middle = UIBaseData::scaled(888) / 2;
        for (QLabel* l : {ui->label_12, ui->label_13})
            QVERIFY2(qAbs(l->geometry().center().x() - middle) <= 1,
                     qPrintable(QStringLiteral("%1 %2 %3").arg(l->objectName()).arg(l->x()).arg(l->width())));
        QCOMPARE(ui->label_13->y() - ui->label_12->y(), UIBaseData::scaled(223) - UIBaseData::scaled(183));
        QCOMPARE(ui->labPrompt1->width(), ui->labPrompt2->width());
        QCOMPARE(ui->labPrompt1->width(), ui->labPrompt3->width());
        QVERIFY(qAbs(ui->labPrompt1->geometry().center().x() - middle) <= 2);
        QVERIFY(qAbs(ui->btnShowAll->geometry().right() + 1 - ui->lineWidget->width()) <= 2);
        QCOMPARE(ui->btnShowAll->text(), QStringLiteral("Show All"));
        QCOMPARE(ui->btn_paste->text(), QStringLiteral("Paste URL & Analyse"));
        QCOMPARE(ui->btn_paste->textColor(0), QColor(Qt::white));
        QVERIFY(ui->btnSubscribe->isCheckable());
        QVERIFY(ui->checkBox->styleSheet().contains(QStringLiteral("width: 27px;height: 30px;")));
        const QString combo = ui->comboBoxLangCode->styleSheet();
        QVERIFY(!combo.contains(QLatin1Char('%')));
        QVERIFY(combo.contains(QStringLiteral("padding-left: 6px;")));
        QVERIFY(combo.contains(QStringLiteral("margin-left:25.5px;")));
        QCOMPARE(ui->widLangCode->size(), UIBaseData::scaledSize(QSize(275, 39)));
    }

    // Checked, "Subscribe" turns its text white; the picture it then sits
    // on must be dark enough for that text.
    void checkedSubscribeIsReadable()
    {
        UrlAnalyserDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        CUxTpTextIllus* subscribe = dialog.form()->btnSubscribe;
        subscribe->show();
        // From its design height it fits itself to its pictures as it paints
        // (the page that holds it is not shown before a list arrives).
        if (subscribe->height() < UIBaseData::scaled(20))
            subscribe->resize(subscribe->width(), UIBaseData::scaled(20));
        subscribe->grab();
        QVERIFY(subscribe->height() > 8);
        const QRect inside = subscribe->rect().adjusted(3, 3, -3, -3);
        const QImage normal = subscribe->grab().toImage();
        QVERIFY2(Legibility::readablePixels(normal, inside) >= 20, qPrintable(Legibility::fill(normal, inside).name()));
        QTest::mouseClick(subscribe, Qt::LeftButton, {}, subscribe->rect().center());
        QTRY_VERIFY(subscribe->isChecked());
        const QImage checked = subscribe->grab().toImage();
        const int readable = Legibility::readablePixels(checked, inside);
        QVERIFY2(readable >= 20, qPrintable(QStringLiteral("%1 readable pixels on %2").arg(readable)
                                                .arg(Legibility::fill(checked, inside).name())));
    }

    // The window's light buttons turn white-lettered on their dark pressed
    // picture.
    void pressedLightButtonsAreReadable()
    {
        UrlAnalyserDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Ui::UrlAnalyserDialog* ui = dialog.form();
        for (QPushButton* b : {static_cast<QPushButton*>(ui->btnLogIn), ui->btnOpen, ui->btnReload}) {
            QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
            // Clear of the picture's rounded corners.
            const QRect inside = b->rect().adjusted(8, 6, -8, -6);
            QTest::mousePress(b, Qt::LeftButton, {}, b->rect().center());
            QVERIFY(b->isDown());
            const QImage pressed = b->grab().toImage();
            // Let go outside: no click.
            QTest::mouseMove(b, QPoint(-20, -20));
            QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-20, -20));
            const int readable = Legibility::readablePixels(pressed, inside);
            QVERIFY2(readable >= 20, qPrintable(QStringLiteral("%1: %2 readable pixels on %3")
                                                    .arg(b->objectName()).arg(readable)
                                                    .arg(Legibility::fill(pressed, inside).name())));
        }
    }

    void setupState()
    {
        // The form as the designer left it, before the window's own steps.
        {
            QDialog host;
            Ui::UrlAnalyserDialog form;
            form.setupUi(&host);
            QCOMPARE(form.stackedWidget->currentWidget(), form.mainPage);
            QCOMPARE(form.btn_done->text(), QStringLiteral("Download Selected Videoes"));
            QVERIFY(!form.label_4->pixmap(Qt::ReturnByValue).isNull());
        }
        UrlAnalyserDialog dialog;
        Ui::UrlAnalyserDialog* ui = dialog.form();
        // The window starts on the preview page with its own button text.
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_preview);
        QCOMPARE(ui->rightStackedWidget->currentWidget(), ui->videoInfo);
        QCOMPARE(ui->stacked_sub->currentWidget(), ui->page_search);
        QCOMPARE(ui->btn_done->text(), QStringLiteral("Download Selected Videos"));
        QCOMPARE(ui->btnAnalyseOrStop->text(), QStringLiteral("Analyse"));
        QVERIFY(ui->btnAnalyseOrStop->isCheckable());
        QCOMPARE(ui->lineEdit->styleSheet(), QStringLiteral("QLineEdit\n{\nborder:1px solid #D6D6D6;\ncolor:#919499;\n}"));
        QCOMPARE(dialog.shadowWidth(), 10);
        QCOMPARE(dialog.dragWidget(), ui->top);
        QVERIFY(ui->left_list->styleSheet().contains(QStringLiteral(":/res/zuo bg.png")));
        QVERIFY(!QPixmap(QStringLiteral(":/res/zuo bg.png")).isNull());
        QVERIFY(!QPixmap(QStringLiteral(":/AiRes/Ui/Resources/xiala_nor.png")).isNull());
        QVERIFY(ui->label_4->movie());
        // Site texts, never markup.
        QCOMPARE(ui->labName->textFormat(), Qt::PlainText);
        QCOMPARE(ui->labUrl->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(TestUrlAnalyserForm)
#include "tst_urlanalyserform.moc"

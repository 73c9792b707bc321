#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/FileListDialog.h"
#include "ui_FileListDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>
#include <functional>

namespace {

const QString kText = QStringLiteral("<p style='line-height:%1px'>Something failed.</p>");

QStringList names(int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("/home/u/Videos/video %1.mp4").arg(i);
    return out;
}

// The lines the list shows, without the empty first one.
QStringList shownLines(FileListDialog& dialog)
{
    QStringList lines = dialog.form()->fileList->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}

void whenRunning(PopupBase* dialog, std::function<void()> fn)
{
    auto* poll = new QTimer(dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, fn] {
        if (dialog->isModalRunning() && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            fn();
        }
    });
    poll->start();
}

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}

class TestFileListDialog : public QObject
{
    Q_OBJECT

    PopupBase* m_main = nullptr;
    qreal m_dpi = 96;

    void setFactor(float f)
    {
        m_dpi = 96 * f;
        UIBaseData::instance()->setScale(f);
    }

private slots:
    void initTestCase()
    {
        PopupBase::setScreenMetricsProvider([this](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = m_dpi;
            m.geometry = m.available = QRect(0, 0, 3840, 2160);
            return m;
        });
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
    }

    void cleanupTestCase() { delete m_main; }

    void init() { setFactor(1.0f); }

    void entries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("unix path") << "/home/u/Videos/clip.mp4" << "clip.mp4";
        QTest::newRow("windows path") << "D:\\Videos\\clip.mp4" << "clip.mp4";
        QTest::newRow("mixed separators") << "C:/Users\\u/Videos\\clip one.mkv" << "clip one.mkv";
        QTest::newRow("root backslash") << "\\\\server\\share\\a.mp3" << "a.mp3";
        QTest::newRow("title with a slash") << "AC/DC Live" << "AC/DC Live";
        QTest::newRow("title with a slash and digits") << "24/7 radio" << "24/7 radio";
        QTest::newRow("title with a backslash") << "a\\b" << "a\\b";
        QTest::newRow("bare name") << "clip.mp4" << "clip.mp4";
        QTest::newRow("trailing separator") << "/home/u/Videos/" << "";
        QTest::newRow("trailing backslash") << "D:\\Videos\\" << "";
    }
    void entries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QCOMPARE(FileListDialog::shownName(entry), shown);
        FileListDialog dialog("Title", kText, {entry, "x.mp4"}, false, nullptr);
        QCOMPARE(shownLines(dialog), (QStringList{shown, "x.mp4"}));
        QVERIFY(dialog.form()->fileList->toPlainText().startsWith('\n'));
    }

    void emptyListShowsOnlyTheFirstLine()
    {
        FileListDialog dialog("Title", kText, {}, false, nullptr);
        QCOMPARE(dialog.form()->fileList->toPlainText(), QStringLiteral("\n"));
    }

    void sliderFollowsTheLength_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("visible");
        QTest::newRow("3 names") << 3 << false;
        QTest::newRow("300 names") << 300 << true;
    }
    void sliderFollowsTheLength()
    {
        QFETCH(int, count);
        QFETCH(bool, visible);
        FileListDialog dialog("Title", kText, names(count), false, nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QScrollBar* bar = dialog.form()->fileList->verticalScrollBar();
        QTRY_COMPARE(dialog.form()->vSlider->isVisible(), visible);
        QCOMPARE(dialog.form()->vSlider->maximum(), bar->maximum());
        QCOMPARE(dialog.form()->vSlider->minimum(), bar->minimum());
        QCOMPARE(dialog.form()->vSlider->value(), 0);
        dialog.close();
    }

    void sliderAndListMoveTogether()
    {
        FileListDialog dialog("Title", kText, names(300), false, nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Ui::FileListDialog* ui = dialog.form();
        QScrollBar* bar = ui->fileList->verticalScrollBar();
        QTRY_VERIFY(ui->vSlider->isVisible());
        QVERIFY(bar->maximum() > 1000);

        // Keys on the list move the slider.
        ui->fileList->setFocus();
        QTest::keyClick(ui->fileList, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QCOMPARE(ui->vSlider->value(), bar->value());
        QTest::keyClick(ui->fileList, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(ui->vSlider->value(), bar->maximum());
        QTest::keyClick(ui->fileList, Qt::Key_Home);
        QCOMPARE(ui->vSlider->value(), 0);

        // Dragging the slider's handle from the top to the bottom moves the list all the way.
        QSlider* s = ui->vSlider;
        const QPoint top(s->width() / 2, 5);
        sendMouse(s, QEvent::MouseButtonPress, top, Qt::LeftButton);
        for (int y = 20; y <= s->height(); y += 20)
            sendMouse(s, QEvent::MouseMove, QPoint(top.x(), y), Qt::LeftButton);
        sendMouse(s, QEvent::MouseMove, QPoint(top.x(), s->height() + 30), Qt::LeftButton);
        QCOMPARE(bar->value(), s->value());
        sendMouse(s, QEvent::MouseButtonRelease, QPoint(top.x(), s->height() + 30), Qt::NoButton);
        QCOMPARE(s->value(), s->maximum());
        QCOMPARE(bar->value(), bar->maximum());

        // The wheel over the list moves list and slider.
        const int before = bar->value();
        QWheelEvent wheel(QPointF(50, 50), ui->fileList->viewport()->mapToGlobal(QPoint(50, 50)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ui->fileList->viewport(), &wheel);
        QVERIFY(bar->value() < before);
        QCOMPARE(s->value(), bar->value());
        dialog.close();
    }

    void answers_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("warning, close") << false << "btn_close" << 0;
        QTest::newRow("choice, continue") << true << "btn_continue" << 1;
        QTest::newRow("choice, cancel") << true << "btn_cancel" << 0;
        QTest::newRow("choice, close") << true << "btn_close" << 0;
    }
    void answers()
    {
        QFETCH(bool, choose);
        QFETCH(QString, button);
        QFETCH(int, result);
        FileListDialog dialog("Title", kText, names(2), choose, nullptr);
        Ui::FileListDialog* ui = dialog.form();
        QCOMPARE(ui->stackedWidget->currentWidget(), choose ? ui->page_choose : ui->page_warning);
        bool escapeKept = false;
        whenRunning(&dialog, [&] {
            // Neither Escape nor the window manager's close ends it.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            escapeKept = dialog.isVisible();
            if (!choose) {
                // The warning page offers no button but the close button.
                QVERIFY(!ui->btn_continue->isVisible());
                QVERIFY(!ui->btn_cancel->isVisible());
            }
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(escapeKept);
        QVERIFY(!dialog.isVisible());
    }

    void textsFillTheirPages()
    {
        FileListDialog warning("Failed", kText, names(1), false, nullptr);
        QCOMPARE(warning.form()->lab_title->text(), QStringLiteral("Failed"));
        FileListDialog choice("Pick", "Go on?", names(1), true, nullptr);
        QCOMPARE(choice.form()->lab_choose->text(), QStringLiteral("Go on?"));
        // The warning label keeps its own text in the choice mode.
        QVERIFY(choice.form()->label_warning->text().startsWith("<p style='line-height:%1px'>Something went wrong"));
    }

    void lineHeight_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("listLine");
        QTest::newRow("1") << 1.0f << 20 << 24;
        QTest::newRow("1.5") << 1.5f << 30 << 36;
    }
    void lineHeight()
    {
        QFETCH(float, factor);
        QFETCH(int, height);
        QFETCH(int, listLine);
        setFactor(factor);
        FileListDialog dialog("Title", kText, names(3), false, nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(qRound(888 * factor), qRound(590 * factor)));
        QCOMPARE(dialog.form()->label_warning->text(),
                 QStringLiteral("<p style='line-height:%1px'>Something failed.</p>").arg(height));
        const QTextBlock block = dialog.form()->fileList->document()->lastBlock();
        QCOMPARE(int(block.blockFormat().lineHeight()), listLine);
        QCOMPARE(block.blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
        // Slider margins stay 1 px and the radius 2 px at every factor.
        const QString style = dialog.form()->vSlider->styleSheet();
        QVERIFY(style.contains("margin:0px 1px;"));
        QVERIFY(style.contains("margin:0px -1px;"));
        QVERIFY(style.contains("border-radius:2px;"));
        dialog.close();
    }
};

QTEST_MAIN(TestFileListDialog)
#include "tst_filelistdialog.moc"

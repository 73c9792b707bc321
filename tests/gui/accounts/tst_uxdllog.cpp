// The site-account login dialog on a real account file ("AP").

#include "DialogAnswerer.h"
#include "ScriptedEngine.h"
#include "gui/accounts/CUxDlLog.h"
#include "gui/common/CToolTip.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/SmallButtons.h"
#include "shell/SettingsStore.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<SiteAccount*>& sites()
{
    return *Youtube::instance()->siteAccounts();
}

SiteAccount* site(const QString& host)
{
    for (SiteAccount* s : sites())
        if (s->website() == host)
            return s;
    return nullptr;
}

const QString kYoutube = QStringLiteral("www.youtube.com");
const QString kVimeo = QStringLiteral("www.vimeo.com");

// Both sites empty, YouTube first.
void resetStore()
{
    for (SiteAccount* s : sites())
        for (const QString& name : s->accountNames())
            s->removeAccount(name);
    if (sites().first()->website() != kYoutube)
        Youtube::instance()->moveSiteAccountToFront(1);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QString shownHost(const CUxDlLog& dialog)
{
    const int pos = dialog.currentPosition();
    return pos < 0 ? QString() : sites().at(pos)->website();
}

CUxAccountItem* row(const CUxDlLog& dialog, int i)
{
    return qobject_cast<CUxAccountItem*>(dialog.accountList()->itemWidget(dialog.accountList()->item(i)));
}

QWidget* balloon(QWidget* dialog)
{
    return dialog->findChild<QWidget*>(QStringLiteral("limitBalloon"));
}

} // namespace

class TestUxDlLog : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString apPath() const { return m_dir.filePath(QStringLiteral("AP")); }

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        QCOMPARE(sites().size(), 2);
    }

    void init() { resetStore(); }

    void opensTheAskedSite_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("vimeoFirst");
        QTest::addColumn<QString>("shown");
        QTest::newRow("YouTube") << 0 << false << kYoutube;
        QTest::newRow("Vimeo") << 2 << false << kVimeo;
        QTest::newRow("unknown code means Vimeo") << 7 << false << kVimeo;
        QTest::newRow("Dailymotion has no entry") << 1 << false << QString();
        QTest::newRow("last site: YouTube first") << 3 << false << kYoutube;
        QTest::newRow("last site: Vimeo first") << 3 << true << kVimeo;
    }
    void opensTheAskedSite()
    {
        QFETCH(int, code);
        QFETCH(bool, vimeoFirst);
        QFETCH(QString, shown);
        site(kVimeo)->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        if (vimeoFirst)
            Youtube::instance()->moveSiteAccountToFront(1);
        CUxDlLog dialog(nullptr, code);
        dialog.show();
        QCOMPARE(shownHost(dialog), shown);
        if (shown.isEmpty()) {
            // Nothing to choose: "OK" closes the dialog.
            QCOMPARE(dialog.accountCombo()->currentText(), QString());
            QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
            QVERIFY(dialog.okButton()->isEnabled());
            return;
        }
        // A site without accounts asks for one.
        QCOMPARE(dialog.okButton()->text(), shown == kVimeo ? QStringLiteral("OK") : QStringLiteral("Insert"));
        QWidget* holder = dialog.tabHolder(shown == kYoutube ? 0 : 2);
        QCOMPARE(dialog.chosenBg()->pos(), holder->pos());
        if (shown == kVimeo) {
            QCOMPARE(dialog.accountCombo()->currentText(), QStringLiteral("v1"));
            QCOMPARE(dialog.passwordEdit()->text(), QStringLiteral("pv"));
            QVERIFY(dialog.okButton()->isEnabled());
        }
    }

    void tabClickSlidesToTheSite()
    {
        site(kVimeo)->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        CUxDlLog dialog(nullptr, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* vimeoTab = dialog.findChild<CUxTextBesideBtn*>(QStringLiteral("btnVimeo"));
        QTest::mouseClick(vimeoTab, Qt::LeftButton, {}, vimeoTab->hitRect().center());
        QTRY_COMPARE(shownHost(dialog), kVimeo);
        QCOMPARE(dialog.chosenBg()->pos(), dialog.tabHolder(2)->pos());
        QCOMPARE(dialog.accountCombo()->currentText(), QStringLiteral("v1"));
        dialog.close();
    }

    void modesFollowTheTyping()
    {
        SiteAccount* yt = site(kYoutube);
        yt->addAccount(QStringLiteral("alice"), QStringLiteral("pa"));
        yt->addAccount(QStringLiteral("bob"), QStringLiteral("pb"));
        CUxDlLog dialog(nullptr, 0);
        dialog.show();
        QLineEdit* name = dialog.accountCombo()->lineEdit();
        QLineEdit* pw = dialog.passwordEdit();
        QPushButton* ok = dialog.okButton();
        QCOMPARE(name->text(), QStringLiteral("bob"));
        QCOMPARE(pw->text(), QStringLiteral("pb"));

        typeInto(name, QStringLiteral("alice"));
        QCOMPARE(pw->text(), QStringLiteral("pa"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isEnabled());

        QTest::keyClick(pw, Qt::Key_Backspace);
        QTest::keyClick(pw, Qt::Key_X);
        QCOMPARE(ok->text(), QStringLiteral("Modify"));
        QVERIFY(ok->isEnabled());

        typeInto(name, QStringLiteral("carol"));
        QCOMPARE(pw->text(), QString());
        QCOMPARE(ok->text(), QStringLiteral("Insert"));
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(pw, QStringLiteral("pc"));
        QCOMPARE(ok->text(), QStringLiteral("Insert"));
        QVERIFY(ok->isEnabled());

        typeInto(name, QString());
        QCOMPARE(ok->text(), QStringLiteral("Insert"));
        QVERIFY(!ok->isEnabled());
        dialog.close();
    }

    void twentyAccountsAndNoMore()
    {
        SiteAccount* yt = site(kYoutube);
        for (int i = 0; i < 19; ++i)
            yt->addAccount(QStringLiteral("user%1").arg(i), QStringLiteral("p"));
        CUxDlLog dialog(nullptr, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* name = dialog.accountCombo()->lineEdit();
        typeInto(name, QStringLiteral("twentieth"));
        QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("p20"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(yt->accountNames().size(), 20);
        QCOMPARE(yt->accountNames().first(), QStringLiteral("twentieth"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.accountList()->count(), 20);
        QCOMPARE(row(dialog, 0)->name(), QStringLiteral("twentieth"));
        QCOMPARE(dialog.accountCombo()->currentIndex(), 0);

        typeInto(name, QStringLiteral("twentyfirst"));
        QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("p21"));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(yt->accountNames().size(), 20);
        QVERIFY(!yt->accountNames().contains(QStringLiteral("twentyfirst")));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("Insert"));
        QCOMPARE(dialog.accountList()->count(), 20);
        QWidget* shown = balloon(&dialog);
        QVERIFY(shown);
        QCOMPARE(static_cast<CToolTipText*>(shown)->text(), QStringLiteral("error more than 20."));
        QCOMPARE(static_cast<CToolTipText*>(shown)->textColor(), QColor(QStringLiteral("#919499")));
        QTRY_VERIFY_WITH_TIMEOUT(balloon(&dialog) == nullptr, 10000);
        QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
        // The file holds the twenty.
        AccountTrusteeship reread(apPath());
        QCOMPARE(reread.sites()->at(0)->accountNames().size(), 20);
        dialog.close();
    }

    void modifyKeepsTheCountAndGoesFirst()
    {
        SiteAccount* yt = site(kYoutube);
        for (const char* n : {"a", "b", "c"})
            yt->addAccount(QLatin1String(n), QStringLiteral("old"));
        CUxDlLog dialog(nullptr, 0);
        dialog.show();
        typeInto(dialog.accountCombo()->lineEdit(), QStringLiteral("a"));
        typeInto(dialog.passwordEdit(), QStringLiteral("new"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("Modify"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(yt->accountNames(), (QStringList{"a", "c", "b"}));
        QString a = QStringLiteral("a");
        QCOMPARE(yt->password(a), QStringLiteral("new"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        // The rows follow the store's new order, so a removal by row takes
        // the account the row shows.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(row(dialog, i)->name(), yt->accountNames().at(i));
        dialog.close();
    }

    void removalFromTheOpenPopup()
    {
        SiteAccount* yt = site(kYoutube);
        for (const char* n : {"a", "b", "c"})
            yt->addAccount(QLatin1String(n), QStringLiteral("p") + QLatin1String(n));
        CUxDlLog dialog(nullptr, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.accountCombo()->currentText(), QStringLiteral("c"));
        dialog.accountCombo()->showPopup();
        QTRY_VERIFY(dialog.accountList()->isVisible());
        QTest::mouseClick(row(dialog, 0)->removeButton(), Qt::LeftButton);
        QCOMPARE(yt->accountNames(), (QStringList{"b", "a"}));
        QVERIFY(dialog.accountList()->isVisible());
        QCOMPARE(dialog.accountList()->count(), 2);
        const int current = dialog.accountCombo()->currentIndex();
        QVERIFY(current >= 0);
        QCOMPARE(dialog.accountCombo()->currentText(), yt->accountNames().at(current));
        QString shown = dialog.accountCombo()->currentText();
        QCOMPARE(dialog.passwordEdit()->text(), yt->password(shown));
        QCOMPARE(row(dialog, 1)->index(), 1);
        // A click on a row shows it and closes the popup.
        QTest::mouseClick(row(dialog, 1), Qt::LeftButton);
        QCOMPARE(dialog.accountCombo()->currentText(), QStringLiteral("a"));
        QCOMPARE(dialog.passwordEdit()->text(), QStringLiteral("pa"));
        QTRY_VERIFY(!dialog.accountList()->isVisible());
        dialog.close();
    }

    void okConfirmsAndPutsTheSiteFirst()
    {
        site(kVimeo)->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        site(kVimeo)->addAccount(QStringLiteral("v2"), QStringLiteral("pw2"));
        {
            CUxDlLog dialog(nullptr, 2);
            DialogAnswerer answerer;
            answerer.run("CUxDlLog", [](QWidget* d) {
                auto* log = static_cast<CUxDlLog*>(d);
                typeInto(log->accountCombo()->lineEdit(), QStringLiteral("v1"));
                QCOMPARE(log->okButton()->text(), QStringLiteral("OK"));
                QTest::mouseClick(log->okButton(), Qt::LeftButton);
            });
            QCOMPARE(dialog.exec(), 0);
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(sites().first()->website(), kVimeo);
        QCOMPARE(site(kVimeo)->firstAccount().name, QStringLiteral("v1"));
        QCOMPARE(Youtube::instance()->loginSite(QStringLiteral("https://vimeo.com/9")), kVimeo);
        // The next opening for "the last site" shows Vimeo.
        CUxDlLog next(nullptr, 3);
        QCOMPARE(shownHost(next), kVimeo);
        // The new order lives in memory only; the current account was saved.
        AccountTrusteeship reread(apPath());
        QCOMPARE(reread.sites()->first()->website(), kYoutube);
        QCOMPARE(reread.sites()->at(1)->firstAccount().name, QStringLiteral("v1"));
    }

    void okWithNoSiteChangesNothing()
    {
        site(kYoutube)->addAccount(QStringLiteral("y"), QStringLiteral("py"));
        AccountTrusteeship before(apPath());
        const QByteArray stored = before.serialized();
        CUxDlLog dialog(nullptr, 1);
        DialogAnswerer answerer;
        answerer.run("CUxDlLog", [](QWidget* d) {
            auto* log = static_cast<CUxDlLog*>(d);
            // Something typed: the button keeps "OK" and is enabled.
            QTest::keyClicks(log->accountCombo()->lineEdit(), QStringLiteral("someone"));
            QCOMPARE(log->okButton()->text(), QStringLiteral("OK"));
            QVERIFY(log->okButton()->isEnabled());
            QTest::mouseClick(log->okButton(), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(sites().first()->website(), kYoutube);
        QCOMPARE(AccountTrusteeship(apPath()).serialized(), stored);
    }

    void cancelAndCloseKeepTheChanges_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Cancel") << "btn_cancel";
        QTest::newRow("close") << "btnClose";
    }
    void cancelAndCloseKeepTheChanges()
    {
        QFETCH(QString, button);
        site(kYoutube)->addAccount(QStringLiteral("gone"), QStringLiteral("pg"));
        CUxDlLog dialog(nullptr, 0);
        DialogAnswerer answerer;
        answerer.run("CUxDlLog", [button](QWidget* d) {
            auto* log = static_cast<CUxDlLog*>(d);
            typeInto(log->accountCombo()->lineEdit(), QStringLiteral("added"));
            QTest::keyClicks(log->passwordEdit(), QStringLiteral("pa"));
            QTest::mouseClick(log->okButton(), Qt::LeftButton);
            QCOMPARE(log->okButton()->text(), QStringLiteral("OK"));
            // "gone" is the second row now.
            log->accountCombo()->showPopup();
            QTest::mouseClick(row(*log, 1)->removeButton(), Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(answerer.allAnswered());
        AccountTrusteeship reread(apPath());
        QCOMPARE(reread.sites()->at(0)->accountNames(), QStringList{"added"});
    }

    void styleTemplateFollowsTheScale()
    {
        CUxDlLog dialog(nullptr, 0);
        QVERIFY(dialog.styleTemplate().contains(QStringLiteral("width:%1px;height:%2px;right:%3px;top:%4px;")));
        QVERIFY(dialog.styleSheet().contains(QStringLiteral("width:%1px;height:%2px;right:%3px;top:%4px;")
                                                 .arg(UIBaseData::scaled(17))
                                                 .arg(UIBaseData::scaled(10))
                                                 .arg(UIBaseData::scaled(11))
                                                 .arg(UIBaseData::scaled(8))));
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("btnDaiWidget"))->isVisibleTo(&dialog));
        QCOMPARE(dialog.findChild<CUxTextBesideBtn*>(QStringLiteral("btnYtb"))->text(), QStringLiteral("YouTube"));
    }
};

QTEST_MAIN(TestUxDlLog)
#include "tst_uxdllog.moc"

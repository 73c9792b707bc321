// The account name and password that go with every analysis, on a real
// settings file.

#include "DialogAnswerer.h"
#include "gui/accounts/YoutubeAccount.h"
#include "shell/SettingsStore.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray configBytes()
{
    QFile f(SettingsStore::instance()->configDir() + QStringLiteral("/config.ini"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestYoutubeAccount : public QObject
{
    Q_OBJECT
    QWidget m_owner;

private slots:
    void storedValues_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("has");
        QTest::newRow("name and password") << "alice" << "secret" << true;
        QTest::newRow("name without password") << "alice" << "" << false;
        QTest::newRow("nothing") << "" << "" << false;
    }
    void storedValues()
    {
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(bool, has);
        SettingsStore::instance()->setValue(QStringLiteral("youtube/account"), account);
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), password);
        // The caches load once: the dialog's OK writes both, which is how
        // the program changes them.
        YoutubeAccount* dialog = YoutubeAccount::instance(&m_owner);
        DialogAnswerer answerer;
        answerer.run("YoutubeAccount", [](QWidget* d) { button(d, "btn_cancel")->click(); });
        QCOMPARE(dialog->exec(), -1);
        QCOMPARE(dialog->accountEdit()->text(), account);
        QCOMPARE(dialog->passwordEdit()->text(), password);
        if (!account.isEmpty() && !password.isEmpty()) {
            answerer.run("YoutubeAccount", [](QWidget* d) { button(d, "btn_Ok")->click(); });
            QCOMPARE(dialog->exec(), 0);
            QCOMPARE(YoutubeAccount::account(), account);
            QCOMPARE(YoutubeAccount::password(), password);
        }
        if (!has) {
            YoutubeAccount::clearPassword();
            QVERIFY(!YoutubeAccount::hasAccount());
        } else {
            QVERIFY(YoutubeAccount::hasAccount());
        }
        QVERIFY(answerer.allAnswered());
    }

    void dialogRuns_data()
    {
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<QString>("how");  // the way the dialog is ended
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("passwordAfter");
        QTest::addColumn<QString>("storedAfter");

        QTest::newRow("stored password shown, OK stores the new one")
            << "old-pass" << "new-pass" << "btn_Ok" << 0 << "new-pass" << "new-pass";
        QTest::newRow("none stored: the typed one stays in memory")
            << "" << "typed-pass" << "btn_Ok" << 0 << "typed-pass" << "";
        QTest::newRow("Analyze acts as OK") << "" << "an-pass" << "btn_analyse" << 0 << "an-pass" << "";
        QTest::newRow("keypad Enter acts as Analyze") << "" << "enter-pass" << "Enter" << 0 << "enter-pass" << "";
        QTest::newRow("Return in the name field") << "" << "ret-pass" << "Return" << 0 << "ret-pass" << "";
        QTest::newRow("Cancel keeps everything") << "kept" << "changed" << "btn_cancel" << -1 << "kept" << "kept";
    }
    void dialogRuns()
    {
        QFETCH(QString, storedPassword);
        QFETCH(QString, typedPassword);
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(QString, passwordAfter);
        QFETCH(QString, storedAfter);

        // Known state: name "bob", the stored password as given, in cache too.
        SettingsStore::instance()->setValue(QStringLiteral("youtube/account"), QStringLiteral("bob"));
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), storedPassword);
        YoutubeAccount::clearPassword();
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), storedPassword);

        YoutubeAccount* dialog = YoutubeAccount::instance(&m_owner);
        bool rememberShown = true;
        bool rememberChecked = false;
        QString shownPassword;
        DialogAnswerer answerer;
        answerer.run("YoutubeAccount", [&](QWidget* d) {
            auto* remember = d->findChild<QPushButton*>(QStringLiteral("check_remember"));
            rememberShown = remember->isVisible();
            rememberChecked = remember->isChecked();
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("edit_account"));
            auto* pw = d->findChild<QLineEdit*>(QStringLiteral("edit_password"));
            shownPassword = pw->text();
            pw->clear();
            QTest::keyClicks(pw, typedPassword);
            if (how == QLatin1String("Enter"))
                QTest::keyClick(d, Qt::Key_Enter);
            else if (how == QLatin1String("Return"))
                QTest::keyClick(name, Qt::Key_Return);
            else
                button(d, qPrintable(how))->click();
        });
        QCOMPARE(dialog->exec(), result);
        QVERIFY(answerer.allAnswered());
        QVERIFY(!rememberShown);
        QCOMPARE(rememberChecked, !storedPassword.isEmpty());
        QCOMPARE(shownPassword, storedPassword);
        QCOMPARE(YoutubeAccount::account(), QStringLiteral("bob"));
        QCOMPARE(YoutubeAccount::password(), passwordAfter);
        QCOMPARE(SettingsStore::instance()->encryptedValue(QStringLiteral("youtube/pw")), storedAfter);
        // Never in the clear in the file.
        const QByteArray file = configBytes();
        QVERIFY(!file.isEmpty());
        QVERIFY(!file.contains(typedPassword.toUtf8()));
        QVERIFY(!file.contains(storedPassword.isEmpty() ? QByteArray("\x01") : storedPassword.toUtf8()));
    }

    void returnWithoutPasswordDoesNothing()
    {
        YoutubeAccount* dialog = YoutubeAccount::instance(&m_owner);
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), QString());
        bool stillOpen = false;
        DialogAnswerer answerer;
        answerer.run("YoutubeAccount", [&](QWidget* d) {
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("edit_account"));
            QVERIFY(!button(d, "btn_Ok")->isEnabled());
            QVERIFY(!button(d, "btn_analyse")->isEnabled());
            QTest::keyClick(name, Qt::Key_Return);
            QTest::keyClick(d, Qt::Key_Enter);
            stillOpen = d->isVisible();
            button(d, "btn_cancel")->click();
        });
        QCOMPARE(dialog->exec(), -1);
        QVERIFY(stillOpen);
    }

    void ownersShareOneAccount()
    {
        QWidget other;
        YoutubeAccount* mine = YoutubeAccount::instance(&m_owner);
        YoutubeAccount* theirs = YoutubeAccount::instance(&other);
        QVERIFY(mine != theirs);
        QCOMPARE(YoutubeAccount::instance(&m_owner), mine);
        QCOMPARE(theirs->parentWidget(), &other);
        DialogAnswerer answerer;
        answerer.run("YoutubeAccount", [](QWidget* d) {
            auto* pw = d->findChild<QLineEdit*>(QStringLiteral("edit_password"));
            pw->setText(QStringLiteral("shared"));
            button(d, "btn_Ok")->click();
        });
        QCOMPARE(theirs->exec(), 0);
        QCOMPARE(YoutubeAccount::password(), QStringLiteral("shared"));
        QCOMPARE(YoutubeAccount::account(), QStringLiteral("bob"));
    }

    void ownerAfterADeletedOneGetsALiveDialog()
    {
        for (int round = 0; round < 20; ++round) {
            auto* owner = new QWidget;
            YoutubeAccount* dialog = YoutubeAccount::instance(owner);
            QCOMPARE(dialog->parentWidget(), owner);
            QPointer<YoutubeAccount> watch(dialog);
            delete owner;
            QVERIFY(watch.isNull());
            // Likely at the same address as the deleted owner.
            auto* next = new QWidget;
            YoutubeAccount* fresh = YoutubeAccount::instance(next);
            QCOMPARE(fresh->parentWidget(), next);
            QVERIFY(fresh->accountEdit() != nullptr);
            fresh->accountEdit()->setText(QStringLiteral("x"));
            delete next;
        }
    }
};

QTEST_MAIN(TestYoutubeAccount)
#include "tst_youtubeaccount.moc"

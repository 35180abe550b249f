#include "chpassfixture.h"
#include "logintestfixture.h"
#include "testmain.h"
#include "users/frmchpass.h"
#include "users/useraccounts.h"

#include <QSignalSpy>
#include <QTimer>

using namespace Quillet;

class ChPassTest : public QObject {
    Q_OBJECT

private slots:
    void rules_refuseAndWriteNothing_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QStringList>("lines");
        const QString l1 = "# Password must have atleast 5 letters";
        const QString l2 = "# The passwords you typed do not match. Please retype";
        QTest::newRow("four characters") << "abcd"
                                         << "abcd" << QStringList{l1};
        QTest::newRow("cases differ") << "Abcde"
                                      << "abcde" << QStringList{l2};
        QTest::newRow("short and different") << "abc"
                                             << "abd" << QStringList{l1, l2};
    }
    void rules_refuseAndWriteNothing()
    {
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QStringList, lines);
        ChangePasswordFixture f;
        auto& [t, accounts, dialog, finished] = f;
        dialog.findChild<QLineEdit*>("txtPassword")->setText(password);
        dialog.findChild<QLineEdit*>("txtConfirm")->setText(confirm);
        dialog.Command1_Click();

        QCOMPARE(t.dialogs.messages.size(), 1);
        QCOMPARE(t.dialogs.messages.first().text,
                 "Due to the below errors, change of password has failed!\r\n\r\n" +
                     lines.join("\r\n") + "\r\n\r\nPress HELP for more info");
        QCOMPARE(t.dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(t.dialogs.messages.first().title, "quillet");
        QCOMPARE(finished.count(), 0);
        QVERIFY(accounts.passwordMatches("ann", "oldpass"));
    }

    void fiveCharacters_areAccepted_andLoginUsesTheNewPassword()
    {
        LoginFixture f;
        UserAccounts accounts(f.t.settings, f.t.state.settingsRoot);
        accounts.createUser("Ann", "oldpass");
        f.t.state.currentUser = "ann";

        frmChPass dialog(f.t.context);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QLineEdit*>("txtPassword")->setText("NewPw");
            dialog.findChild<QLineEdit*>("txtConfirm")->setText("NewPw");
            QTest::keyClick(dialog.findChild<QLineEdit*>("txtConfirm"), Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(f.t.dialogs.messages.last().text, "Password Change Successful!");
        QCOMPARE(f.t.dialogs.messages.last().icon, MessageIcon::Information);

        f.type("ann", "oldpass");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text, "Wrong password");
        f.type("ANN", "nEWpW");
        f.login()->cmdOK_Click();
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
    }

    void settingsCannotBeWritten_isReported_andTheWindowStays()
    {
        ChangePasswordFixture f;
        auto& [t, accounts, dialog, finished] = f;
        QVERIFY(t.makeSettingsUnwritable());
        dialog.findChild<QLineEdit*>("txtPassword")->setText("newpass");
        dialog.findChild<QLineEdit*>("txtConfirm")->setText("newpass");
        dialog.Command1_Click();

        QCOMPARE(t.dialogs.messages.size(), 1);
        QCOMPARE(t.dialogs.messages.first().text,
                 "Due to the below errors, change of password has failed!\r\n\r\n"
                 "# The settings file cannot be written\r\n\r\nPress HELP for more info");
        QCOMPARE(t.dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(finished.count(), 0);
        QVERIFY(accounts.passwordMatches("ann", "oldpass"));
    }

    void cancel_writesNothing()
    {
        ChangePasswordFixture f;
        auto& [t, accounts, dialog, finished] = f;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QLineEdit*>("txtPassword")->setText("another");
            dialog.findChild<QLineEdit*>("txtConfirm")->setText("another");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(t.dialogs.messages.isEmpty());
        QVERIFY(accounts.passwordMatches("ann", "oldpass"));
    }
};

QUILLET_TEST_MAIN(ChPassTest)
#include "tst_chpass.moc"

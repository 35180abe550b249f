#include "chpassfixture.h"
#include "logintestfixture.h"
#include "testmain.h"
#include "users/frmchpass.h"
#include "users/useraccounts.h"

#include <QApplication>
#include <QSignalSpy>

using namespace Quillet;

namespace {

// Tab from the focused control until the named one has the focus, as a user would.
bool tabTo(QWidget* window, const char* name)
{
    const QWidget* target = window->findChild<QWidget*>(name);
    for (int presses = 0; presses < 10 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return target && QApplication::focusWidget() == target;
}

// What the user sees after Enter on the named control of the login window.
QString enterInLogin(bool addUserMode, const char* control)
{
    LoginFixture f;
    if (addUserMode)
        f.login()->cmdAddUser_Click();
    f.type("zed", "secret1", "secret1");
    f.t.dialogs.answers.enqueue(MessageAnswer::No);
    if (!QTest::qWaitForWindowActive(f.login()))
        return "the window is not active";
    f.box("txtUser")->setFocus();
    if (!tabTo(f.login(), control))
        return "Tab does not reach it";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    if (!f.t.dialogs.messages.isEmpty())
        return "message: " + f.t.dialogs.messages.last().text;
    if (f.windows.programEnded())
        return "program ends";
    if (!f.t.help.topics.isEmpty())
        return "help opens";
    return f.login()->mode() == frmLogin::Mode::AddUser ? "add-user mode" : "login mode";
}

// What the user sees after Enter on the named control of the password change.
QString enterInPasswordChange(const char* control)
{
    ChangePasswordFixture f;
    auto& [t, accounts, dialog, finished] = f;
    dialog.findChild<QLineEdit*>("txtPassword")->setText("newpass");
    dialog.findChild<QLineEdit*>("txtConfirm")->setText("newpass");
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog))
        return "the window is not active";
    dialog.findChild<QLineEdit*>("txtPassword")->setFocus();
    if (!tabTo(&dialog, control))
        return "Tab does not reach it";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    if (!t.dialogs.messages.isEmpty())
        return "message: " + t.dialogs.messages.last().text;
    if (finished.count() == 0)
        return "still open";
    return accounts.passwordMatches("ann", "oldpass") ? "closed, old password kept"
                                                      : "closed, password changed";
}

const QString kNotFound = "message: Username not found.\rDo you want to create a new user?";

} // namespace

class DialogInputTest : public QObject {
    Q_OBJECT

private slots:
    void enter_pressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("login: name box") << "login" << QByteArray("txtUser") << kNotFound;
        QTest::newRow("login: OK") << "login" << QByteArray("cmdOK") << kNotFound;
        QTest::newRow("login: Cancel") << "login" << QByteArray("cmdCancel") << "program ends";
        QTest::newRow("login: Help") << "login" << QByteArray("cmdHelp") << "help opens";
        QTest::newRow("login: Add User") << "login" << QByteArray("cmdAddUser") << "add-user mode";
        QTest::newRow("add user: confirmation box")
            << "add user" << QByteArray("txtConfirm") << "message: User Registration Success!";
        QTest::newRow("add user: OK")
            << "add user" << QByteArray("cmdOK") << "message: User Registration Success!";
        QTest::newRow("add user: Cancel") << "add user" << QByteArray("cmdCancel") << "login mode";
        QTest::newRow("add user: Help") << "add user" << QByteArray("cmdHelp") << "help opens";
        QTest::newRow("password change: confirmation box")
            << "password change" << QByteArray("txtConfirm")
            << "message: Password Change Successful!";
        QTest::newRow("password change: Ok") << "password change" << QByteArray("Command1")
                                             << "message: Password Change Successful!";
        QTest::newRow("password change: Cancel")
            << "password change" << QByteArray("Command2") << "closed, old password kept";
    }
    void enter_pressesTheFocusedButton()
    {
        QFETCH(QString, dialog);
        QFETCH(QByteArray, control);
        QFETCH(QString, outcome);
        QCOMPARE(dialog == "password change" ? enterInPasswordChange(control.constData())
                                             : enterInLogin(dialog == "add user", control),
                 outcome);
    }

    void enter_inABoxAfterLeavingCancel_pressesOk()
    {
        LoginFixture f;
        f.type("zed", "secret1");
        f.t.dialogs.answers.enqueue(MessageAnswer::No);
        QVERIFY(QTest::qWaitForWindowActive(f.login()));
        f.box("txtUser")->setFocus();
        QVERIFY(tabTo(f.login(), "cmdCancel"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.box("txtPassword"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE("message: " + f.t.dialogs.messages.first().text, kNotFound);
    }

    void passwordBoxes_showAnAsteriskPerCharacter_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QByteArray>("box");
        QTest::newRow("login: password") << "login" << QByteArray("txtPassword");
        QTest::newRow("login: confirmation") << "login" << QByteArray("txtConfirm");
        QTest::newRow("password change: password")
            << "password change" << QByteArray("txtPassword");
        QTest::newRow("password change: confirmation")
            << "password change" << QByteArray("txtConfirm");
    }
    void passwordBoxes_showAnAsteriskPerCharacter()
    {
        QFETCH(QString, dialog);
        QFETCH(QByteArray, box);
        LoginFixture f;
        frmChPass change(f.t.context);
        QWidget* window = dialog == "login" ? static_cast<QWidget*>(f.login()) : &change;
        auto* edit = window->findChild<QLineEdit*>(box.constData());
        edit->setText("pass wörd");
        QCOMPARE(edit->displayText(), "*********");
    }
};

QUILLET_TEST_MAIN(DialogInputTest)
#include "tst_dialoginput.moc"

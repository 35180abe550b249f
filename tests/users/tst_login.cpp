#include "logintestfixture.h"
#include "startup/scrambler.h"
#include "testmain.h"
#include "users/useraccounts.h"

#include <QLabel>

using namespace Quillet;

namespace {

QStringList labelTexts(frmLogin* login)
{
    QStringList texts;
    for (const QLabel* label : login->findChildren<QLabel*>())
        if (label->isVisibleTo(login) && !label->text().isEmpty())
            texts << label->text();
    return texts;
}

const QString kFailureHeading =
    QStringLiteral("Due to the below errors, registration of user name has failed!");

} // namespace

class LoginTest : public QObject {
    Q_OBJECT

private slots:
    void firstRun_explains_marks_andEntersAddUserMode()
    {
        LoginFixture f(true);
        QVERIFY(f.login()->isVisible());
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        const auto& shown = f.t.dialogs.messages.first();
        QCOMPARE(shown.title, "quillet");
        QCOMPARE(shown.text, "You are running Quillet for the first time!\rType in a username and "
                             "password for accessing Quillet\r\rClick the 'Help' button for more "
                             "information");
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.icon, MessageIcon::Information);
        QVERIFY(f.t.state.firstRun);
        QVERIFY(f.button("cmdHelp")->font().bold());
        QCOMPARE(f.t.settings.ReadValue(f.t.root("Switch"), "Value"), "yes");
        QCOMPARE(f.login()->mode(), frmLogin::Mode::AddUser);
        QCOMPARE(f.login()->windowTitle(), "Login - Add User");
        QCOMPARE(labelTexts(f.login()),
                 (QStringList{"Please enter a user name :", "Please enter a password  :",
                              "Please Confirm Password :"}));
        QVERIFY(!f.button("cmdAddUser")->isEnabled());

        f.login()->cmdCancel_Click();
        QCOMPARE(f.login()->windowTitle(), "Login");
        QCOMPARE(labelTexts(f.login()), (QStringList{"Username :", "Password  :"}));
        QVERIFY(f.button("cmdAddUser")->isEnabled());
        QVERIFY(!f.windows.programEnded());

        f.login()->cmdCancel_Click();
        QVERIFY(f.windows.programEnded());

        LoginFixture secondStart(false);
        QVERIFY(secondStart.t.dialogs.messages.isEmpty());
        QVERIFY(!secondStart.t.state.firstRun);
        QCOMPARE(secondStart.login()->mode(), frmLogin::Mode::Login);
        QCOMPARE(labelTexts(secondStart.login()), (QStringList{"&User name :", "&Password :"}));
    }

    void addUser_failedRules_areListedInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QStringList>("lines");
        const QString l1 = "# User name should have atleast 2 letters";
        const QString l2 = "# Username already exist. Please use another name";
        const QString l3 = "# The symbols \\ / : ? \" < > | cannot be used in a UserName";
        const QString l4 = "# Password must have atleast 5 letters";
        const QString l5 = "# The passwords you typed do not match. Please retype";
        const QString unsafe = "# User name cannot be . or .. or contain control characters";
        const QString blank = "# User name cannot begin or end with a blank";
        const QString tooLong = "# User name can have at most 64 letters";
        QTest::newRow("one colon, short, different") << ":"
                                                     << "abcd"
                                                     << "abce" << QStringList{l1, l3, l4, l5};
        QTest::newRow("exists in other case") << "bob"
                                              << "secret"
                                              << "secret" << QStringList{l2};
        QTest::newRow("empty everything") << ""
                                          << ""
                                          << "" << QStringList{l1, l4};
        QTest::newRow("every symbol") << "a\\/:?\"<>|"
                                      << "secret"
                                      << "secret" << QStringList{l3};
        QTest::newRow("confirmation differs in case") << "carol"
                                                      << "Secret1"
                                                      << "secret1" << QStringList{l5};
        QTest::newRow("dot dot") << ".."
                                 << "secret"
                                 << "secret" << QStringList{unsafe};
        QTest::newRow("control character") << "a\tb"
                                           << "secret"
                                           << "secret" << QStringList{unsafe};
        QTest::newRow("leading blank") << " ann"
                                       << "secret"
                                       << "secret" << QStringList{blank};
        QTest::newRow("trailing blank") << "ann "
                                        << "secret"
                                        << "secret" << QStringList{blank};
        QTest::newRow("trailing no-break space") << QString::fromUtf8("ann\u00a0") << "secret"
                                                 << "secret" << QStringList{blank};
        QTest::newRow("65 letters") << QString(65, 'a') << "secret"
                                    << "secret" << QStringList{tooLong};
        QTest::newRow("every name rule after the password rules")
            << " :" + QString(64, 'x') << "abc"
            << "abd" << QStringList{l3, l4, l5, blank, tooLong};
    }
    void addUser_failedRules_areListedInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QStringList, lines);
        LoginFixture f(true);
        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser("Bob", "secret1");
        f.t.dialogs.messages.clear();

        f.type(name, password, confirm);
        f.login()->cmdOK_Click();

        QCOMPARE(f.t.dialogs.messages.size(), 1);
        const auto& shown = f.t.dialogs.messages.first();
        QCOMPARE(shown.text, kFailureHeading + "\r\n\r\n" + lines.join("\r\n") +
                                 "\r\n\r\nPress HELP for more info");
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.title, "quillet");
        QCOMPARE(f.login()->mode(), frmLogin::Mode::AddUser);
        QCOMPARE(f.box("txtUser")->text(), name);
        const UserAccounts accounts(f.t.settings, f.t.state.settingsRoot);
        if (name.compare("bob", Qt::CaseInsensitive) != 0)
            QVERIFY(!accounts.UserExists(name));
        QVERIFY(accounts.passwordMatches("Bob", "secret1"));
    }

    void addUser_bob_storesRecord_andHandsOver()
    {
        LoginFixture f(true);
        f.type("Bob", "Secret1", "Secret1");
        f.login()->cmdOK_Click();

        QCOMPARE(f.t.dialogs.messages.last().text, "User Registration Success!");
        QCOMPARE(f.t.dialogs.messages.last().icon, MessageIcon::Information);
        const QString key = "Software\\Quillet\\Users\\Bob";
        QCOMPARE(f.t.registry.queryValue(RootKey::CurrentUser, key, "UserName"),
                 std::optional<QByteArray>("bob"));
        QCOMPARE(f.t.registry.queryValue(RootKey::CurrentUser, key, "Password"),
                 std::optional<QByteArray>(Scramble("secret1", TORVA)));
        QCOMPARE(
            f.t.registry.queryValue(RootKey::CurrentUser, "Software\\Quillet\\Switch", "Value"),
            std::optional<QByteArray>("yes"));
        QCOMPARE(f.t.state.currentUser, "bob");
        QVERIFY(f.t.state.newUser);
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
        QVERIFY(f.windows.window(WindowId::Splash)->isVisible());

        QTest::mouseClick(f.windows.window(WindowId::Splash), Qt::LeftButton);
        QVERIFY(!f.windows.isLoaded(WindowId::Splash));
        QVERIFY(f.windows.window(WindowId::Main)->isVisible());
        QVERIFY(!f.windows.programEnded());
    }

    void addUser_nameWithAsterisk_isAccepted()
    {
        LoginFixture f(true);
        f.type("star*", "secret", "secret");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text, "User Registration Success!");
        QCOMPARE(f.t.state.currentUser, "star*");
    }

    void addUser_longestAndInnerBlankNames_logInAgain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("64 letters") << QString(64, 'a');
        QTest::newRow("blank inside") << "ann marie";
    }
    void addUser_longestAndInnerBlankNames_logInAgain()
    {
        QFETCH(QString, name);
        LoginFixture f(true);
        f.type(name, "secret", "secret");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text, "User Registration Success!");
        f.t.dialogs.messages.clear();

        f.windows.showWindow(WindowId::Login);
        f.type(name, "secret");
        f.login()->cmdOK_Click();
        QVERIFY(f.t.dialogs.messages.isEmpty());
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
        QCOMPARE(f.t.state.currentUser, name);
    }

    // Settings keys match after case folding: these names share one user record.
    void addUser_nameThatFoldsLikeAnExistingOne_alreadyExists_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Greek capitals, then small letters with final sigma")
            << QString::fromUtf8("ΝΊΚΟΣ") << QString::fromUtf8("Νίκος");
        QTest::newRow("micro sign, then Greek mu")
            << QString::fromUtf8("\u00b5ark") << QString::fromUtf8("\u03bcark");
        QTest::newRow("Greek mu, then micro sign")
            << QString::fromUtf8("\u03bcark") << QString::fromUtf8("\u00b5ARK");
    }
    void addUser_nameThatFoldsLikeAnExistingOne_alreadyExists()
    {
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        LoginFixture f(true);
        f.type(existing, "first1", "first1");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text, "User Registration Success!");

        f.windows.showWindow(WindowId::Login);
        f.login()->cmdAddUser_Click();
        f.type(typed, "second", "second");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text,
                 kFailureHeading +
                     "\r\n\r\n# Username already exist. Please use another name\r\n\r\n"
                     "Press HELP for more info");
        QCOMPARE(f.t.settings.ReadValue(f.t.root("Users\\" + existing), "UserName"),
                 existing.toLower());

        f.login()->cmdCancel_Click();
        f.type(typed, "second");
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.last().text, "Wrong password");
        f.type(typed, "first1");
        f.login()->cmdOK_Click();
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
        QCOMPARE(f.t.state.currentUser, existing.toLower());
    }

    // The page folder and the owner mark follow the current user's name: it must not depend
    // on how the name was typed.
    void login_nameTypedAnotherWay_isTheNameAsStored_data()
    {
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("current");
        QTest::newRow("final sigma") << QString::fromUtf8("ΝΊΚΟΣ") << QString::fromUtf8("Νίκος")
                                     << QString::fromUtf8("νίκοσ");
        QTest::newRow("Greek mu for the micro sign")
            << QString::fromUtf8("\u00b5ark") << QString::fromUtf8("\u03bcARK")
            << QString::fromUtf8("\u00b5ark");
    }
    void login_nameTypedAnotherWay_isTheNameAsStored()
    {
        QFETCH(QString, created);
        QFETCH(QString, typed);
        QFETCH(QString, current);
        LoginFixture f;
        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser(created, "secret1");
        f.type(typed, "secret1");
        f.login()->cmdOK_Click();
        QVERIFY(f.t.dialogs.messages.isEmpty());
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
        QCOMPARE(f.t.state.currentUser, current);
    }

    void addUser_settingsCannotBeWritten_isReported_andNoUserIsCreated()
    {
        LoginFixture f(true);
        f.t.dialogs.messages.clear();
        QVERIFY(f.t.makeSettingsUnwritable());
        f.type("ann", "secret", "secret");
        f.login()->cmdOK_Click();

        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages.first().text,
                 kFailureHeading + "\r\n\r\n# The settings file cannot be written\r\n\r\n"
                                   "Press HELP for more info");
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::Critical);
        QVERIFY(f.login()->isVisible());
        QCOMPARE(f.login()->mode(), frmLogin::Mode::AddUser);
        QCOMPARE(f.box("txtUser")->text(), "ann");
        QCOMPARE(f.t.state.currentUser, QString());
        QVERIFY(!f.t.state.newUser);
        QVERIFY(!UserAccounts(f.t.settings, f.t.state.settingsRoot).UserExists("ann"));
    }

    void login_anyLetterCase_succeedsAsLowerCaseUser()
    {
        LoginFixture f;
        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser("Bob", "Secret1");
        f.t.state.newUser = true;
        f.windows.unloadWindow(WindowId::Login);
        f.windows.showWindow(WindowId::Login);
        QVERIFY(!f.t.state.newUser); // a login window clears it when it loads

        f.type("BOB", "SECRET1");
        f.login()->cmdOK_Click();
        QVERIFY(f.t.dialogs.messages.isEmpty());
        QCOMPARE(f.t.state.currentUser, "bob");
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
        QVERIFY(f.windows.isLoaded(WindowId::Splash));
    }

    void login_passwordsOfEveryKind_logIn_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("leading and trailing blanks") << "  pass word  ";
        QTest::newRow("non-ASCII letters") << QString::fromUtf8("ÄÖÜ çava");
        QTest::newRow("scrambles to a blank") << "torva"; // 't'^'T' is a blank
        QTest::newRow("long") << QString(400, 'p');
    }
    void login_passwordsOfEveryKind_logIn()
    {
        QFETCH(QString, password);
        LoginFixture f;
        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser("ann", password);
        f.type("ann", password.toUpper());
        f.login()->cmdOK_Click();
        QVERIFY2(f.t.dialogs.messages.isEmpty(), "the password was refused");
        QCOMPARE(f.t.state.currentUser, "ann");
    }

    void login_failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageButtons>("buttons");
        const QString notFound = "Username not found.\rDo you want to create a new user?";
        QTest::newRow("unknown name") << "zed"
                                      << "secret1" << notFound << MessageButtons::YesNo;
        QTest::newRow("empty name") << ""
                                    << "" << notFound << MessageButtons::YesNo;
        QTest::newRow("a backslash before the name")
            << "\\Bob"
            << "secret1" << notFound << MessageButtons::YesNo;
        QTest::newRow("wrong password") << "bob"
                                        << "secret2"
                                        << "Wrong password" << MessageButtons::Ok;
        QTest::newRow("empty password") << "Bob"
                                        << ""
                                        << "Wrong password" << MessageButtons::Ok;
    }
    void login_failures()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, text);
        QFETCH(MessageButtons, buttons);
        LoginFixture f;
        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser("Bob", "secret1");
        f.t.dialogs.answers.enqueue(MessageAnswer::No);
        f.type(name, password);
        f.login()->cmdOK_Click();
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages.first().text, text);
        QCOMPARE(f.t.dialogs.messages.first().buttons, buttons);
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::None);
        QCOMPARE(f.t.dialogs.messages.first().title, "quillet");
        QCOMPARE(f.login()->mode(), frmLogin::Mode::Login);
        QCOMPARE(f.box("txtPassword")->text(), password);
        QCOMPARE(f.t.state.currentUser, QString());
    }

    void login_unknownName_yes_entersAddUserModeKeepingTexts()
    {
        LoginFixture f;
        f.t.dialogs.answers.enqueue(MessageAnswer::Yes);
        f.type("zed", "secret1");
        f.login()->cmdOK_Click();
        QCOMPARE(f.login()->mode(), frmLogin::Mode::AddUser);
        QCOMPARE(f.box("txtUser")->text(), "zed");
        QCOMPARE(f.box("txtPassword")->text(), "secret1");
        QCOMPARE(f.box("txtConfirm")->text(), QString());
        QVERIFY(f.box("txtConfirm")->isVisible());
    }

    void keys_enterIsOk_escapeIsCancel()
    {
        LoginFixture f;
        f.login()->cmdAddUser_Click();
        QTest::keyClick(f.box("txtUser"), Qt::Key_Escape);
        QCOMPARE(f.login()->mode(), frmLogin::Mode::Login);
        f.type("zed", "x");
        f.t.dialogs.answers.enqueue(MessageAnswer::No);
        QTest::keyClick(f.box("txtPassword"), Qt::Key_Return);
        QCOMPARE(f.t.dialogs.messages.size(), 1);
    }

    void help_opensGettingStarted_andUnloadClosesHelp()
    {
        LoginFixture f;
        f.login()->cmdHelp_Click();
        QCOMPARE(f.t.help.topics,
                 QStringList{f.t.state.installFolder + "/Quillet.chm::/gstart_thestart.html"});
        f.login()->close();
        QTRY_COMPARE(f.t.help.closeAllCalls, 1);
    }

    void closeBox_inAddUserMode_endsProgram()
    {
        LoginFixture f(true);
        f.login()->close();
        QTRY_VERIFY(f.windows.programEnded());
        QVERIFY(!f.windows.isLoaded(WindowId::Login));
    }
};

QUILLET_TEST_MAIN(LoginTest)
#include "tst_login.moc"

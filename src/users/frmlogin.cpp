#include "users/frmlogin.h"

#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"
#include "widgets/controls.h"
#include "widgets/staticedge.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillet {

frmLogin::frmLogin(AppContext& context, StartupSequence& sequence, WindowHost& windows)
    : m_context(context), m_sequence(sequence), m_windows(windows),
      m_accounts(context.settings, context.state.settingsRoot)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    setFont(QFont(QStringLiteral("Verdana"), 9));

    txtUser = new QLineEdit;
    txtUser->setObjectName(QStringLiteral("txtUser"));
    txtPassword = MakePasswordBox("txtPassword");
    txtConfirm = MakePasswordBox("txtConfirm");
    for (QLineEdit* box : {txtUser, txtPassword, txtConfirm})
        box->setMinimumWidth(190);
    lblLabels[0] = new QLabel(QStringLiteral("&User name :"));
    lblLabels[1] = new QLabel(QStringLiteral("&Password :"));
    Label1 = new QLabel(QStringLiteral("Please Confirm Password :"));
    lblLabels[0]->setObjectName(QStringLiteral("lblLabels"));
    lblLabels[1]->setObjectName(QStringLiteral("lblLabels"));
    Label1->setObjectName(QStringLiteral("Label1"));
    lblLabels[0]->setBuddy(txtUser);
    lblLabels[1]->setBuddy(txtPassword);
    Label1->setBuddy(txtConfirm);

    cmdOK = MakeButton("cmdOK", QStringLiteral("OK"));
    cmdCancel = MakeButton("cmdCancel", QStringLiteral("Cancel"));
    cmdHelp = MakeButton("cmdHelp", QStringLiteral("Help"));
    cmdAddUser = MakeButton("cmdAddUser", QStringLiteral("Add User"));
    cmdOK->setDefault(true);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addWidget(lblLabels[0], 0, 0);
    form->addWidget(txtUser, 0, 1);
    form->addWidget(lblLabels[1], 1, 0);
    form->addWidget(txtPassword, 1, 1);
    form->addWidget(Label1, 2, 0);
    form->addWidget(txtConfirm, 2, 1);
    form->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdAddUser);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setPixmap(QPixmap(context.state.installFile(QStringLiteral("quillet.png"))));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setMinimumWidth(72);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(picture);
    top->addLayout(form);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtUser, txtPassword);
    setTabOrder(txtPassword, txtConfirm);
    setTabOrder(txtConfirm, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);
    setTabOrder(cmdHelp, cmdAddUser);

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    connect(cmdAddUser, &QPushButton::clicked, this, &frmLogin::cmdAddUser_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmLogin::cmdHelp_Click);

    Label1->hide();
    txtConfirm->hide();
}

void frmLogin::Form_Load()
{
    for (QPushButton* button : {cmdOK, cmdCancel, cmdAddUser, cmdHelp}) {
        GiveStaticEdge(button);
        button->setMinimumWidth(76);
    }
    m_context.state.newUser = false;
    show();

    const QString switchKey = m_context.state.settingsRoot + QStringLiteral("Switch");
    if (m_context.settings.ReadValue(switchKey, QStringLiteral("Value")) == QLatin1String("yes")) {
        m_context.state.firstRun = false;
        return;
    }
    m_context.state.firstRun = true;
    m_context.dialogs.message(this,
                              QStringLiteral("You are running Quillet for the first time!\r"
                                             "Type in a username and password for accessing "
                                             "Quillet\r\rClick the 'Help' button for more "
                                             "information"),
                              MessageButtons::Ok, MessageIcon::Information);
    QFont bold = cmdHelp->font();
    bold.setBold(true);
    cmdHelp->setFont(bold);
    m_context.settings.WriteValue(switchKey, QStringLiteral("Value"), QStringLiteral("yes"));
    enterAddUserMode();
}

void frmLogin::enterAddUserMode()
{
    Label1->show();
    txtConfirm->show();
    setWindowTitle(QStringLiteral("Login - Add User"));
    lblLabels[0]->setText(QStringLiteral("Please enter a user name :"));
    lblLabels[1]->setText(QStringLiteral("Please enter a password  :"));
    cmdAddUser->setEnabled(false);
    m_mode = Mode::AddUser;
}

void frmLogin::enterLoginMode()
{
    Label1->hide();
    txtConfirm->hide();
    setWindowTitle(QStringLiteral("Login"));
    lblLabels[0]->setText(QStringLiteral("Username :"));
    lblLabels[1]->setText(QStringLiteral("Password  :"));
    cmdAddUser->setEnabled(true);
    m_mode = Mode::Login;
}

void frmLogin::cmdAddUser_Click()
{
    enterAddUserMode();
}

void frmLogin::cmdOK_Click()
{
    if (m_mode == Mode::AddUser)
        addUser();
    else
        logIn();
}

void frmLogin::addUser()
{
    const QString name = txtUser->text();
    const QStringList errors =
        m_accounts.newUserErrors(name, txtPassword->text(), txtConfirm->text());
    if (!errors.isEmpty()) {
        reportRegistrationFailure(errors);
        return;
    }
    const std::optional<QString> account = m_accounts.createUser(name, txtPassword->text());
    if (!account) {
        reportRegistrationFailure({UserAccounts::notStoredError()});
        return;
    }
    m_context.dialogs.message(this, QStringLiteral("User Registration Success!"),
                              MessageButtons::Ok, MessageIcon::Information);
    m_context.state.newUser = true;
    m_sequence.loginSucceeded(*account);
}

void frmLogin::reportRegistrationFailure(const QStringList& errors)
{
    m_context.dialogs.message(
        this,
        UserAccounts::failureMessage(
            QStringLiteral("Due to the below errors, registration of user name has failed!"),
            errors),
        MessageButtons::Ok, MessageIcon::Critical);
}

void frmLogin::logIn()
{
    const QString name = txtUser->text();
    const std::optional<QString> account = m_accounts.accountName(name);
    if (!account) {
        const MessageAnswer answer = m_context.dialogs.message(
            this, QStringLiteral("Username not found.\rDo you want to create a new user?"),
            MessageButtons::YesNo, MessageIcon::None);
        if (answer == MessageAnswer::Yes)
            enterAddUserMode();
        return;
    }
    if (!m_accounts.passwordMatches(name, txtPassword->text())) {
        m_context.dialogs.message(this, QStringLiteral("Wrong password"), MessageButtons::Ok,
                                  MessageIcon::None);
        return;
    }
    m_sequence.loginSucceeded(*account);
}

void frmLogin::cmdCancel_Click()
{
    if (m_mode == Mode::AddUser)
        enterLoginMode();
    else
        m_windows.endProgram();
}

void frmLogin::cmdHelp_Click()
{
    m_context.help.displayTopic(this, HelpViewer::topic(m_context.state.installFolder,
                                                        QStringLiteral("gstart_thestart.html")));
}

void frmLogin::reject()
{
    cmdCancel_Click();
}

void frmLogin::Form_Unload()
{
    m_context.help.closeAll();
}

void frmLogin::closeEvent(QCloseEvent* event)
{
    // QDialog would turn the close box into Cancel, which only leaves add-user mode.
    Form_Unload();
    event->accept();
}

} // namespace Quillet

#include "users/frmchpass.h"

#include "platform/dialogs.h"
#include "startup/programstate.h"
#include "users/useraccounts.h"
#include "widgets/controls.h"
#include "widgets/staticedge.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillet {

frmChPass::frmChPass(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmChPass"));
    setWindowTitle(QStringLiteral("Change Password"));
    setFont(QFont(QStringLiteral("Verdana"), 9));

    txtPassword = MakePasswordBox("txtPassword");
    txtConfirm = MakePasswordBox("txtConfirm");
    for (QLineEdit* box : {txtPassword, txtConfirm})
        box->setMinimumWidth(180);
    Command1 = MakeButton("Command1", QStringLiteral("&Ok"));
    Command2 = MakeButton("Command2", QStringLiteral("&Cancel"));
    Command1->setDefault(true);
    GiveStaticEdge(Command1);
    GiveStaticEdge(Command2);

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("Type your new password :"), txtPassword);
    form->addRow(QStringLiteral("Confirm new Password :"), txtConfirm);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmChPass::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmChPass::Command2_Click);
}

void frmChPass::Command1_Click()
{
    UserAccounts accounts(m_context.settings, m_context.state.settingsRoot);
    QStringList errors = UserAccounts::newPasswordErrors(txtPassword->text(), txtConfirm->text());
    if (errors.isEmpty() &&
        !accounts.changePassword(m_context.state.currentUser, txtPassword->text()))
        errors << UserAccounts::notStoredError();
    if (!errors.isEmpty()) {
        m_context.dialogs.message(
            this,
            UserAccounts::failureMessage(
                QStringLiteral("Due to the below errors, change of password has failed!"), errors),
            MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
    m_context.dialogs.message(this, QStringLiteral("Password Change Successful!"),
                              MessageButtons::Ok, MessageIcon::Information);
    accept();
}

void frmChPass::Command2_Click()
{
    QDialog::reject();
}

void frmChPass::reject()
{
    Command2_Click();
}

} // namespace Quillet

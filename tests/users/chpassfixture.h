#pragma once

#include "testcontext.h"
#include "users/frmchpass.h"
#include "users/useraccounts.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace Quillet {

// User ann, password "oldpass", logged in, with the password change open for her.
struct ChangePasswordFixture {
    ChangePasswordFixture()
    {
        accounts.createUser("ann", "oldpass");
        t.state.currentUser = "ann";
    }
    void type(const QString& password, const QString& confirmation)
    {
        dialog.findChild<QLineEdit*>("txtPassword")->setText(password);
        dialog.findChild<QLineEdit*>("txtConfirm")->setText(confirmation);
    }

    TestContext t;
    UserAccounts accounts{t.settings, t.state.settingsRoot};
    frmChPass dialog{t.context};
    QSignalSpy finished{&dialog, &QDialog::finished};
};

} // namespace Quillet

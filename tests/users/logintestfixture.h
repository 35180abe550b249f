#pragma once

#include "app/windows.h"
#include "testcontext.h"
#include "users/frmlogin.h"

#include <QLineEdit>
#include <QPushButton>

namespace Quillet {

// A program started as from its command line, with the first-run marker set unless asked not to.
struct LoginFixture {
    explicit LoginFixture(bool firstRun = false)
    {
        if (!firstRun)
            t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        windows.sequence().run("");
    }

    frmLogin* login() const { return windows.window<frmLogin>(WindowId::Login); }
    QLineEdit* box(const char* name) const { return login()->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return login()->findChild<QPushButton*>(name); }
    void type(const QString& user, const QString& password, const QString& confirm = {})
    {
        box("txtUser")->setText(user);
        box("txtPassword")->setText(password);
        box("txtConfirm")->setText(confirm);
    }

    TestContext t;
    Windows windows{t.context};
};

} // namespace Quillet

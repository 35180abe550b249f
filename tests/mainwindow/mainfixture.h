#pragma once

#include "app/windows.h"
#include "mainwindow/frmmain.h"
#include "pages/monthcalendar.h"
#include "pages/pagenavigation.h"
#include "pages/pagestore.h"
#include "pages/richtextbox.h"
#include "testcontext.h"
#include "users/useraccounts.h"

#include <QComboBox>
#include <QLabel>
#include <functional>

namespace Quillet {

// The user ann logged in, her main window loaded and shown on 5 August 2001; the installation
// prepared as the test asks before the window loads.
struct MainFixture {
    explicit MainFixture(bool newUser = true,
                         const std::function<void(TestContext&)>& prepare = nullptr)
    {
        if (prepare)
            prepare(t);
        t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        UserAccounts(t.settings, t.state.settingsRoot).createUser("ann", "secret");
        t.state.currentUser = "ann";
        t.state.newUser = newUser;
        windows.showWindow(WindowId::Main);
    }

    frmMain* main() const { return windows.window<frmMain>(WindowId::Main); }
    template <typename Widget>
    Widget* child(const char* name) const
    {
        return main()->findChild<Widget*>(name);
    }
    RichTextBox* page() const { return child<RichTextBox>("page"); }
    MonthCalendar* calendar() const { return child<MonthCalendar>("Calender"); }
    QComboBox* history() const { return child<QComboBox>("cmbHistory"); }

    void setWarnings(bool show, bool save, bool close, bool logOff)
    {
        t.state.warnings = {show, save, close, logOff};
    }
    // What a click on a day does: the calendar takes the day, then the page goes there.
    void clickDay(const QDate& day)
    {
        calendar()->setValue(day);
        main()->navigation().GoToDate(day);
    }
    void makeDirty(const QString& text = "unsaved words") { page()->setText(text); }

    TestContext t;
    Windows windows{t.context};
};

} // namespace Quillet

#pragma once

#include "services/appcontext.h"
#include "startup/loadablewindow.h"
#include "users/useraccounts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Quillet {

class StartupSequence;
class WindowHost;

// The gate to the diary: logs a user in, or creates a new user in its add-user mode.
class frmLogin final : public QDialog, public LoadableWindow {
    Q_OBJECT
public:
    enum class Mode { Login, AddUser };

    frmLogin(AppContext& context, StartupSequence& sequence, WindowHost& windows);
    Q_DISABLE_COPY_MOVE(frmLogin)

    Mode mode() const { return m_mode; }

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdAddUser_Click();
    void cmdHelp_Click();
    void Form_Unload();

    // Esc acts as Cancel; the close box closes the window in any mode.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void enterAddUserMode();
    void enterLoginMode();
    void addUser();
    void reportRegistrationFailure(const QStringList& errors);
    void logIn();

    AppContext& m_context;
    StartupSequence& m_sequence;
    WindowHost& m_windows;
    UserAccounts m_accounts;
    Mode m_mode = Mode::Login;

    QLineEdit* txtUser;
    QLineEdit* txtPassword;
    QLineEdit* txtConfirm;
    QLabel* lblLabels[2];
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdAddUser;
    QPushButton* cmdHelp;
};

} // namespace Quillet

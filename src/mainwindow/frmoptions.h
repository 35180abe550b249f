#pragma once

#include "services/appcontext.h"
#include "startup/globaloptions.h"
#include "startup/preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace Quillet {

// The options: the settings shared by every user, the logged-in user's warnings and default
// font, the password change and the program's documents. OK saves all of it; Cancel nothing.
class frmOptions final : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(AppContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(frmOptions)

    void Form_Load();
    void LoadOptionsIntoDialog();
    // False, with the failure reported, when the settings did not store everything.
    bool SaveOptions();

    void cmdOk_Click();
    void cmdCancel_Click();
    void chkShowWarn_Click();
    void cmdCngPass_Click();
    void cmdHelp_Click();
    void cmdReadme_Click();
    void cmdHistory_Click();
    void cmdWebsite_Click();
    void Form_Unload();

    // Esc and the close box act as Cancel.
    void reject() override;
    void done(int result) override;

private:
    void buildControls();
    void showFont(const QString& family);

    AppContext& m_context;
    GlobalOptions m_global;
    Preferences m_preferences;
    // What the running program used when the dialog opened, for Cancel to give back.
    WarningFlags m_loadedWarnings;
    QString m_loadedFont;

    QCheckBox* chkAutoLogin;
    QCheckBox* chkLaunch;
    QCheckBox* chkSplash;
    QPushButton* cmdCngPass;
    QCheckBox* chkShowWarn;
    QCheckBox* chkSaveWarn;
    QCheckBox* chkCloseWarn;
    QCheckBox* chkLogWarn;
    QComboBox* cmbFonts;
    QPushButton* cmdReadme;
    QPushButton* cmdHistory;
    QPushButton* cmdWebsite;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;
};

} // namespace Quillet

#include "mainwindow/frmoptions.h"

#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/shell.h"
#include "startup/logonentry.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"
#include "startup/webaddresses.h"
#include "users/frmchpass.h"
#include "widgets/controls.h"
#include "widgets/staticedge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillet {
namespace {

QCheckBox* makeCheckBox(const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The flags as the options write them: a number with a leading blank.
QString optionFlag(bool on)
{
    return on ? QStringLiteral(" 1") : QStringLiteral(" 0");
}

// Each name is shown in its own face, so the list is also a preview.
void addFontItem(QComboBox* list, int index, const QString& family)
{
    list->insertItem(index, family);
    list->setItemData(index, QFont(family, list->font().pointSize()), Qt::FontRole);
}

} // namespace

frmOptions::frmOptions(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_global(context.settings, context.state.settingsRoot),
      m_preferences(context.settings, context.state, context.logOn)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(QFont(QStringLiteral("Verdana"), 9));
    buildControls();
    Form_Load();
}

void frmOptions::buildControls()
{
    chkAutoLogin = makeCheckBox("chkAutoLogin", QStringLiteral("&Auto Login"));
    chkLaunch = makeCheckBox("chkLaunch", QStringLiteral("Launch on windows startup"));
    chkSplash = makeCheckBox("chkSplash", QStringLiteral("Show splash screen"));
    auto* global = new QGroupBox(QStringLiteral("Global Settings"));
    auto* globalLayout = new QVBoxLayout(global);
    for (QCheckBox* box : {chkAutoLogin, chkLaunch, chkSplash})
        globalLayout->addWidget(box);
    globalLayout->addStretch();

    cmdReadme = MakeButton("cmdReadme", QStringLiteral("Readme File"));
    cmdHistory = MakeButton("cmdHistory", QStringLiteral("Development History"));
    cmdWebsite = MakeButton("cmdWebsite", kHomePage);
    auto* info = new QGroupBox(QStringLiteral("Info"));
    auto* infoLayout = new QVBoxLayout(info);
    for (QPushButton* button : {cmdReadme, cmdHistory, cmdWebsite})
        infoLayout->addWidget(button);
    infoLayout->addStretch();

    cmdCngPass = MakeButton("cmdCngPass", QStringLiteral("Change Password"));
    chkShowWarn = makeCheckBox("chkShowWarn", QStringLiteral("Show Warnings"));
    chkSaveWarn = makeCheckBox("chkSaveWarn", QStringLiteral("Page not saved warning"));
    chkCloseWarn = makeCheckBox("chkCloseWarn", QStringLiteral("Closing Quillet warning"));
    chkLogWarn = makeCheckBox("chkLogWarn", QStringLiteral("Log off warning"));
    cmbFonts = new QComboBox;
    cmbFonts->setObjectName(QStringLiteral("cmbFonts"));
    cmbFonts->setMaxVisibleItems(12);
    cmbFonts->setMinimumContentsLength(18);
    cmbFonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families)
        addFontItem(cmbFonts, cmbFonts->count(), family);
    auto* fontLabel = MakeLabel("lblFont", QStringLiteral("Default Font:"));
    fontLabel->setBuddy(cmbFonts);

    auto* personal = new QGroupBox(QStringLiteral("Personal Settings"));
    auto* personalLayout = new QVBoxLayout(personal);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(cmdCngPass);
    passwordRow->addStretch();
    personalLayout->addLayout(passwordRow);
    personalLayout->addSpacing(6);
    personalLayout->addWidget(chkShowWarn);
    // The three warnings sit under the switch that governs them.
    auto* warnings = new QVBoxLayout;
    warnings->setContentsMargins(20, 0, 0, 0);
    for (QCheckBox* box : {chkSaveWarn, chkCloseWarn, chkLogWarn})
        warnings->addWidget(box);
    personalLayout->addLayout(warnings);
    personalLayout->addSpacing(6);
    personalLayout->addWidget(fontLabel);
    personalLayout->addWidget(cmbFonts);
    personalLayout->addStretch();

    cmdOk = MakeButton("cmdOk", QStringLiteral("&Ok"));
    cmdCancel = MakeButton("cmdCancel", QStringLiteral("&Cancel"));
    cmdHelp = MakeButton("cmdHelp", QStringLiteral("&Help"));
    cmdOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdOk, cmdCancel, cmdHelp}) {
        button->setMinimumWidth(80);
        buttons->addWidget(button);
    }

    auto* groups = new QGridLayout;
    groups->setHorizontalSpacing(12);
    groups->setVerticalSpacing(10);
    groups->addWidget(global, 0, 0);
    groups->addWidget(info, 1, 0);
    groups->addWidget(personal, 0, 1, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(14);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Down each column, then the buttons that close the dialog.
    const QList<QWidget*> order{chkAutoLogin, chkLaunch,  chkSplash,   cmdReadme,   cmdHistory,
                                cmdWebsite,   cmdCngPass, chkShowWarn, chkSaveWarn, chkCloseWarn,
                                chkLogWarn,   cmbFonts,   cmdOk,       cmdCancel,   cmdHelp};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    connect(chkShowWarn, &QCheckBox::toggled, this, &frmOptions::chkShowWarn_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdCngPass, &QPushButton::clicked, this, &frmOptions::cmdCngPass_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmOptions::cmdHelp_Click);
    connect(cmdReadme, &QPushButton::clicked, this, &frmOptions::cmdReadme_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &frmOptions::cmdHistory_Click);
    connect(cmdWebsite, &QPushButton::clicked, this, &frmOptions::cmdWebsite_Click);
}

void frmOptions::Form_Load()
{
    for (QPushButton* button :
         {cmdCngPass, cmdReadme, cmdHistory, cmdWebsite, cmdOk, cmdCancel, cmdHelp})
        GiveStaticEdge(button);
    LoadOptionsIntoDialog();
    const WarningFlags& warnings = m_context.state.warnings;
    chkLogWarn->setChecked(warnings.logWarning);
    chkSaveWarn->setChecked(warnings.saveWarning);
    chkCloseWarn->setChecked(warnings.closeWarning);
    chkShowWarn->setChecked(warnings.showWarnings);
    // Ticking a box that is already ticked signals nothing, yet the boxes must follow it.
    chkShowWarn_Click();
    showFont(m_context.state.defaultFont);
}

void frmOptions::LoadOptionsIntoDialog()
{
    m_preferences.readWarningsAndFont();
    m_loadedWarnings = m_context.state.warnings;
    m_loadedFont = m_context.state.defaultFont;
    chkLaunch->setChecked(m_context.logOn.isOn());
    // The box shows what the next start will do.
    chkSplash->setChecked(m_global.showSplash());
    chkAutoLogin->setChecked(m_global.autoLogin());
}

void frmOptions::showFont(const QString& family)
{
    if (family.isEmpty()) {
        cmbFonts->setCurrentIndex(-1);
        return;
    }
    // A font that is not installed stays the user's choice until they pick another.
    int index = cmbFonts->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        index = 0;
        while (index < cmbFonts->count() &&
               QString::compare(cmbFonts->itemText(index), family, Qt::CaseInsensitive) < 0)
            ++index;
        addFontItem(cmbFonts, index, family);
    }
    cmbFonts->setCurrentIndex(index);
}

void frmOptions::chkShowWarn_Click()
{
    const bool enabled = chkShowWarn->isChecked();
    for (QCheckBox* box : {chkLogWarn, chkSaveWarn, chkCloseWarn})
        box->setEnabled(enabled);
}

bool frmOptions::SaveOptions()
{
    const ProgramState& state = m_context.state;
    bool stored = m_global.setAutoLogin(chkAutoLogin->isChecked(), state.currentUser);
    stored = m_global.setShowSplash(optionFlag(chkSplash->isChecked())) && stored;
    stored = m_global.setStartup(optionFlag(chkLaunch->isChecked())) && stored;
    stored = m_context.logOn.setOn(chkLaunch->isChecked()) && stored;
    stored = m_preferences.saveWarningsAndFont() && stored;
    if (!stored)
        m_context.dialogs.message(this,
                                  QStringLiteral("The options could not be saved: the settings "
                                                 "file cannot be written.\r\n\r\n") +
                                      m_context.settings.location(),
                                  MessageButtons::Ok, MessageIcon::Critical);
    return stored;
}

void frmOptions::cmdOk_Click()
{
    WarningFlags& warnings = m_context.state.warnings;
    warnings.closeWarning = chkCloseWarn->isChecked();
    warnings.logWarning = chkLogWarn->isChecked();
    warnings.saveWarning = chkSaveWarn->isChecked();
    warnings.showWarnings = chkShowWarn->isChecked();
    m_context.state.defaultFont = cmbFonts->currentText();
    // Unsaved options stay on screen so that nothing the user chose is lost unseen.
    if (SaveOptions())
        accept();
}

void frmOptions::cmdCancel_Click()
{
    m_context.state.warnings = m_loadedWarnings;
    m_context.state.defaultFont = m_loadedFont;
    QDialog::reject();
}

void frmOptions::reject()
{
    cmdCancel_Click();
}

void frmOptions::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmOptions::cmdCngPass_Click()
{
    frmChPass password(m_context);
    password.exec();
}

void frmOptions::cmdHelp_Click()
{
    m_context.help.displayTopic(this, HelpViewer::topic(m_context.state.installFolder,
                                                        QStringLiteral("gstart_config.html")));
}

void frmOptions::cmdReadme_Click()
{
    m_context.shell.openDocument(m_context.state.installFile(QStringLiteral("readme.rtf")));
}

void frmOptions::cmdHistory_Click()
{
    m_context.shell.openDocument(m_context.state.installFile(QStringLiteral("history.txt")));
}

void frmOptions::cmdWebsite_Click()
{
    m_context.shell.openUrl(kHomePage);
}

void frmOptions::Form_Unload()
{
    m_context.help.closeAll();
}

} // namespace Quillet

#pragma once

#include "services/appcontext.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Quillet {

// Replaces the logged-in user's password; the old one is not asked for.
class frmChPass final : public QDialog {
    Q_OBJECT
public:
    explicit frmChPass(AppContext& context, QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    void reject() override;

private:
    AppContext& m_context;
    QLineEdit* txtPassword;
    QLineEdit* txtConfirm;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace Quillet

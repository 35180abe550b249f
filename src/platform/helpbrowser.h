#pragma once

#include "platform/helpviewer.h"

#include <QPointer>

class QTextBrowser;

namespace Quillet {

// Shows help topics in one help window over the HTML pages of <install>/help.
class HelpBrowser final : public HelpViewer {
public:
    explicit HelpBrowser(const QString& installFolder);
    ~HelpBrowser() override;
    Q_DISABLE_COPY_MOVE(HelpBrowser)

    void displayTopic(QWidget* owner, const QString& topic) override;
    void closeAll() override;

    // "<install>/Quillet.chm::/x.html" names help/x.html; the help file alone, help/index.html.
    static QString pageForTopic(const QString& topic);

private:
    QString m_helpFolder;
    QPointer<QTextBrowser> m_window;
};

} // namespace Quillet

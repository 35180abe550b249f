#pragma once

#include <QString>

class QWidget;

namespace Quillet {

// The program's help. A topic is named as the installation folder, the help file and
// optionally "::/" and a page: "<install>/Quillet.chm::/gstart_thestart.html".
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void displayTopic(QWidget* owner, const QString& topic) = 0;
    virtual void closeAll() = 0;

    // The topic of the help file alone, or of one of its pages.
    static QString topic(const QString& installFolder, const QString& page = QString())
    {
        QString topic = installFolder + QStringLiteral("/Quillet.chm");
        if (!page.isEmpty())
            topic += QStringLiteral("::/") + page;
        return topic;
    }
};

} // namespace Quillet

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
};

} // namespace Quillet

#include "platform/desktopshell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace Quillet {

void DesktopShell::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void DesktopShell::openDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopShell::startProgram(const QString& path)
{
    QProcess::startDetached(path, {});
}

} // namespace Quillet

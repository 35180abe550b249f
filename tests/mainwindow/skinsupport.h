#pragma once

#include "mainfixture.h"
#include "mainwindow/skinfile.h"

#include <QDir>
#include <QFile>
#include <QMenu>

namespace Quillet {

// A skin file of the installation's skins folder, from its lines.
inline void writeSkin(TestContext& t, const char* name, const QByteArray& lines)
{
    QDir().mkpath(t.state.installFile("skins"));
    QFile file(t.state.installFile("skins/") + name + ".jss");
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(SkinFile::encode(*SkinFile::parseLines(lines))) < 0)
        qFatal("cannot write skin %s", name);
}

// What a click on the skin in the command menu's Skins submenu does.
inline void chooseSkin(const MainFixture& f, const QString& caption)
{
    QMenu* menu = f.main()->findChild<QMenu*>("m_cMenu");
    for (QAction* item : menu->findChildren<QAction*>()) {
        if (item->text() == caption && item->parent() != menu) {
            emit menu->triggered(item);
            return;
        }
    }
    qFatal("no skin %s", qPrintable(caption));
}

} // namespace Quillet

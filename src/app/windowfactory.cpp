#include "app/windowfactory.h"

#include "mainwindow/frmmain.h"
#include "mainwindow/frmsplash.h"
#include "mainwindow/frmtray.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"
#include "users/frmlogin.h"

namespace Quillet {

QWidget* WindowFactory::create(WindowId window)
{
    switch (window) {
    case WindowId::Login:
        return new frmLogin(m_context, m_sequence, m_host);
    case WindowId::Splash:
        return new frmSplash(m_context, m_sequence, m_host);
    case WindowId::Main:
        return new frmMain(m_context, m_host);
    case WindowId::Tray:
        return new frmTray(m_context, m_sequence, m_host);
    }
    return nullptr;
}

} // namespace Quillet

#pragma once

#include <QString>
#include <functional>

namespace Quillet {

// The program's icon in the notification area: shown with a tool tip for as long as it is
// wanted, reporting the mouse buttons pressed on it.
class TrayIcon {
public:
    enum class Button { Left, Other };

    virtual ~TrayIcon() = default;
    // Whether the desktop has a notification area to show the icon in.
    virtual bool available() const = 0;
    virtual void show(const QString& toolTip, std::function<void(Button)> pressed) = 0;
    virtual void hide() = 0;
};

} // namespace Quillet

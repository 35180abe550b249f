#pragma once

#include <QToolBar>
#include <array>

class QAction;

namespace Quillet {

// The toolbar of page commands: 17 entries by index from 1 (separators included), each
// button with its key, caption, tool tip and pressed state. Clicks come out as ButtonClick.
class PageToolbar final : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kEntries = 17;

    explicit PageToolbar(QWidget* parent = nullptr);

    // The entry at index 1 to 17; separators are entries too.
    QAction* button(int index) const;
    QAction* button(const QString& key) const;
    bool pressed(const QString& key) const;
    void setPressed(const QString& key, bool pressed);

signals:
    void ButtonClick(int index, const QString& key);

private:
    std::array<QAction*, kEntries> m_entries{};
};

} // namespace Quillet

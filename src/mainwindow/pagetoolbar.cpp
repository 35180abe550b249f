#include "mainwindow/pagetoolbar.h"

#include "mainwindow/toolbaricons.h"

#include <QAction>
#include <QToolButton>

namespace Quillet {
namespace {

struct Entry {
    const char* key; // none for a separator
    const char* caption;
    const char* toolTip;
    bool toggle = false;
};

constexpr std::array<Entry, PageToolbar::kEntries> kEntryTable{{
    {"save", "Save", "Save Current Page"},
    {"delete", "Delete", "Delete Page"},
    {"print", "Print", "Print current page"},
    {nullptr, nullptr, nullptr},
    {"cut", "Cut", "Cut to clipboard"},
    {"copy", "Copy", "Copy to clipboard"},
    {"paste", "Paste", "Paste from clipboard"},
    {nullptr, nullptr, nullptr},
    {"bold", "Bold", "Bold", true},
    {"italics", "Italics", "Italicize", true},
    {"underline", "", "underline", true},
    {nullptr, nullptr, nullptr},
    {"left", "", "Align left", true},
    {"center", "", "Align Center", true},
    {"right", "", "Align Right", true},
    {nullptr, nullptr, nullptr},
    {"help", "Help", "S-O-S - Help!!"},
}};

} // namespace

PageToolbar::PageToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(22, 22));
    setMovable(false);
    setFloatable(false);
    for (int index = 1; index <= kEntries; ++index) {
        const Entry& entry = kEntryTable[size_t(index - 1)];
        QAction* action = nullptr;
        if (!entry.key) {
            action = addSeparator();
        } else {
            const QString key = QLatin1String(entry.key);
            action = addAction(ToolbarIcon(key), QLatin1String(entry.caption));
            action->setObjectName(key);
            action->setData(key);
            action->setToolTip(QLatin1String(entry.toolTip));
            action->setCheckable(entry.toggle);
            connect(action, &QAction::triggered, this,
                    [this, index, key] { emit ButtonClick(index, key); });
            if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(action)))
                tool->setObjectName(QStringLiteral("Toolbar_") + key);
        }
        action->setProperty("index", index);
        m_entries[size_t(index - 1)] = action;
    }
}

QAction* PageToolbar::button(int index) const
{
    if (index < 1 || index > kEntries)
        return nullptr;
    return m_entries[size_t(index - 1)];
}

QAction* PageToolbar::button(const QString& key) const
{
    for (QAction* action : m_entries) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

bool PageToolbar::pressed(const QString& key) const
{
    const QAction* action = button(key);
    return action && action->isChecked();
}

void PageToolbar::setPressed(const QString& key, bool pressed)
{
    if (QAction* action = button(key))
        action->setChecked(pressed);
}

} // namespace Quillet

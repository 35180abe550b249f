#pragma once

#include <QString>

namespace Quillet {

class PageStore;
class RichTextBox;

// The welcome text of a first run, shown on today's page while that page is still empty.
class WelcomePage {
public:
    WelcomePage(PageStore& store, RichTextBox& page) : m_store(store), m_page(page) {}

    void load(const QString& path);
    // Loading today's page hides the welcome text: shows it again if today has no page.
    void showIfTodayIsEmpty();

private:
    PageStore& m_store;
    RichTextBox& m_page;
    QString m_path;
};

} // namespace Quillet

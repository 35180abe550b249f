#pragma once

#include "pages/monthcalendar.h"
#include "pages/pagestore.h"
#include "pages/richtextbox.h"
#include "testcontext.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QWidget>

namespace Quillet {

// The editor, the calendar and the page store in a small window, for the user ann.
struct PageFixture {
    PageFixture()
    {
        t.state.currentUser = "ann";
        t.state.defaultFont = "Comic Sans MS";
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(calendar);
        layout->addWidget(page);
        QObject::connect(page, &RichTextBox::Change, page,
                         [this] { page->setTag(RichTextBox::PageState::Dirty); });
        QObject::connect(page, &RichTextBox::SelChange, page,
                         [this] { page->setTag(RichTextBox::PageState::Dirty); });
    }

    QString pagePath(const QDate& date) const { return store.pageFilePath(date); }
    [[nodiscard]] bool writeFile(const QDate& date, const QByteArray& content) const
    {
        QDir().mkpath(store.pageFolder());
        QFile file(pagePath(date));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }
    QByteArray readFile(const QDate& date) const
    {
        QFile file(pagePath(date));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestContext t;
    QWidget window;
    RichTextBox* page = new RichTextBox;
    MonthCalendar* calendar = new MonthCalendar;
    PageStore store{t.context, *page, *calendar};
};

} // namespace Quillet

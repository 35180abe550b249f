#include "pagefixture.h"
#include "scrambledbyhand.h"
#include "startup/scrambler.h"
#include "testmain.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTextCursor>
#include <algorithm>

using namespace Quillet;

namespace {

const QDate kAugust5(2001, 8, 5);
const QDate kAugust6(2001, 8, 6);
const QByteArray kRtf = "{\\rtf1\\ansi\\ansicpg1252 {\\b Dear} diary\\par}";

QByteArray currentForm(const QByteArray& richText, const QByteArray& owner)
{
    return Scramble(richText, BELKA) + "$SACRM$" + Scramble(owner, DORN) + "$ENC$";
}

// A page of some 77,000 characters, every line different: its rich text is over 64 KB.
QStringList diaryLines()
{
    QStringList lines;
    for (int entry = 1; entry <= 1100; ++entry) {
        lines << QStringLiteral("Entry %1: we walked along the river and counted %2 herons.")
                     .arg(entry)
                     .arg(entry * 7 % 50);
    }
    return lines;
}

QByteArray byHand(const QByteArray& richText, const QByteArray& owner)
{
    return scrambledByHand(richText, "BELKA") + "$SACRM$" + scrambledByHand(owner, "DORN") +
           "$ENC$";
}

// The first run of 16 bytes of the page's own text that can be read in the file as it is, or
// backwards: a half reversed is as readable as it was.
QByteArray plainRunIn(const QByteArray& plain, const QByteArray& file)
{
    constexpr qsizetype kRun = 16;
    QSet<QByteArray> fileRuns;
    for (qsizetype i = 0; i + kRun <= file.size(); ++i)
        fileRuns.insert(file.mid(i, kRun));
    for (qsizetype i = 0; i + kRun <= plain.size(); ++i) {
        const QByteArray run = plain.mid(i, kRun);
        QByteArray backwards = run;
        std::reverse(backwards.begin(), backwards.end());
        if (fileRuns.contains(run) || fileRuns.contains(backwards))
            return run;
    }
    return QByteArray();
}

// Makes a folder unwritable for as long as it lives: by its mode, or for root, which ignores
// modes, by the immutable attribute.
class UnwritableFolder {
public:
    explicit UnwritableFolder(QString path) : m_path(std::move(path))
    {
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (writable())
            m_immutable = QProcess::execute("chattr", {"+i", m_path}) == 0;
    }
    ~UnwritableFolder()
    {
        if (m_immutable)
            QProcess::execute("chattr", {"-i", m_path});
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    bool writable() const
    {
        QFile probe(m_path + "/probe");
        const bool created = probe.open(QIODevice::WriteOnly);
        probe.remove();
        return created;
    }

private:
    QString m_path;
    bool m_immutable = false;
};

} // namespace

class PageStoreTest : public QObject {
    Q_OBJECT

private slots:
    void longPage_isWrittenScrambledToItsLastByte()
    {
        PageFixture f;
        const QString plain = diaryLines().join('\n');
        f.page->setText(plain);
        const QByteArray rtf = f.page->TextRTF();
        QVERIFY(rtf.size() > 64 * 1024);
        f.calendar->setValue(kAugust5);

        QVERIFY(f.store.SavePage());

        const QByteArray file = f.readFile(kAugust5);
        const QByteArray expected = byHand(rtf, "ann");
        QCOMPARE(plainRunIn(plain.toUtf8(), file), QByteArray());
        QVERIFY2(file == expected, firstDifference(file, expected));
    }

    void longPageScrambledElsewhere_reads()
    {
        PageFixture f;
        const QStringList lines = diaryLines();
        const QByteArray rtf = "{\\rtf1\\ansi " + lines.join("\\par\n").toUtf8() + "}";
        QVERIFY(rtf.size() > 64 * 1024);
        QVERIFY(f.writeFile(kAugust5, byHand(rtf, "ann")));

        f.store.SetPageText(kAugust5);

        QVERIFY(f.t.dialogs.messages.isEmpty());
        const QByteArray shown = f.page->Text().toUtf8();
        const QByteArray written = lines.join('\n').toUtf8();
        QVERIFY2(shown == written, firstDifference(shown, written));
    }

    void save_writesTheScrambledPage_andLoadGivesItBack()
    {
        PageFixture f;
        f.page->setTextRTF(kRtf);
        f.page->setSelStart(2);
        f.page->setSelLength(3);
        f.calendar->setValue(kAugust5);
        const QByteArray rtf = f.page->TextRTF();

        QVERIFY(f.store.SavePage());

        const QString path = f.t.state.installFolder + "/files/ann/5_8_2001.DIARY";
        QCOMPARE(f.pagePath(kAugust5), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), currentForm(rtf, "ann"));
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Clean);
        QCOMPARE(f.calendar->dateTextFormat(kAugust5).fontWeight(), int(QFont::Bold));
        QCOMPARE(f.page->SelStart(), 2);
        QCOMPARE(f.page->SelLength(), 3);
        QCOMPARE(QFileInfo(path).permissions() & 0x0077, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(f.store.pageFolder()).permissions() & 0x0077,
                 QFileDevice::Permissions());

        f.store.SetPageText(kAugust6);
        QCOMPARE(f.page->Text(), QString());
        f.store.SetPageText(kAugust5);
        QCOMPARE(f.page->TextRTF(), rtf);
        QCOMPARE(f.page->Text(), "Dear diary");
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Clean);
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        const QByteArray scrambled = Scramble(kRtf, BELKA);
        QTest::newRow("own page") << currentForm(kRtf, "ann") << "Dear diary";
        QTest::newRow("marker in small letters")
            << scrambled + "$sacrm$" + Scramble("ann", DORN) + "$ENC$"
            << "Dear diary";
        QTest::newRow("older form, not scrambled") << kRtf << "Dear diary";
        QTest::newRow("older form, no owner") << scrambled + "$ENC$"
                                              << "Dear diary";
        QTest::newRow("plain text file") << QByteArray("just words") << "just words";
        QTest::newRow("raw 8-bit text in the rich text")
            << currentForm("{\\rtf1\\ansi\\ansicpg1252 caf\xe9 \x80 \xff}", "ann")
            << QString::fromUtf8("café € ÿ");
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        PageFixture f;
        QVERIFY(f.writeFile(kAugust5, content));
        QSignalSpy shown(&f.store, &PageStore::pageShown);
        f.store.SetPageText(kAugust5);
        QCOMPARE(f.page->Text(), text);
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Clean);
        QCOMPARE(f.store.shownDate(), kAugust5);
        QCOMPARE(shown.count(), 1);
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void otherUsersPage_isRefused_andNeverSavedOver_data()
    {
        QTest::addColumn<QByteArray>("owner");
        QTest::newRow("another user") << QByteArray("bob");
        QTest::newRow("a name that begins like hers") << QByteArray("anna");
    }
    void otherUsersPage_isRefused_andNeverSavedOver()
    {
        QFETCH(QByteArray, owner);
        PageFixture f;
        const QByteArray theirs = currentForm(kRtf, owner);
        QVERIFY(f.writeFile(kAugust5, theirs));
        f.page->setText("something");
        QSignalSpy shown(&f.store, &PageStore::pageShown);

        f.store.SetPageText(kAugust5);

        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages.first().text, "Sorry! This page belongs to another user!");
        QCOMPARE(f.t.dialogs.messages.first().buttons, MessageButtons::Ok);
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::None);
        QCOMPARE(f.t.dialogs.messages.first().title, "quillet");
        QCOMPARE(f.page->Text(), QString());
        QCOMPARE(f.store.shownDate(), kAugust5);
        QVERIFY(f.store.shownPageRefused());
        QCOMPARE(shown.count(), 0);

        f.calendar->setValue(kAugust5);
        f.page->setText("mine now");
        QVERIFY(!f.store.SavePage());
        QCOMPARE(f.readFile(kAugust5), theirs);
        QCOMPARE(f.t.dialogs.messages.last().text, "Sorry! This page belongs to another user!");
    }

    void missingPage_showsAnEmptyPageInTheDefaultFont()
    {
        PageFixture f;
        f.page->setText("left over");
        f.store.SetPageText(kAugust6);
        QCOMPARE(f.page->Text(), QString());
        QCOMPARE(f.page->SelFontName(), std::optional<QString>("Comic Sans MS"));
        QCOMPARE(f.page->SelFontSize(), std::optional<qreal>(10));
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Clean);
    }

    void emptyDay_startsInTheDefaultFontAlone()
    {
        PageFixture f;
        f.window.show();
        f.page->setText("a bold red end");
        f.page->moveCursor(QTextCursor::End);
        f.page->setSelBold(true);
        f.page->setSelItalic(true);
        f.page->setSelUnderline(true);
        f.page->setSelColor(Qt::red);
        f.page->setSelFontSize(24);
        f.store.SetPageText(kAugust6);
        QTest::keyClicks(f.page, "typed");
        f.page->selectAll();
        QCOMPARE(f.page->Text(), "typed");
        QCOMPARE(f.page->SelBold(), std::optional<bool>(false));
        QCOMPARE(f.page->SelItalic(), std::optional<bool>(false));
        QCOMPARE(f.page->SelUnderline(), std::optional<bool>(false));
        QCOMPARE(f.page->SelFontSize(), std::optional<qreal>(10));
        QCOMPARE(f.page->SelFontName(), std::optional<QString>("Comic Sans MS"));
        QVERIFY(!f.page->TextRTF().contains("\\cf"));
    }

    void refusedPage_takesNoTyping_theNextPageDoes()
    {
        PageFixture f;
        f.window.show();
        QVERIFY(f.writeFile(kAugust5, currentForm(kRtf, "bob")));
        f.store.SetPageText(kAugust5);
        QTest::keyClicks(f.page, "lost words");
        QCOMPARE(f.page->Text(), QString());
        f.store.SetPageText(kAugust6);
        QTest::keyClicks(f.page, "kept");
        QCOMPARE(f.page->Text(), "kept");
    }

    void sameDate_onlyClearsTheFlag()
    {
        PageFixture f;
        f.store.SetPageText(kAugust5);
        f.page->setText("unsaved");
        f.store.setSameDate(true);
        f.store.SetPageText(kAugust6);
        QCOMPARE(f.page->Text(), "unsaved");
        QCOMPARE(f.store.shownDate(), kAugust5);
        QVERIFY(!f.store.sameDate());
    }

    void delete_removesThePage_orSaysThereIsNothing()
    {
        PageFixture f;
        f.calendar->setValue(kAugust5);
        f.store.DeletePage();
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages.first().text, "There is nothing to delete");
        QCOMPARE(f.t.dialogs.messages.first().title, "Quillet");
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::Critical);

        f.page->setTextRTF(kRtf);
        QVERIFY(f.store.SavePage());
        QCOMPARE(f.calendar->dateTextFormat(kAugust5).fontWeight(), int(QFont::Bold));
        f.store.DeletePage();
        QVERIFY(!QFileInfo::exists(f.pagePath(kAugust5)));
        QVERIFY(f.calendar->dateTextFormat(kAugust5).fontWeight() != int(QFont::Bold));
        QCOMPARE(f.page->Text(), QString());
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Clean);
        QCOMPARE(f.t.dialogs.messages.size(), 1);
    }

    void markPageDays_boldsDaysWithAPageFileOrFolder()
    {
        PageFixture f;
        f.calendar->setValue(kAugust5);
        QVERIFY(f.writeFile(QDate(2001, 8, 7), currentForm(kRtf, "ann")));
        QDir().mkpath(f.pagePath(QDate(2001, 8, 9)));   // a folder named like a page file
        QVERIFY(f.writeFile(QDate(2001, 7, 30), kRtf)); // in the grid, from the month before
        QVERIFY(f.writeFile(QDate(2001, 10, 1), kRtf)); // not in the grid
        f.store.MarkPageDays();
        const auto bold = [&](const QDate& d) {
            return f.calendar->dateTextFormat(d).fontWeight() == QFont::Bold;
        };
        QVERIFY(bold(QDate(2001, 8, 7)));
        QVERIFY(bold(QDate(2001, 8, 9)));
        QVERIFY(bold(QDate(2001, 7, 30)));
        QVERIFY(!bold(QDate(2001, 10, 1)));
        QVERIFY(!bold(QDate(2001, 8, 8)));
    }

    void unwritableFolder_reportsTheFailure_keepsThePageDirtyAndTheOldFile()
    {
        PageFixture f;
        f.calendar->setValue(kAugust5);
        f.page->setTextRTF(kRtf);
        QVERIFY(f.store.SavePage());
        const QByteArray before = f.readFile(kAugust5);

        f.page->setText("a new text");
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Dirty);
        {
            UnwritableFolder locked(f.store.pageFolder());
            if (locked.writable())
                QSKIP("cannot make a folder unwritable here (no chattr for root)");
            QVERIFY(!f.store.SavePage());
        }
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QVERIFY2(f.t.dialogs.messages.first().text.startsWith("The page could not be saved.\r\n"),
                 qPrintable(f.t.dialogs.messages.first().text));
        QVERIFY(f.t.dialogs.messages.first().text.size() > 32); // the system's reason follows
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(f.page->Tag(), RichTextBox::PageState::Dirty);
        QCOMPARE(f.readFile(kAugust5), before);
    }
};

QUILLET_TEST_MAIN(PageStoreTest)
#include "tst_pagestore.moc"

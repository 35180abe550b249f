#include "printing/pagelayout.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace Quillet;

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWidth = 6000;

// A drawing rectangle of the test's width and of the given height, 5 twips in from the corner.
QRect drawingRect(int height)
{
    return {5, 5, kWidth, height};
}

// The document as the layout sees it: no frame margin, the rectangle's width.
void layOutLikeThePrinter(QTextDocument& document)
{
    document.setDocumentMargin(0);
    document.setTextWidth(double(kWidth) / kTwipsPerPixel);
    document.size(); // lays the whole document out
}

int topInTwips(QTextDocument& document, int block)
{
    return qRound(
        document.documentLayout()->blockBoundingRect(document.findBlockByNumber(block)).top() *
        kTwipsPerPixel);
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void emptyPage_isOneBlankPage()
    {
        QTextDocument document;
        const PageLayout layout(document, drawingRect(15000));
        QPicture picture;
        QPainter painter(&picture);
        QCOMPARE(layout.formatRange(painter, 0), 0);
        QCOMPARE(layout.pages({12240, 15840}).size(), 1);
    }

    void textOfThreePages_eachPageStartsWhereThePreviousEnded()
    {
        QTextDocument document;
        QStringList paragraphs;
        for (int n = 1; n <= 30; ++n)
            paragraphs.append(QStringLiteral("Paragraph %1").arg(n));
        document.setPlainText(paragraphs.join(QLatin1Char('\n')));
        layOutLikeThePrinter(document);
        // Ten paragraphs and half of the eleventh: the half line goes to the next page.
        const int lineHeight = topInTwips(document, 1) - topInTwips(document, 0);
        const PageLayout layout(document, drawingRect(topInTwips(document, 10) + lineHeight / 2));

        QCOMPARE(layout.textLength(), document.toPlainText().size());
        QPicture picture;
        QPainter painter(&picture);
        const int second = layout.formatRange(painter, 0);
        QCOMPARE(second, document.findBlockByNumber(10).position());
        const int third = layout.formatRange(painter, second);
        QCOMPARE(third, document.findBlockByNumber(20).position());
        QCOMPARE(layout.formatRange(painter, third), layout.textLength());
        QCOMPARE(layout.pages({12240, 15840}).size(), 3);
    }

    void wrappedParagraph_isNeverCutInsideALine_data()
    {
        QTest::addColumn<double>("linesOfRoom");
        QTest::addColumn<int>("linesPerPage");
        QTest::newRow("one and a half lines") << 1.5 << 1;
        QTest::newRow("two and a half lines") << 2.5 << 2;
        QTest::newRow("just under four lines") << 3.9 << 3;
        QTest::newRow("exactly four lines") << 4.0 << 4;
    }

    void wrappedParagraph_isNeverCutInsideALine()
    {
        QFETCH(double, linesOfRoom);
        QFETCH(int, linesPerPage);
        QTextDocument document;
        document.setPlainText(QStringLiteral("word ").repeated(400));
        layOutLikeThePrinter(document);
        const QTextLayout* lines = document.firstBlock().layout();
        QVERIFY(lines->lineCount() > 8);
        const qreal lineHeight = lines->lineAt(1).y() - lines->lineAt(0).y();
        const PageLayout layout(document,
                                drawingRect(qRound(linesOfRoom * lineHeight * kTwipsPerPixel)));

        QPicture picture;
        QPainter painter(&picture);
        int start = 0;
        for (int page = 1; page * linesPerPage < lines->lineCount(); ++page) {
            start = layout.formatRange(painter, start);
            QCOMPARE(start, lines->lineAt(page * linesPerPage).textStart());
        }
        const int pageCount = (lines->lineCount() + linesPerPage - 1) / linesPerPage;
        QCOMPARE(layout.pages({12240, 15840}).size(), pageCount);
    }

    void pictureTallerThanAPage_takesAPageOfItsOwn()
    {
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tall")),
                             QImage(50, 3000, QImage::Format_RGB32));
        QTextCursor cursor(&document);
        QTextImageFormat tall;
        tall.setName(QStringLiteral("tall"));
        tall.setWidth(50);
        tall.setHeight(3000);
        cursor.insertImage(tall);
        cursor.insertText(QStringLiteral("\nAfter the picture"));

        const PageLayout shortPages(document, drawingRect(500 * kTwipsPerPixel));
        QPicture picture;
        QPainter painter(&picture);
        QCOMPARE(shortPages.formatRange(painter, 0), 2);
        QCOMPARE(shortPages.pages({12240, 15840}).size(), 2);

        const PageLayout longPages(document, drawingRect(4000 * kTwipsPerPixel));
        QCOMPARE(longPages.pages({12240, 64000}).size(), 1);
    }
};

QUILLET_GUI_TEST_MAIN(PageLayoutTest)
#include "tst_pagelayout.moc"

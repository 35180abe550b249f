#include "mainwindow/editingcommands.h"

#include "mainwindow/colorchooser.h"
#include "mainwindow/colourblock.h"
#include "mainwindow/listchoice.h"
#include "mainwindow/pagetoolbar.h"
#include "pages/pagestore.h"
#include "platform/helpviewer.h"
#include "printing/printrichtext.h"
#include "startup/programstate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>

namespace Quillet {
namespace {

const QString kBold = QStringLiteral("bold");
const QString kItalics = QStringLiteral("italics");
const QString kUnderline = QStringLiteral("underline");
const QString kLeft = QStringLiteral("left");
const QString kCenter = QStringLiteral("center");
const QString kRight = QStringLiteral("right");

const QString& buttonForAlignment(int alignment)
{
    switch (alignment) {
    case RichTextBox::AlignCenter:
        return kCenter;
    case RichTextBox::AlignRight:
        return kRight;
    default:
        return kLeft;
    }
}

} // namespace

EditingCommands::EditingCommands(AppContext& context, PageStore& store, RichTextBox& page,
                                 PageToolbar& toolbar, QFontComboBox& fontNames,
                                 QComboBox& fontSizes)
    : m_context(context), m_store(store), m_page(page), m_toolbar(toolbar), m_fontNames(fontNames),
      m_fontSizes(fontSizes)
{
    connect(&m_toolbar, &PageToolbar::ButtonClick, this, &EditingCommands::Toolbar_ButtonClick);
    connect(new ListChoice(m_fontNames), &ListChoice::chosen, this,
            &EditingCommands::cmbFntName_Click);
    connect(new ListChoice(m_fontSizes), &ListChoice::chosen, this,
            &EditingCommands::cmbFntSize_Click);
}

void EditingCommands::Toolbar_ButtonClick(int index, const QString& key)
{
    Q_UNUSED(index)
    // The toggles have already changed their pressed state with the click itself.
    if (key == QLatin1String("save"))
        m_store.SavePage();
    else if (key == QLatin1String("delete"))
        m_store.DeletePage();
    else if (key == QLatin1String("print"))
        PrintRichText(m_context, m_page, QMarginsF(5, 5, 5, 5), 1);
    else if (key == QLatin1String("help"))
        m_context.help.displayTopic(m_page.window(),
                                    HelpViewer::topic(m_context.state.installFolder));
    else if (key == QLatin1String("cut"))
        m_page.cut();
    else if (key == QLatin1String("copy"))
        m_page.copy();
    else if (key == QLatin1String("paste"))
        m_page.paste();
    else if (key == kBold)
        m_page.setSelBold(m_toolbar.pressed(kBold));
    else if (key == kItalics)
        m_page.setSelItalic(m_toolbar.pressed(kItalics));
    else if (key == kUnderline)
        m_page.setSelUnderline(m_toolbar.pressed(kUnderline));
    else if (key == kLeft)
        pressAlignment(RichTextBox::AlignLeft);
    else if (key == kRight)
        pressAlignment(RichTextBox::AlignRight);
    else if (key == kCenter)
        pressAlignment(RichTextBox::AlignCenter);
}

void EditingCommands::toggleSelStyle(const QString& key)
{
    std::optional<bool> current;
    if (key == kBold)
        current = m_page.SelBold();
    else if (key == kItalics)
        current = m_page.SelItalic();
    else if (key == kUnderline)
        current = m_page.SelUnderline();
    else
        return;
    // The click turns the button over, and the selection follows the button.
    m_toolbar.setPressed(key, current.value_or(false));
    m_toolbar.button(key)->trigger();
}

void EditingCommands::pressAlignment(int alignment)
{
    m_page.setSelAlignment(alignment);
    // The three alignment buttons are one group: exactly the chosen one stays pressed.
    for (const QString& button : {kLeft, kCenter, kRight})
        m_toolbar.setPressed(button, button == buttonForAlignment(alignment));
}

void EditingCommands::cmbFntName_Click(int entry)
{
    m_page.setSelFontName(m_fontNames.itemText(entry));
    m_page.setFocus();
}

void EditingCommands::cmbFntSize_Click(int entry)
{
    bool isNumber = false;
    const double size = m_fontSizes.itemText(entry).toDouble(&isNumber);
    if (isNumber)
        m_page.setSelFontSize(size);
    m_page.setFocus();
}

void EditingCommands::colBlocks_Click(const QColor& colour)
{
    const int stepsBefore = m_page.document()->availableUndoSteps();
    const RichTextBox::PageState stateBefore = m_page.Tag();
    m_page.setSelColor(colour);
    m_page.setFocus();
    m_colourClick.reset();
    const int steps = m_page.document()->availableUndoSteps();
    if (steps > stepsBefore) {
        m_colourClick = ColourClick{steps, stateBefore, {}};
        m_colourClick->since.start();
    }
}

void EditingCommands::takeBackColourClick()
{
    // A double click arrives after its first click has coloured the selection in the block's
    // old colour; that colouring is undone unless anything happened to the page since.
    if (m_colourClick && m_page.document()->availableUndoSteps() == m_colourClick->undoSteps &&
        !m_colourClick->since.hasExpired(QApplication::doubleClickInterval())) {
        m_page.undo();
        m_page.setTag(m_colourClick->stateBefore);
    }
    m_colourClick.reset();
}

void EditingCommands::colBlocks_DblClick(ColourBlock& block)
{
    takeBackColourClick();
    if (const std::optional<QColor> chosen =
            ShowColor(m_context, m_page.window(), block.colour(), false, true))
        block.setColour(*chosen);
}

void EditingCommands::updateCombos()
{
    // A mixed size empties the size box; a mixed font empties it too and leaves the name.
    const std::optional<qreal> size = m_page.SelFontSize();
    const std::optional<QString> name = size ? m_page.SelFontName() : std::nullopt;
    if (size && name) {
        m_fontSizes.setCurrentText(QString::number(*size));
        m_fontNames.setCurrentText(*name);
    } else {
        m_fontSizes.setCurrentText(QString());
    }
}

void EditingCommands::updateToolbar()
{
    for (const QString& button : {kLeft, kCenter, kRight})
        m_toolbar.setPressed(button, false);
    m_toolbar.setPressed(buttonForAlignment(m_page.SelAlignment().value_or(0)), true);
    if (const std::optional<bool> bold = m_page.SelBold())
        m_toolbar.setPressed(kBold, *bold);
    if (const std::optional<bool> italic = m_page.SelItalic())
        m_toolbar.setPressed(kItalics, *italic);
    if (const std::optional<bool> underline = m_page.SelUnderline())
        m_toolbar.setPressed(kUnderline, *underline);
}

} // namespace Quillet

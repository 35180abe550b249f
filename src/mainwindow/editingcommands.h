#pragma once

#include "pages/richtextbox.h"
#include "services/appcontext.h"

#include <QElapsedTimer>
#include <QObject>
#include <optional>

class QColor;
class QComboBox;
class QFontComboBox;

namespace Quillet {

class ColourBlock;
class PageStore;
class PageToolbar;

// The commands around the page editor: the toolbar, the font boxes and the colour blocks act
// on the selection, and the boxes and buttons follow the selection as it moves.
class EditingCommands final : public QObject {
    Q_OBJECT
public:
    EditingCommands(AppContext& context, PageStore& store, RichTextBox& page, PageToolbar& toolbar,
                    QFontComboBox& fontNames, QComboBox& fontSizes);

    void Toolbar_ButtonClick(int index, const QString& key);
    void cmbFntName_Click(int entry);
    void cmbFntSize_Click(int entry);
    void colBlocks_Click(const QColor& colour);
    // Lets the user choose the block's colour; the selection keeps its own.
    void colBlocks_DblClick(ColourBlock& block);
    // "bold", "italics" or "underline" as its toolbar button would be clicked now: the
    // selection takes the opposite of its value, and a mixed selection takes the attribute.
    void toggleSelStyle(const QString& key);

    void updateCombos();
    void updateToolbar();

private:
    // The colouring of a click that may turn out to be the first half of a double click.
    struct ColourClick {
        int undoSteps;
        RichTextBox::PageState stateBefore;
        QElapsedTimer since;
    };

    void pressAlignment(int alignment);
    void takeBackColourClick();

    AppContext& m_context;
    PageStore& m_store;
    RichTextBox& m_page;
    PageToolbar& m_toolbar;
    QFontComboBox& m_fontNames;
    QComboBox& m_fontSizes;
    std::optional<ColourClick> m_colourClick;
};

} // namespace Quillet

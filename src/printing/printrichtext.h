#pragma once

#include <QMarginsF>

namespace Quillet {

struct AppContext;
class RichTextBox;

// Lays the editor's page out onto the printer's paper, margins in twips inside the printable
// area, and shows the pages in the modal print preview, from which they are printed. The page
// setting is applied to the printer before its paper is measured.
void PrintRichText(AppContext& context, RichTextBox& editor, const QMarginsF& margins,
                   int pageSetting);

} // namespace Quillet

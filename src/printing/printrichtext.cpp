#include "printing/printrichtext.h"

#include "pages/richtextbox.h"
#include "platform/printer.h"
#include "platform/printererror.h"
#include "printing/frmpreview.h"
#include "printing/pagelayout.h"
#include "services/appcontext.h"

namespace Quillet {

void PrintRichText(AppContext& context, RichTextBox& editor, const QMarginsF& margins,
                   int pageSetting)
{
    if (!context.printer.isAvailable()) {
        PrinterError::show(context.dialogs, editor.window());
        return;
    }
    context.printer.setPageSetting(pageSetting);
    const QSize page = context.printer.pageSize();
    const int left = qRound(margins.left());
    const int top = qRound(margins.top());
    const QRect drawing(left, top, qRound(page.width() - margins.right()) - left,
                        qRound(page.height() - margins.bottom()) - top);

    frmPreview preview(context.printer, context.dialogs, editor.window());
    preview.SizePreview(page.width(), page.height());
    const QList<QPicture> pages = PageLayout(*editor.document(), drawing).pages(page);
    for (int number = 2; number <= pages.size(); ++number)
        preview.AddPage(number);
    for (int index = 0; index < pages.size(); ++index)
        preview.setPagePicture(index, pages[index]);
    preview.exec();
}

} // namespace Quillet

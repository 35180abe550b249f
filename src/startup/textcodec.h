#pragma once

#include <QByteArrayView>
#include <QString>

namespace Quillet {

// Text files come from the user's own editor: UTF-8 when the bytes are valid UTF-8, otherwise
// the Windows code page older files were written in (Latin-1 where that code page is missing).
QString DecodeText(QByteArrayView bytes);

} // namespace Quillet

#pragma once

#include <QString>

namespace Quillet {

// The instruction of a HYPERLINK field, the form RTF keeps links in: the target read from an
// instruction, and the instruction written for a target.
class HyperlinkField final {
public:
    HyperlinkField() = delete;

    // Where the field leads: its address, with "#" and the place that \l names; empty for any
    // other field.
    static QString target(QStringView instruction);
    static QString instruction(const QString& target);
};

} // namespace Quillet

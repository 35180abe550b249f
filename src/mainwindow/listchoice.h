#pragma once

#include <QObject>

class QComboBox;

namespace Quillet {

// Reports an entry that the user chose from a combo box's list, with the mouse or the arrow
// keys. Text typed into the box, and the focus passing through it, choose nothing: the box
// would otherwise report its typed text as a choice when Enter is pressed or the focus leaves.
class ListChoice final : public QObject {
    Q_OBJECT
public:
    explicit ListChoice(QComboBox& box);

signals:
    void chosen(int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox& m_box;
    bool m_typedTextFinishing = false;
};

} // namespace Quillet

#include "platform/qtdialogs.h"

#include "platform/bgrcolour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace Quillet {
namespace {

// The program composes its texts with CR LF or a lone CR; a label breaks lines on LF.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtDialogs::message(QWidget* owner, const QString& text, MessageButtons buttons,
                                 MessageIcon icon, const QString& title)
{
    QMessageBox box(toQt(icon), title, displayText(text), toQt(buttons), owner);
    return fromQt(box.exec());
}

QString QtDialogs::input(QWidget* owner, const QString& prompt, const QString& title,
                         const QString& proposed)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner, title, displayText(prompt),
                                                 QLineEdit::Normal, proposed, &accepted);
    return accepted ? answer : QString();
}

std::optional<quint32> QtDialogs::chooseColor(QWidget* owner, quint32 initial, bool fullOpen,
                                              std::array<quint32, 16>& customColours)
{
    const int shared = std::min(int(customColours.size()), QColorDialog::customCount());
    for (int i = 0; i < shared; ++i)
        QColorDialog::setCustomColor(i, FromBgr(customColours[size_t(i)]));
    // Qt's chooser always shows its full picker; there is no folded form to start in.
    Q_UNUSED(fullOpen)
    QColorDialog dialog(FromBgr(initial), owner);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < shared; ++i)
        customColours[size_t(i)] = ToBgr(QColorDialog::customColor(i));
    if (!accepted)
        return std::nullopt;
    return ToBgr(dialog.selectedColor());
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(owner, title, start);
}

QStringList QtDialogs::chooseFiles(QWidget* owner, const QString& title, const QString& start,
                                   const QString& filter)
{
    return QFileDialog::getOpenFileNames(owner, title, start, filter);
}

} // namespace Quillet

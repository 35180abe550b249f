#pragma once

class QAbstractButton;
class QColor;

namespace Quillet {

// Gives a command button the thin sunken edge that the program's buttons share, on its palette's
// button colour or on the face colour given.
void GiveStaticEdge(QAbstractButton* button);
void GiveStaticEdge(QAbstractButton* button, const QColor& face);

} // namespace Quillet

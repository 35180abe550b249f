#pragma once

class QAbstractButton;

namespace Quillet {

// Gives a command button the thin sunken edge that the program's buttons share.
void GiveStaticEdge(QAbstractButton* button);

} // namespace Quillet

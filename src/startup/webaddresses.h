#pragma once

#include <QString>

namespace Quillet {

// The addresses of the program's web site and of its author, in one place for every window.
inline const QString kHomePage = QStringLiteral("https://quillet.example.org/");
inline const QString kForumPage = QStringLiteral("https://quillet.example.org/forum");
inline const QString kSkinsPage = QStringLiteral("https://quillet.example.org/skins");
inline const QString kAuthorPage = QStringLiteral("https://quillet.example.org/author");

} // namespace Quillet

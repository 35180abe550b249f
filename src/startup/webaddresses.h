#pragma once

#include <QString>

namespace Quillet {

// The product's own web addresses, kept here so that every window hands the shell the same ones.
inline const QString kHomePage = QStringLiteral("https://quillet.example.org/");
inline const QString kForumPage = QStringLiteral("https://quillet.example.org/forum");
inline const QString kSkinsPage = QStringLiteral("https://quillet.example.org/skins");
inline const QString kAuthorPage = QStringLiteral("https://quillet.example.org/author");

} // namespace Quillet

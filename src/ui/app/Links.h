// Addresses the program opens for its maker: the home page and the contact mailbox.
#pragma once

#include <QString>

namespace links {
inline const QString kHomePage = QStringLiteral("https://runeboard.example.org/");
inline const QString kContactMail = QStringLiteral("mailto:author@runeboard.example.org?subject=Runeboard");
inline const QString kHelpPage = QStringLiteral("/help/index.htm"); // below the program's folder
} // namespace links

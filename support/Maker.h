// The maker's web server and mail, in one place.
#pragma once

#include <QString>

namespace Maker {
inline const QString HostName = QStringLiteral("www.ternwick.com");
inline const QString MailDomain = QStringLiteral("ternwick.com");
inline const QString MailBoxName = QStringLiteral("kavorin");
// Kavorin's number on the maker's web server.
constexpr int ProductId = 3;
} // namespace Maker

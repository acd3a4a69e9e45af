#pragma once

// Small text conversions used when building messages and addresses for the server.

#include <QString>
#include <QStringList>

/// The lines joined by commas; a line with a blank, a control character, a comma or a
/// double quote is quoted with its quotes doubled. A single empty line gives "\"\"".
QString CommaText(const QStringList &lines);

/// The address with its path, query and fragment percent-encoded as UTF-8; scheme, host and port
/// are left as written. Existing escapes are kept, so encoding twice changes nothing.
QString UrlEncode(const QString &url);

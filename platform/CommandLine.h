#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The program's argument string: its arguments after its own name, joined by
// single blanks, so that a path with blanks given unquoted stays one name.
QString ArgumentString(const QStringList& arguments);

}  // namespace platform

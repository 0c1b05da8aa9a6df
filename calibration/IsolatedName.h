#pragma once

#include <QString>

namespace CURVEroutines {

// A file name as it stands inside one of the viewer's sentences ("Problem
// with NAME at line 43"). A name may hold right-to-left letters or
// direction controls (U+202E turns the rest of a line around); set apart
// between U+2068 and U+2069 it is laid out on its own and the words and
// numbers around it keep their order. The name's characters are kept; an
// isolate it closes without opening gets an opening of its own before it,
// and one it leaves open is closed after it, so nothing in it reaches past
// its end. A name without such characters cannot move its neighbours and is
// given back as it came.
QString IsolatedName(const QString& name);

}  // namespace CURVEroutines

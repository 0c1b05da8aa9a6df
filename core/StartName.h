#pragma once

#include <QString>

namespace core {

// The name with one pair of enclosing double quotes removed; a quote at one
// end only, or a lone quote, stays. Blanks are kept.
QString WithoutQuotePair(const QString& name);

// A name is read when its last four characters are ".CRV" in any letter case.
bool PassesCrvNameTest(const QString& name);

// The message box text for a name that fails the test.
QString CannotProcessText(const QString& name);

}  // namespace core

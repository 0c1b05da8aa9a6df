#pragma once

#include <QString>

namespace cli {

// A file name, or a message that holds one, as text that stays on one line
// and sends no terminal codes: a backslash becomes "\\"; a newline, a tab and
// a carriage return "\n", "\t", "\r"; any other control character below
// U+0080 "\xNN"; a byte of a name that was not UTF-8 (FileName.h) "\xNN" of
// that byte; C1 controls, line and paragraph separators, bidirectional
// embeddings and isolates, and lone surrogates "\uNNNN". The result reads
// back to exactly one name. Everything else is kept as it is.
QString PrintableName(const QString& name);

// A line of a file's own text, kept as it stands but on one line and without
// terminal codes: escaped like a name, except that a backslash stays one.
QString PrintableLine(const QString& line);

// A character that reorders or breaks the rest of a line on a terminal: C1
// controls, line and paragraph separators, bidirectional controls.
bool IsInvisible(char16_t c);

}  // namespace cli

#pragma once

#include <QString>
#include <cstdint>

// The reader's own words, in its status lines and message boxes; the viewer
// shows them and mirelda-crv prints them. path is the path as given.
namespace core {

// Status lines.
QString ReadingText(const QString& path);  // "Reading data from " + the file name
QString SuccessText();                     // "Success!"
QString ProblemStatusText(int32_t line);   // "Problem at line N!"
QString CouldNotOpenStatusText();          // "Could not open file!"

// Message boxes.
QString ProblemText(const QString& path, int32_t line);  // "Problem with P at line N"
QString UnfinishedText(const QString& path);             // "Could not fully process P"
QString CouldNotOpenText(const QString& path);           // "Could not open P"

}  // namespace core

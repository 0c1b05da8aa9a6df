#pragma once

#include <QJsonObject>
#include <QString>

#include "cli/FileOutcome.h"

// The facts of a file's read as JSON, for scripts: one object on one line.
namespace cli {

// name, outcome ("read", "problem", "unfinished", "could-not-open",
// "not-crv"), line, field, text, rule, reason (null where they do not
// apply) and warnings.
QJsonObject OutcomeJson(const FileRead& run);

// A name that check could not look into: outcome "folder" (not walked
// without --recursive) or "unreadable-folder", reason in words.
QJsonObject FolderJson(const QString& path, const QString& outcome, const QString& reason);

// The object on one line, compact, in UTF-8. Characters that would reorder
// or break a terminal's line are written as \u escapes, which any JSON
// reader takes back.
QString JsonLine(const QJsonObject& object);

}  // namespace cli

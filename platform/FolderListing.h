#pragma once

// What the Load dialog lists and how it reads a typed name. Folders are read
// by their entries' bytes: Qt's own listing passes over every name that is
// not UTF-8, so such a file could not be chosen at all. Names are carried
// losslessly (DecodeFileName) and shown with U+FFFD (ShownFileName).

#include <QString>
#include <vector>

namespace platform {

enum class EntryKind { Missing, Folder, File, Other };

// What path names, looked up by its bytes; a link counts as what it leads to.
EntryKind KindOf(const QString& path);

struct FolderEntry {
  QString name;
  bool folder = false;
};

// The entries of folder: its folders, then the files that filter lists, each
// in name order; hidden entries (a leading dot) are left out.
std::vector<FolderEntry> ListFolder(const QString& folder, const QString& filter);

// Whether a bar-separated filter ("Calibration Curve Files (*.CRV)|*.CRV")
// lists a file name. File systems on Linux tell letter cases apart, so a
// pattern matches in any case: "*.CRV" also lists "a.crv" and "b.Crv".
bool FilterLists(const QString& filter, const QString& name);

// A name typed into the dialog as a whole path: a relative name is taken in
// folder and "~" is the home folder; a name typed as the dialog shows it, with
// U+FFFD for bytes that are not UTF-8, is matched back to its entry.
QString TypedPath(const QString& folder, const QString& typed);

// The path of name in folder, taken as it is (no "~", no U+FFFD matching).
QString PathIn(const QString& folder, const QString& name);

// The folder above path; "/" stays "/".
QString FolderAbove(const QString& path);

}  // namespace platform

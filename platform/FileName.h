#pragma once

#include <QByteArray>
#include <QString>

#include "core/FileNameBytes.h"

namespace platform {

// Names are held by their bytes (core/FileNameBytes.h).
using core::DecodeFileName;
using core::EncodeFileName;
using core::IsEscapedByte;
// Any text that may hold a name goes through it on its way to a widget.
using core::ShownFileName;

// A path as Qt's file dialog gives it, where each byte of a name that is not
// UTF-8 became U+FFFD, back in the lossless form: each name in it that holds
// U+FFFD is looked up among the entries of its folder as Qt shows them. A
// path that holds no U+FFFD, or whose name matches no entry or several, is
// given back as it came.
QString FileNameFromShown(const QString& path);

}  // namespace platform

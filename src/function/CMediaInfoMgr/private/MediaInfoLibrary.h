#pragma once

#include <QString>

// The MediaInfo library, loaded once at run time (Debian's libmediainfo.so.0)
// over the six C functions the metadata worker uses. Loading happens under a
// lock on first use; afterwards the functions are only read. Every call may
// come from any thread, each with its own handle.
namespace MediaInfoLibrary {

// The library's file name; tests point it elsewhere before the first load.
void setLibraryName(const QString& name);
QString libraryName();
// True when the six functions are at hand.
bool load();
// "Unable to load <name>" when loading failed, else empty.
QString loadError();

// The text report of one file, as the library gives it ("Complete" set to
// the empty value, the normal report). When the library cannot be loaded,
// the failure text; for a file it cannot open, an empty text.
QString inform(const QString& path);

}

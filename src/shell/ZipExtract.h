#pragma once

#include <QString>
#include <QtGlobal>

// A small handle-based layer over the zip-reading core: open an archive from
// a file name, an open file descriptor or a memory block, describe its
// entries, and write an entry to a file, a descriptor or a memory buffer.
// extractZip() on top unpacks a whole archive into a folder.

// Result codes; every operation returns one and keeps it as the last result.
enum ZipResult : quint32 {
    ZIP_OK = 0,
    ZIP_ERR_OPEN = 0x200,          // a file could not be opened or created
    ZIP_ERR_WRITE = 0x400,         // writing an output file failed
    ZIP_MORE = 0x600,              // memory extraction: buffer full, more data follows
    ZIP_ERR_HEADER = 0x700,        // local header does not match the directory record
    ZIP_ERR_READ = 0x800,          // reading the archive failed, or the source cannot seek
    ZIP_ERR_PASSWORD = 0x1000,
    ZIP_ERR_ARGS = 0x10000,        // no handle, bad index, unknown kind
    ZIP_ERR_MODE = 0x80000,        // handle not made for unzipping
    ZIP_ERR_IN_USE = 0x1000000,
    ZIP_ERR_SEEK = 0x2000000,      // the given descriptor cannot be positioned
    ZIP_ERR_DATA = 0x5000000,      // decompression failed or the data ended early
};

// Where an archive comes from, or where an entry goes.
enum ZipKind : int {
    ZIP_KIND_HANDLE = 1,           // an open file descriptor (int)
    ZIP_KIND_FILE = 2,             // a file name
    ZIP_KIND_MEMORY = 3,           // a memory block
};

// File attribute bits of an entry.
enum ZipAttribute : quint32 {
    ZIP_ATTR_READONLY = 0x01,
    ZIP_ATTR_HIDDEN = 0x02,
    ZIP_ATTR_SYSTEM = 0x04,
    ZIP_ATTR_DIRECTORY = 0x10,
    ZIP_ATTR_ARCHIVE = 0x20,
};

struct ZipEntryInfo
{
    int index = 0;                 // for the query with index -1: the entry count
    QString name;                  // cleaned relative name ('/' separated)
    quint32 attributes = 0;        // ZipAttribute bits
    // File times in 100 ns units since 1601-01-01 UTC.
    qint64 accessTime = 0;
    qint64 creationTime = 0;
    qint64 modificationTime = 0;
    qint64 compressedSize = 0;
    qint64 uncompressedSize = 0;
};

struct ZipArchiveHandle;

// kind ZIP_KIND_HANDLE: source points to an int descriptor, reading starts at
// its current position; ZIP_KIND_FILE: source points to a QString file name;
// ZIP_KIND_MEMORY: source is the block, length its size (the block must
// outlive the handle). password may be null. Returns null on failure (see
// zipLastResult()).
ZipArchiveHandle* zipOpen(const void* source, qint64 length, int kind, const char* password);
ZipArchiveHandle* zipOpenFile(const QString& fileName, const char* password = nullptr);
ZipArchiveHandle* zipOpenHandle(int fd, const char* password = nullptr);
ZipArchiveHandle* zipOpenMemory(const void* data, qint64 length, const char* password = nullptr);

quint32 zipSetBaseFolder(ZipArchiveHandle* handle, const QString& folder);
// index -1 gives the number of entries in info->index.
quint32 zipGetEntry(ZipArchiveHandle* handle, int index, ZipEntryInfo* info);
// kind ZIP_KIND_HANDLE: target points to an int descriptor; ZIP_KIND_FILE:
// target points to a QString name, relative to the base folder unless it
// starts with '/'; ZIP_KIND_MEMORY: target is a buffer of length bytes,
// filled call by call (ZIP_MORE while data remain).
quint32 zipExtractEntry(ZipArchiveHandle* handle, int index, void* target, qint64 length, int kind);
quint32 zipExtractEntryToFile(ZipArchiveHandle* handle, int index, const QString& fileName);
// Bytes written into the buffer by the last memory extraction of the handle.
qint64 zipLastMemoryCount(const ZipArchiveHandle* handle);
quint32 zipClose(ZipArchiveHandle* handle);
quint32 zipLastResult();

// The cleaned form of an entry name: drive prefixes and leading separators
// go, both separators split components, "" and "." are dropped and ".."
// drops everything before it, so the result never leaves the folder it is
// written under.
QString zipCleanEntryName(const QString& name);

// Unpacks every entry of zipFile under destDir. True when the archive holds
// at least one entry and every entry was written.
bool extractZip(const QString& zipFile, const QString& destDir);

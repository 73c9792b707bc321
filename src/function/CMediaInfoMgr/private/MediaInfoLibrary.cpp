#include "function/CMediaInfoMgr/private/MediaInfoLibrary.h"

#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>

#include <cstddef>
#include <string>

namespace {

using NewFn = void* (*)();
using OpenFn = size_t (*)(void*, const wchar_t*);
using OptionFn = const wchar_t* (*)(void*, const wchar_t*, const wchar_t*);
using InformFn = const wchar_t* (*)(void*, size_t);
using CloseFn = void (*)(void*);
using DeleteFn = void (*)(void*);

struct Library
{
    QMutex lock;
    QString name = QStringLiteral("libmediainfo.so.0");
    bool tried = false;
    QString error;
    NewFn newFn = nullptr;
    OpenFn openFn = nullptr;
    OptionFn optionFn = nullptr;
    InformFn informFn = nullptr;
    CloseFn closeFn = nullptr;
    DeleteFn deleteFn = nullptr;
    QLibrary* handle = nullptr;
};

// Never destroyed: the library stays loaded to the end of the process.
Library& library()
{
    static Library* l = new Library;
    return *l;
}

} // namespace

namespace MediaInfoLibrary {

void setLibraryName(const QString& name)
{
    Library& l = library();
    QMutexLocker locker(&l.lock);
    if (!l.tried)
        l.name = name;
}

QString libraryName()
{
    Library& l = library();
    QMutexLocker locker(&l.lock);
    return l.name;
}

bool load()
{
    Library& l = library();
    QMutexLocker locker(&l.lock);
    if (!l.tried) {
        l.tried = true;
        l.handle = new QLibrary(l.name);
        QLibrary* lib = l.handle;
        if (lib->load()) {
            l.newFn = reinterpret_cast<NewFn>(lib->resolve("MediaInfo_New"));
            l.openFn = reinterpret_cast<OpenFn>(lib->resolve("MediaInfo_Open"));
            l.optionFn = reinterpret_cast<OptionFn>(lib->resolve("MediaInfo_Option"));
            l.informFn = reinterpret_cast<InformFn>(lib->resolve("MediaInfo_Inform"));
            l.closeFn = reinterpret_cast<CloseFn>(lib->resolve("MediaInfo_Close"));
            l.deleteFn = reinterpret_cast<DeleteFn>(lib->resolve("MediaInfo_Delete"));
        }
        if (!l.newFn || !l.openFn || !l.optionFn || !l.informFn || !l.closeFn || !l.deleteFn) {
            l.newFn = nullptr;
            l.error = QStringLiteral("Unable to load %1").arg(l.name);
        }
    }
    return l.newFn != nullptr;
}

QString loadError()
{
    Library& l = library();
    QMutexLocker locker(&l.lock);
    return l.error;
}

QString inform(const QString& path)
{
    if (!load())
        return loadError();
    const Library& l = library();
    void* handle = l.newFn();
    if (!handle)
        return QString();
    const std::wstring file = path.toStdWString();
    l.openFn(handle, file.c_str());
    l.optionFn(handle, L"Complete", L"");
    const wchar_t* text = l.informFn(handle, 0);
    const QString report = text ? QString::fromWCharArray(text) : QString();
    l.closeFn(handle);
    l.deleteFn(handle);
    return report;
}

}

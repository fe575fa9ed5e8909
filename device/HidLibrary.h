#pragma once

#include "device/DeviceWriter.h"

#include <dlfcn.h>

// The companion library, loaded by the device link when it starts and released when it stops. Not loaded
// means the program runs without a device link.
class HidLibrary final
{
public:
    // Released only while writer is idle.
    explicit HidLibrary(DeviceWriter& writer) : writer(writer) {}
    HidLibrary(const HidLibrary&) = delete;
    HidLibrary& operator=(const HidLibrary&) = delete;
    ~HidLibrary() { Release(); }

    // "libHIDApi.so" by bare name: LD_LIBRARY_PATH first, then the executable's RUNPATH ($ORIGIN), then
    // the system.
    void Load()
    {
        Release();
        if (!handle)
            handle = ::dlopen("libHIDApi.so", RTLD_NOW | RTLD_LOCAL);
    }

    // Kept while the device writer is still busy: a close behind a stalled write calls into the library
    // later. That happens only when the process ends, which unloads it anyway.
    void Release()
    {
        if (!handle || !writer.Flush(std::chrono::milliseconds(0)))
            return;
        ::dlclose(handle);
        handle = nullptr;
    }

    bool IsLoaded() const { return handle != nullptr; }

    // Looked up at each use; null when the library is not loaded or lacks the entry point.
    template <typename Function> Function* Resolve(const char* name) const
    {
        return handle ? reinterpret_cast<Function*>(::dlsym(handle, name)) : nullptr;
    }

private:
    DeviceWriter& writer;
    void* handle = nullptr;
};

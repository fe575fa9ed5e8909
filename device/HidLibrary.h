#pragma once

#include <dlfcn.h>

// The companion library, loaded once by the main window and released at its teardown. Not loaded means
// the program runs without a device link.
class HidLibrary final
{
public:
    HidLibrary() = default;
    HidLibrary(const HidLibrary&) = delete;
    HidLibrary& operator=(const HidLibrary&) = delete;
    ~HidLibrary() { Release(); }

    // "libHIDApi.so" by bare name: LD_LIBRARY_PATH first, then the executable's RUNPATH ($ORIGIN), then
    // the system.
    void Load()
    {
        Release();
        handle = ::dlopen("libHIDApi.so", RTLD_NOW | RTLD_LOCAL);
    }

    void Release()
    {
        if (handle)
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
    void* handle = nullptr;
};

inline HidLibrary hidLibrary;

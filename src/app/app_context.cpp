#include "app/app_context.h"

#include "app/startup.h"

#include <cstdlib>

namespace plra {

AppContext* g_appContext = nullptr;

VersionParts SplitVersion(std::uint64_t version) {
    return {{static_cast<unsigned short>(version >> 48), static_cast<unsigned short>(version >> 32),
             static_cast<unsigned short>(version >> 16), static_cast<unsigned short>(version)}};
}

namespace {

// Plain storage with a trivial destructor: the exit-time release below must find the record
// intact, whatever order the runtime runs its exit list and static destructors in.
AppContext theAppContext;

void ReleaseAtExit() {
    ReleaseApplication();
    g_appContext = nullptr;
    std::free(theAppContext.registryKeyPath);
    theAppContext.registryKeyPath = nullptr;
}

// Runs before WinMain. The desktop window manager is optional: on systems without it both
// function addresses stay null and the placement code does without the visible frame.
struct AppContextConstruction {
    AppContextConstruction() {
        AppContext& app = theAppContext;
        app = AppContext{};
        app.registryKeyPath = static_cast<char*>(std::calloc(1, 1));
        g_appContext = &app;
        app.dwmLibrary = ::LoadLibraryA("dwmapi.dll");
        if (app.dwmLibrary) {
            app.dwmIsCompositionEnabled = reinterpret_cast<DwmIsCompositionEnabledFn>(
                reinterpret_cast<void*>(::GetProcAddress(app.dwmLibrary, "DwmIsCompositionEnabled")));
            app.dwmGetWindowAttribute = reinterpret_cast<DwmGetWindowAttributeFn>(
                reinterpret_cast<void*>(::GetProcAddress(app.dwmLibrary, "DwmGetWindowAttribute")));
        }
        std::atexit(ReleaseAtExit);
    }
} construction;

}  // namespace

}  // namespace plra

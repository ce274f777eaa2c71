// Pellora's entry point: start up, run the main dialog, release, exit with the outcome.
#include "app/app_context.h"
#include "app/startup.h"
#include "inspector/main_dialog.h"
#include "platform/sound.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    using namespace plra;
    AppContext& app = App();
    if (InitializeApplication(instance, commandLine, showCommand)) {
        if (RunMainDialog() == -1) {
            app.exitCode = kMainDialogNotCreated;
            BeepCriticalStop();
        }
    }
    ReleaseApplication();
    return app.exitCode;
}

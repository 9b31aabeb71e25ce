// Program entry: one copy per user, then the main form runs until it closes.
// The game takes no options; everything it needs sits beside the executable.
#include <SDL.h>

#include "ApplicationClass.h"
#include "FormMainClass.h"
#include "MessageBoxClass.h"
#include "SingleInstanceClass.h"

int main(int /*argc*/, char** /*argv*/) {
    TSingleInstance Instance;
    if (!Instance.Acquire(SingleInstanceLockFolder())) {
        ShowMessageBox("Application is already running.", "Message");
        return 0;
    }
    int ExitCode = 0;
    {
        TFormMain Form;
        if (Form.FormCreate()) {
            Form.FormShow();
            ExitCode = Form.Run();
        }
    }
    SDL_Quit();
    return ExitCode;
}

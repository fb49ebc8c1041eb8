// The program's dialogs, registered with the main window's commands.
#include "dialog_hooks.h"

namespace spirolan {

DialogHooks DefaultDialogHooks() {
    return {};
}

} // namespace spirolan

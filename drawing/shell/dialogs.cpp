#include "drawing/shell/dialogs.h"

#include "drawing/shell/qtdialogs.h"

namespace shell {

namespace {
Dialogs* installed = nullptr;
}

Dialogs& dialogs() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void setDialogs(Dialogs* d) { installed = d; }

}  // namespace shell

// Qt's own file dialog: a desktop's dialog would match "*.sdt" case-sensitively.
#include "ui/DialogSouboru.h"

bool SystemovyDialogSouboru() {
    return false;
}

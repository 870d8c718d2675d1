// Windows' own file dialog: its patterns ignore case, and it is the dialog users know.
#include "ui/DialogSouboru.h"

bool SystemovyDialogSouboru() {
    return true;
}

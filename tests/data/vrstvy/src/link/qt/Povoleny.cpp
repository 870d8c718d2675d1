// Qt inside a qt/ folder is allowed.
#include <QWidget>

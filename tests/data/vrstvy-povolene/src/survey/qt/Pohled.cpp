// A window of survey: its own logic, the shared glue, the windows of the layers below.
#include <QWidget>

#include "conversion/KonverzeSouboru.h"
#include "link/qt/ComConfig.h"
#include "survey/qt/Pohled.h"
#include "ui/Texty.h"

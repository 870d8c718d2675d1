// The port component's hourglass as the application's wait cursor: while this lives, every
// port that opens a device shows the wait cursor until the device is open or has failed.
// main() holds one for the program's whole run.
#pragma once

class TSpKurzorOtevirani {
public:
    TSpKurzorOtevirani();
    ~TSpKurzorOtevirani();
    TSpKurzorOtevirani(const TSpKurzorOtevirani&) = delete;
    TSpKurzorOtevirani& operator=(const TSpKurzorOtevirani&) = delete;
};

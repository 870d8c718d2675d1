#include "serial/SpPortStates.h"

#include "serial/SpDevices.h"

TSpPortState SpProbePort(int number, TSpBackendFactory backendFactory) {
    try {
        const std::string path = SpDevicePath(number);
        if (path.empty())
            return TSpPortState::psMissing;
        const std::unique_ptr<TSpBackend> backend = backendFactory();
        switch (backend->Open(path)) {
        case TSpOpenError::None:
            backend->Close();
            return TSpPortState::psFree;
        case TSpOpenError::NotFound:
            return TSpPortState::psMissing;
        case TSpOpenError::NoAccess:
            return TSpPortState::psNoAccess;
        case TSpOpenError::Busy:
            break;
        }
    } catch (...) {
        // An unreadable settings file or a failing system call: nothing to report here.
    }
    return TSpPortState::psInUse;
}

std::vector<TSpPortState> SpProbePorts(int count, const TSpPortProbe& probe) {
    std::vector<TSpPortState> states;
    for (int n = 1; n <= count; ++n)
        states.push_back(probe(n));
    return states;
}

TSpPortItemLook SpPortItemLook(TSpPortState state, TSpPortCtlOptions options) {
    TSpPortItemLook look;
    switch (state) {
    case TSpPortState::psFree:
    case TSpPortState::psNoAccess: // choosing it tells the user what would let them in
        break;
    case TSpPortState::psMissing:
        look.Enabled = !options.Contains(pcCheckExist);
        break;
    case TSpPortState::psInUse:
        look.Enabled = !options.Contains(pcDisableOpen);
        look.Grey = options.Contains(pcHighlightOpen) && !options.Contains(pcDisableOpen);
        break;
    }
    return look;
}

std::string SpPortCaption(int number) {
    return (number < 10 ? "COM &" : "COM ") + std::to_string(number);
}

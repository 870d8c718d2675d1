#include "serial/SpPortStates.h"

#include "common/Cp1250.h"
#include "serial/SpDevices.h"
#include "serial/SpNazvyAdapteru.h"

#include <filesystem>

TSpPortState SpProbePort(int number, TSpBackendFactory backendFactory) {
    try {
        return SpProbePath(SpDevicePath(number), backendFactory);
    } catch (...) {
        return TSpPortState::psInUse; // an unreadable settings file
    }
}

TSpPortState SpProbePath(const std::string& path, TSpBackendFactory backendFactory) {
    try {
        if (path.empty())
            return TSpPortState::psMissing;
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec))
            return TSpPortState::psNotDevice; // as the port itself says when opened
        const std::unique_ptr<TSpBackend> backend = backendFactory();
        switch (backend->Open(path)) {
        case TSpOpenError::oeNone:
            backend->Close();
            return TSpPortState::psFree;
        case TSpOpenError::oeNotFound:
            return TSpPortState::psMissing;
        case TSpOpenError::oeNoAccess:
            return TSpPortState::psNoAccess;
        case TSpOpenError::oeNotDevice:
            return TSpPortState::psNotDevice;
        case TSpOpenError::oeBusy:
            break;
        }
    } catch (...) {
        // A failing system call: nothing to report here.
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
    case TSpPortState::psNotDevice:
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

std::string SpTextStavu(TSpPortState state) {
    switch (state) {
    case TSpPortState::psFree:
        return Cz("volný");
    case TSpPortState::psInUse:
        return Cz("obsazený");
    case TSpPortState::psMissing:
        return Cz("chybí");
    case TSpPortState::psNoAccess:
        return Cz("bez oprávnění");
    case TSpPortState::psNotDevice:
        return Cz("není zařízení");
    }
    return {};
}

std::string SpPopisekPortu(const TSpPopisPortu& port, TSpPortState state) {
    std::string text = SpKratkeJmenoZarizeni(port.Skutecne, SpSlozkaZarizeni());
    // The state before the name: a long name may be cut off by the list's edge.
    if (state != TSpPortState::psFree)
        text += (text.empty() ? "(" : " (") + SpTextStavu(state) + ")";
    if (!port.Nazev.empty())
        text += (text.empty() ? "" : Cz(" – ")) + port.Nazev;
    return text;
}

std::string SpPortHint(const TSpPopisPortu& port) {
    if (port.Skutecne.empty() || port.Skutecne == port.Zarizeni)
        return port.Zarizeni;
    return port.Zarizeni + " (" + port.Skutecne + ")";
}

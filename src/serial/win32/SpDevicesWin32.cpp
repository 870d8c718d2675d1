// The device namespace name, which also reaches COM10 and above; the ports present and their
// names as the system describes them (SetupAPI, class Ports).
#include "serial/SpDevices.h"
#include "serial/SpNazvyAdapteru.h"
#include "serial/SpSlovnikLinky.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

std::string SpVychoziSlozkaZarizeni() {
    return "\\\\.";
}

std::string SpDefaultDevicePath(int number) {
    return number > 0 ? SpSlozkaZarizeni() + "\\" + SpJmenoPortu(number) : std::string();
}

std::string SpCestaKlice(const std::string& hodnota) {
    const std::string port = SpJmenoComPortu(hodnota);
    return port.empty() ? hodnota : SpSlozkaZarizeni() + "\\" + port;
}

std::vector<TSpAdapter> SpNajdiAdaptery() {
    std::vector<TSpAdapter> adaptery;
    const HDEVINFO seznam =
        SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (seznam == INVALID_HANDLE_VALUE)
        return adaptery;
    SP_DEVINFO_DATA zarizeni{};
    zarizeni.cbSize = sizeof zarizeni;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(seznam, i, &zarizeni); ++i) {
        char port[64] = {};
        const HKEY klic =
            SetupDiOpenDevRegKey(seznam, &zarizeni, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (klic == INVALID_HANDLE_VALUE)
            continue;
        DWORD velikost = sizeof port - 1;
        DWORD typ = 0;
        const LONG precteno = RegQueryValueExA(klic, "PortName", nullptr, &typ,
                                               reinterpret_cast<BYTE*>(port), &velikost);
        RegCloseKey(klic);
        const std::string jmeno =
            precteno == ERROR_SUCCESS && typ == REG_SZ ? SpJmenoComPortu(port) : "";
        if (jmeno.empty())
            continue; // a printer port (LPT1) or something else of the class
        char popis[256] = {};
        TSpAdapter adapter;
        adapter.Zarizeni = SpSlozkaZarizeni() + "\\" + jmeno;
        if (SetupDiGetDeviceRegistryPropertyA(seznam, &zarizeni, SPDRP_FRIENDLYNAME, nullptr,
                                              reinterpret_cast<BYTE*>(popis), sizeof popis - 1,
                                              nullptr))
            adapter.Nazev = SpNazevZPopisu(popis, jmeno);
        adaptery.push_back(adapter);
    }
    SetupDiDestroyDeviceInfoList(seznam);
    return adaptery;
}

// The port list: a radio group of the ports COM1 .. COM<MaxComPorts> that shows which of
// them exist or are held by another program, and selects the port of a bound serial port
// component. Each item names the device its number stands for and, where the system knows it,
// the adapter. A click switches the bound port's number at once and probes every port again;
// while the list is shown it looks once a second for adapters that come or go and for ports
// whose state changed.
#pragma once

#include "serial/SpDevices.h"
#include "serial/SpPortStates.h"
#include "ui/SkupinaVoleb.h"

#include <cstdint>
#include <functional>
#include <vector>

class QTimer;
class TSpComPort;

// What COM1 .. COM<count> stand for (tests and the screenshots give their own).
using TSpPortDescriber = std::function<std::vector<TSpPopisPortu>(int count)>;

class TSpPortRadioGroup : public TSkupinaVoleb {
    Q_OBJECT
public:
    // Builds the items with one probe of every port, as a group that has just been loaded
    // with these settings. `probe` tells each port's state, `describer` the device behind
    // each number (tests give their own).
    explicit TSpPortRadioGroup(
        QWidget* owner = nullptr, int16_t maxComPorts = 4,
        TSpPortCtlOptions options = {pcCheckExist},
        TSpPortProbe probe = [](int n) { return SpProbePort(n); },
        TSpPortDescriber describer = [](int count) { return SpPopisyPortu(count); });

    // The bound port; it must outlive the binding (bind nullptr before it goes). Binding a
    // port selects its number.
    TSpComPort* ComPort() const { return comPort_; }
    void SetComPort(TSpComPort* port);

    // The selected port number (1 = COM1, 0 = none); the item index follows it, limited to
    // the items there are.
    uint16_t ComNumber() const { return comNumber_; }
    void SetComNumber(uint16_t number);

    int16_t MaxComPorts() const { return maxComPorts_; }
    void SetMaxComPorts(int16_t count);
    TSpPortCtlOptions Options() const { return options_; }
    void SetOptions(TSpPortCtlOptions options);

    // The state stored in item `index` at its last probe.
    TSpPortState ItemState(int index) const;

    // Rebuilds the items when forced or when their number is not MaxComPorts (probing every
    // port), then gives each button the look of its state, probed again with `recheck`.
    void UpdateItems(bool force, bool recheck);

    // The base click, then: selected number := index + 1; a bound port is closed if open and
    // switched to that number; finally (also when that raised) every port is probed again.
    void Click(int index) override;

    // Looks again which device each number stands for (an adapter came, went or was given a
    // number) and probes every port again (a device appeared at a mapped path, a port became
    // free, busy or permitted). The timer calls it.
    void Prohledej();
    QTimer* CasovacHledani() const { return hledani_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillItems(bool force);
    std::vector<TSpPopisPortu> Popisy(int count) const;

    TSpPortProbe probe_;
    TSpPortDescriber describer_;
    std::vector<TSpPopisPortu> popisy_;
    QTimer* hledani_;
    TSpComPort* comPort_ = nullptr;
    uint16_t comNumber_ = 0;
    int16_t maxComPorts_;
    TSpPortCtlOptions options_;
    std::vector<TSpPortState> states_;
};

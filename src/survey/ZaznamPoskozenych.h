// The conversion's reader driven without a user: the survey wing reads measured data through
// it, and a damaged measurement there is not a message box but a line to list.
#pragma once

#include "conversion/KonverzeRozhrani.h"

#include <cstddef>
#include <vector>

class TZaznamPoskozenych : public TKonverzeRozhrani, private TZpravy {
public:
    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool) override { return std::nullopt; }
    void PoskozenaData(std::size_t radek) override { Radky.push_back(radek); }

    std::vector<std::size_t> Radky; // lines (from 1) of the damaged measurements, in order

private:
    void Zprava(TDruhZpravy, const std::string&) override {}
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return false; }
};

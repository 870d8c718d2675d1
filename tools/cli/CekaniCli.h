// The waiting dialog of a download in merivox-cli: instead of a window, the plain loop runs
// until the driver closes it (the end mark came) or Ctrl+C aborts, and the progress line shows
// the bytes received meanwhile.
#pragma once

#include "link/CekaniNaData.h"

class TLinkaCli;

class TCekaniCli : public TCekaniNaData {
public:
    explicit TCekaniCli(TLinkaCli& linka);
    bool UkazModalne() override;
    void NastavText(const std::string& text) override;
    void Zavri() override { zavreno_ = true; }

private:
    TLinkaCli& linka_;
    bool zavreno_ = false;
};

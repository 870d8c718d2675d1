// The waiting dialog as the station link sees it. The driver creates one when a download
// starts and shows it modally; the program's window is TFormCekamNaData, merivox-cli and the
// tests bring their own.
#pragma once

#include <string>

class TCekaniNaData {
public:
    virtual ~TCekaniNaData() = default;
    // Runs until Zavri() is called (false) or the user aborts the download (true). While it
    // runs, the user-interface thread goes on serving port events and timers (a nested loop).
    virtual bool UkazModalne() = 0;
    // The dialog's text line (cp1250).
    virtual void NastavText(const std::string& text) = 0;
    // The button's caption and hint (cp1250): an NTS-350 marks no end of its data, so once
    // they come the button ends the download rather than aborting it. A dialog without a
    // button ignores it.
    virtual void NastavTlacitko(const std::string& /*titulek*/, const std::string& /*napoveda*/) {}
    // Hides and closes the dialog: a running UkazModalne() returns false.
    virtual void Zavri() = 0;
};

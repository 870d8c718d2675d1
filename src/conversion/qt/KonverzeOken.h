// The conversion as the windows run it: message boxes, the parameters dialog in its
// conversion form, and the command that picks a file and shows the result window.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "ui/ZpravyOken.h"

#include <filesystem>
#include <optional>

class QWidget;

class TKonverzeOken : public TKonverzeRozhrani {
public:
    explicit TKonverzeOken(QWidget* rodic) : rodic_(rodic), zpravy_(rodic) {}
    TZpravy& Zpravy() override { return zpravy_; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice typStanice, bool mereni) override;
    // What the parameters step fixed, once it ran.
    const std::optional<TVolbyKonverze>& Volby() const { return volby_; }

private:
    QWidget* rodic_;
    std::optional<TVolbyKonverze> volby_;
    TZpravyOken zpravy_;
};

// Converts a measured-data file as the windows do (messages as boxes over `rodic`): the
// output to show in the result window, or nothing when there is none to show. The main window
// hands it to the window "Načtená data", which does not see the conversion itself.
std::optional<std::filesystem::path> KonverzeUlozenehoSouboru(QWidget* rodic,
                                                              const std::filesystem::path& soubor,
                                                              TTypStanice typStanice);

// The protocol of the windows' last conversion (cp1250) when its output is `vystup`, else
// empty. The result window is opened with the output's name only (the window "Načtená data"
// hands nothing else on), so the protocol waits here for it.
std::string ProtokolVystupu(const std::filesystem::path& vystup);

// "Konverze souboru": asks for a measured-data file, converts it and shows the output when
// the conversion says so.
void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice);

// Shared pieces of the upload window tests: a driver for the windows, a private folder and
// settings file per test, and file dialogs answered with a chosen file.
#pragma once

#include "../DocasnaSlozka.h"
#include "OddeleniTestu.h"
#include "common/Slozky.h"
#include "link/Komunikace.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "upload/qt/OknoZapisu.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>

#include <gmock/gmock.h>

#include <memory>

// A driver for the windows whose port is the device `zarizeni` (a simulated station's pty, or
// a path that does not exist), never a real port. Its own messages go to `zpravy`.
std::unique_ptr<TComDriver> DriverTestu(TZpravy& zpravy, const std::filesystem::path& zarizeni);

class OknaZapisuTest : public DocasnaSlozka {
protected:
    void SetUp() override {
        DocasnaSlozka::SetUp();
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        PrepisCestuNastaveni(slozka_ / "Merivex.ini");
        driver_ = DriverTestu(zpravyDriveru_, slozka_ / "bez-stanice");
    }
    void TearDown() override {
        NastavVolbuSouboru({});
        driver_.reset();
        PrepisCestuNastaveni(NastaveniTestu());
        QLocale::setDefault(QLocale::c());
        DocasnaSlozka::TearDown();
    }

    // The file dialogs are answered with `soubor` (empty: cancelled), after checking what
    // they offer: the filters, the start folder, and for saving the overwrite question.
    void VyberSoubor(const std::filesystem::path& soubor, QStringList filtry) {
        NastavVolbuSouboru([soubor, filtry](QFileDialog& dialog) {
            EXPECT_EQ(dialog.nameFilters(), filtry);
            EXPECT_EQ(
                dialog.directory().absolutePath(),
                QDir(QString::fromStdU16String(VychoziSlozkaDat().u16string())).absolutePath());
            EXPECT_EQ(dialog.testOption(QFileDialog::DontUseNativeDialog),
                      !SystemovyDialogSouboru());
            if (dialog.acceptMode() == QFileDialog::AcceptOpen)
                EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
            else
                EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            return QString::fromStdU16String(soubor.u16string());
        });
    }

    TZpravyOken zpravyDriveru_{nullptr};
    std::unique_ptr<TComDriver> driver_;
};

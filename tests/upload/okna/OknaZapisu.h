// Shared pieces of the upload window tests: a driver for the windows whose port is a device
// that does not exist (or a simulated station's pty), never a real port, a private folder and
// settings file per test, and file dialogs answered with a chosen file.
#pragma once

#include "OddeleniTestu.h"
#include "SlozkaTestu.h"
#include "common/Slozky.h"
#include "link/DriverTestu.h"
#include "link/Komunikace.h"
#include "link/qt/CasovacQt.h"
#include "serial/TestNastaveni.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "upload/qt/OknoZapisu.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QTableWidget>

#include <gmock/gmock.h>

#include <memory>
#include <optional>

class OknaZapisuTest : public TSlozkaTestu {
protected:
    void SetUp() override {
        TSlozkaTestu::SetUp();
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        prostredi_.emplace();
        PrepisCestuNastaveni(slozka_ / "Merivex.ini");
        // Port events reach this thread through the Qt event loop, as in the program; uploads
        // never download, so the waiting dialog needs no loop.
        auto prostredi = ProstrediDriveru(zpravyDriveru_, cekani_);
        prostredi.VytvorCasovac = [] {
            return std::make_unique<TCasovacQt>();
        };
        driver_ = std::make_unique<TComDriver>(std::move(prostredi));
        driver_->Port().SetDevicePath((slozka_ / "bez-stanice").string());
    }
    void TearDown() override {
        NastavVolbuSouboru({});
        driver_.reset();
        prostredi_.reset();
        QLocale::setDefault(QLocale::c());
        TSlozkaTestu::TearDown();
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

    std::optional<TProstrediPortu<TSpQtSyncUi>> prostredi_;
    TZpravyOken zpravyDriveru_{nullptr};
    TStavCekani cekani_;
    std::unique_ptr<TComDriver> driver_;
};

// A cell as the user leaves it after typing.
inline void Napis(QTableWidget& mrizka, int radek, int sloupec, const char* utf8) {
    mrizka.model()->setData(mrizka.model()->index(radek, sloupec), QString::fromUtf8(utf8));
}

// One window on the test's driver, made afresh for every test.
template <class TOkno> class OknoZapisuTest : public OknaZapisuTest {
protected:
    void SetUp() override {
        OknaZapisuTest::SetUp();
        okno_ = std::make_unique<TOkno>(nullptr, *driver_);
    }
    void TearDown() override {
        okno_.reset();
        OknaZapisuTest::TearDown();
    }
    QTableWidget& Mrizka() { return *okno_->Mrizka(); }

    std::unique_ptr<TOkno> okno_;
};

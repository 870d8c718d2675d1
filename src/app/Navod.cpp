#include "app/Navod.h"

#include "ui/ZpravyOken.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include <utility>

namespace {

TOtevreniStranky& Otevreni() {
    static TOtevreniStranky otevreni;
    return otevreni;
}

// As the system writes paths: a message names the file the user is to look for.
QString Text(const std::filesystem::path& cesta) {
    return QDir::toNativeSeparators(QString::fromStdU16String(cesta.u16string()));
}

} // namespace

std::filesystem::path CestaNavodu(const std::filesystem::path& slozkaProgramu) {
    const std::filesystem::path mista[] = {
        slozkaProgramu / "navod" / "index.html",
        slozkaProgramu.parent_path() / "share" / "doc" / "merivox" / "navod" / "index.html",
    };
    std::error_code ec;
    for (const auto& misto : mista)
        if (std::filesystem::is_regular_file(misto, ec))
            return misto;
    return {};
}

TOtevreniStranky NastavOtevreniStranky(TOtevreniStranky otevreni) {
    return std::exchange(Otevreni(), std::move(otevreni));
}

void OtevriNavod(QWidget* rodic, const std::filesystem::path& slozkaProgramu) {
    const auto cesta = CestaNavodu(slozkaProgramu);
    if (cesta.empty()) {
        UkazZpravu(rodic, ZpravaDruhu(TDruhZpravy::dzInformace,
                                      QString::fromUtf8("Návod k programu nebyl nalezen.\n"
                                                        "Hledán byl ve složce ") +
                                          Text(slozkaProgramu / "navod") +
                                          QString::fromUtf8(" a v nainstalované dokumentaci.")));
        return;
    }
    const QUrl adresa = QUrl::fromLocalFile(QString::fromStdU16String(cesta.generic_u16string()));
    const bool otevreno = Otevreni() ? Otevreni()(adresa) : QDesktopServices::openUrl(adresa);
    if (!otevreno)
        UkazZpravu(rodic, ZpravaDruhu(TDruhZpravy::dzChyba,
                                      QString::fromUtf8("Návod se nepodařilo otevřít v "
                                                        "prohlížeči. Najdete ho v souboru ") +
                                          Text(cesta)));
}

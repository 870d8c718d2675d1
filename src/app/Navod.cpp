#include "app/Navod.h"

#include "ui/ZpravyOken.h"

#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>

#include <map>
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

void OtevriNavod(QWidget* rodic, const std::filesystem::path& slozkaProgramu,
                 const std::string& stranka) {
    auto cesta = CestaNavodu(slozkaProgramu);
    const auto kotva = stranka.find('#');
    const std::string soubor = stranka.substr(0, kotva);
    std::error_code ec;
    const bool mameStranku = !cesta.empty() && !soubor.empty() &&
                             std::filesystem::is_regular_file(cesta.parent_path() / soubor, ec);
    if (mameStranku)
        cesta = cesta.parent_path() / soubor;
    if (cesta.empty()) {
        UkazZpravu(rodic, ZpravaDruhu(TDruhZpravy::dzInformace,
                                      QString::fromUtf8("Návod k programu nebyl nalezen.\n"
                                                        "Hledán byl ve složce ") +
                                          Text(slozkaProgramu / "navod") +
                                          QString::fromUtf8(" a v nainstalované dokumentaci.")));
        return;
    }
    QUrl adresa = QUrl::fromLocalFile(QString::fromStdU16String(cesta.generic_u16string()));
    if (mameStranku && kotva != std::string::npos)
        adresa.setFragment(QString::fromStdString(stranka.substr(kotva + 1)));
    const bool otevreno = Otevreni() ? Otevreni()(adresa) : QDesktopServices::openUrl(adresa);
    if (!otevreno)
        UkazZpravu(rodic, ZpravaDruhu(TDruhZpravy::dzChyba,
                                      QString::fromUtf8("Návod se nepodařilo otevřít v "
                                                        "prohlížeči. Najdete ho v souboru ") +
                                          Text(cesta)));
}

std::string StrankaNavodu(const QWidget* okno) {
    static const std::map<QString, std::string> stranky = {
        {"FormZaklad", "index.html#hlavni-okno"},
        {"FormComConfig", "pripojeni.html#parametry-komunikace"},
        {"FormCekamNaData", "nacteni.html"},
        {"FormNactenaData", "nacteni.html"},
        {"FormParamMAPA2", "konverze.html#okno-parametru-pro-export-do-formatu-mapa2"},
        {"FormVysledekKonverze", "konverze.html#jak-vypada-soubor-zap"},
        {"FormZapisSouradnicBodu", "zapis.html#zapis-souradnic-bodu"},
        {"FormZapisKodu", "zapis.html#zapis-kodu"},
    };
    for (; okno; okno = okno->parentWidget())
        if (const auto i = stranky.find(okno->objectName()); i != stranky.end())
            return i->second;
    return "index.html";
}

bool TNapovedaOken::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() != QEvent::KeyPress || !objekt->isWidgetType())
        return false;
    const auto* klavesa = static_cast<QKeyEvent*>(udalost);
    if (klavesa->key() != Qt::Key_F1 || klavesa->modifiers() != Qt::NoModifier)
        return false;
    auto* okno = static_cast<QWidget*>(objekt)->window();
    OtevriNavod(okno, slozkaProgramu_(), StrankaNavodu(okno));
    return true;
}

// One function per window. To add a window: write its function below (build the window,
// put it in the state worth showing, call s.Uloz) and add a line to kSnimkyOken.
#include "Snimky.h"

#include "app/OProgramu.h"
#include "app/Zaklad.h"
#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/qt/KonverzeOken.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "download/KonecNacteni.h"
#include "download/qt/AnimaceKopirovani.h"
#include "download/qt/CekamNaData.h"
#include "download/qt/NactenaData.h"
#include "link/Komunikace.h"
#include "link/qt/CasovacQt.h"
#include "link/qt/ComConfig.h"
#include "survey/qt/NahledMereni.h"
#include "survey/qt/NahledOken.h"
#include "survey/qt/NahledZVypoctu.h"
#include "ui/DialogSouboru.h"
#include "ui/ZpravyOken.h"
#include "upload/qt/ZapisKodu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <functional>

#include <iterator>

namespace {

void SnimekZakladu(TSnimkovac& s) {
    TFormZaklad okno;
    s.Uloz(&okno, "zaklad");
}

// The main window with "Komunikace" open and the hint of its first item in the status bar,
// as when the pointer rests on it.
void SnimekZakladuSNabidkou(TSnimkovac& s) {
    TFormZaklad okno;
    okno.show();
    auto* nabidka = okno.findChild<QMenu*>("M_Komunikace");
    auto* prvni = nabidka->actions().value(0);
    okno.menuBar()->setActiveAction(nabidka->menuAction());
    nabidka->setActiveAction(prvni);
    okno.statusBar()->showMessage(prvni->statusTip());
    QApplication::processEvents();
    s.Uloz(&okno, "zaklad-komunikace", nabidka);
    nabidka->hide();
}

void SnimekOProgramu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormOProgramu box(&zaklad, platforma::CestaProgramu());
    s.Uloz(&box, "o-programu");
}

// The parameters dialog on each of its tabs, as the main window opens it for an NTS-660.
void SnimekParametruMAPA2(TSnimkovac& s) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); // decimal comma
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    auto* zalozky = dialog.findChild<QTabWidget*>("PageControl");
    const char* jmena[] = {"param-mapa2-redukce", "param-mapa2-hlavicka", "param-mapa2-konverze"};
    for (int i = 0; i < zalozky->count(); ++i) {
        zalozky->setCurrentIndex(i);
        QApplication::processEvents();
        s.Uloz(&dialog, jmena[i]);
    }
    dialog.hide();
}

// The message boxes of the parameters dialog over it: a mean value refused on saving, and
// the question before a conversion with a factor outside the range. The boxes are caught as
// the dialog raises them and drawn as UkazZpravu would show them; nothing is saved.
void SnimekZpravParametruMAPA2(TSnimkovac& s) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const struct {
        const char* Jmeno;
        const char* Pole;
        const char* Text;
        bool FormaKonverze;
    } snimky[] = {
        {"param-mapa2-mimo-rozsah", "E_Vyska", "3000", false},
        {"param-mapa2-mimo-rozsah-x", "E_X", "1500000", false},
        {"param-mapa2-mimo-rozsah-y", "E_Y", "95000", false},
        {"param-mapa2-faktor-mimo-rozsah", "E_MeritkovyFaktor", "99999999999999999999", true}};
    for (const auto& snimek : snimky) {
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        if (snimek.FormaKonverze)
            dialog.NastavFormuKonverze();
        dialog.show();
        dialog.findChild<QLineEdit*>(snimek.Pole)->setText(snimek.Text);
        TZpravaOkna zprava;
        const TObsluhaZprav predchozi =
            NastavObsluhuZprav([&zprava](QWidget*, const TZpravaOkna& z) {
                zprava = z;
                return QMessageBox::No;
            });
        dialog.findChild<QPushButton*>("Tl_Uloz")->click();
        NastavObsluhuZprav(predchozi);
        QMessageBox box(zprava.ikona, zprava.titulek, zprava.text, zprava.tlacitka, &dialog);
        box.show();
        QApplication::processEvents();
        s.Uloz(&box, snimek.Jmeno);
        box.hide();
        dialog.hide();
    }
}

void SnimekVysledkuKonverze(TSnimkovac& s) {
    const auto soubor = std::filesystem::temp_directory_path() / "MERENI.zap";
    std::ofstream(soubor, std::ios::binary)
        << "Zak\xE1zka: ULICE 12  M\xEC\xF8il: TEAM1  Datum: 12.05.2003  10:15  "
           "P\xF8\xEDstroj: NTS-660  Atm. korekce: 15C 1013hPa  \r\n9999\r\n999999999\r\n"
           "100001\r\n1\r\n3\r\n0\r\n2\r\n1 5 1.560 * KOD\r\n4  25.500 1.500 0.0000 "
           "100.0000 * ZN\r\n6  50.000 1.500 200.0000 59.0334 * K1\r\n-1\r\n/\r\n-2\r\n";
    TFormVysledekKonverze okno(nullptr, soubor);
    s.Uloz(&okno, "vysledek-konverze");
    std::filesystem::remove(soubor);
}

// The waiting dialog once the first bytes came, the sheet half way between the folders.
void SnimekCekamNaData(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormCekamNaData dialog(&zaklad);
    dialog.show();
    dialog.NastavText("P\xF8ij\xEDm\xE1m data z tot\xE1ln\xED stanice");
    dialog.findChild<TAnimaceKopirovani*>("Animace")->NastavKrok(TAnimaceKopirovani::PocetKroku /
                                                                 2);
    s.Uloz(&dialog, "cekam-na-data");
}

// "Načtená data" with a short measurement as an NTS-660 sends it, end mark included.
void SnimekNactenychDat(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormNactenaData okno(&zaklad, zaklad.ComDriver(), &KonverzeUlozenehoSouboru,
                          [](QWidget* rodic, const std::string& data, TTypStanice typ) {
                              NahledDat(rodic, data, typ);
                          });
    okno.NastavData("NTS-660\r\nJOB ULICE  12\r\nNAME TEAM1\r\nATMOS 15C 1013hPa\r\n"
                    "UNITS M,G\r\nDATE 12.05.2003 10:15\r\nSTN 5,1.560,KOD\r\n"
                    "XYZ 1000.000,2000.000,300.000\r\nBS 4,1.500,ZN\r\n"
                    "SD 0.0000,100.0000,25.500\r\nFS 6,1.500\r\n"
                    "HD 200.0000,30.000,40.000,K1\r\nSS 12,1.600,#\r\n"
                    "SD 123.4560,92.1230,45.678\r\nSS 13,1.600,\x8ALU\x8D\r\n"
                    "HV 10.0000,90.0000\r\nSS 14,1.700,PLOT\r\n"
                    "SD 50.0000,99.0000,10.123\r\nNOTE ROH DOMU\r\nSTN 6,1.600\r\n"
                    "SS 15,1.500,#\r\nHV 300.0000,100.0000\r\n\x04\r\n");
    s.Uloz(&okno, "nactena-data");
}

// The point window with a few points typed in, the cell cursor in the note column.
void SnimekZapisuSouradnicBodu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormZapisSouradnicBodu okno(&zaklad, zaklad.ComDriver());
    const char* body[][5] = {{"101", "742351.28", "1043817.56", "251.34", "roh plotu"},
                             {"102", "742360.05", "1043822.91", "251.12", ""},
                             {"103", "742372,40", "1043830,17", "250.98", "sloup"},
                             {"104", "742380.66", "1043812.03", "251.40", "šachta"},
                             {"105", "742366.12", "1043801.77", "251.65", "roh domu"}};
    for (int r = 0; r < 5; ++r) {
        if (r > 0)
            okno.Body().PridejRadek();
        for (int c = 0; c < 5; ++c)
            okno.Body().NastavBunku(r + 1, c, Cz(body[r][c]));
    }
    okno.Mrizka()->ZobrazTabulku();
    okno.show();
    okno.Mrizka()->setCurrentCell(2, 4);
    QApplication::processEvents();
    s.Uloz(&okno, "zapis-souradnic-bodu");
    okno.hide(); // not closed: that would write the settings
}

// The code window with codes in three directories and one without, the tree beside them.
void SnimekZapisuKodu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormZapisKodu okno(&zaklad, zaklad.ComDriver());
    const char* kody[][2] = {{"body", "roh"},      {"Body", "plot"},   {"vedení", "sloup"},
                             {"vedení", "šachta"}, {"", "stromek"},    {"budovy", "dům"},
                             {"budovy", "garáž"},  {"body", "hranice"}};
    for (int r = 0; r < 8; ++r) {
        if (r > 0)
            okno.Kody().PridejRadek();
        okno.Kody().NastavBunku(r + 1, 0, Cz(kody[r][0]));
        okno.Kody().NastavBunku(r + 1, 1, Cz(kody[r][1]));
    }
    okno.Mrizka()->ZobrazTabulku();
    okno.ObnovStrom();
    okno.show();
    okno.Mrizka()->setCurrentCell(1, 1);
    QApplication::processEvents();
    s.Uloz(&okno, "zapis-kodu");
}

// The first message box that `akce` makes a window show, as the user sees it over that
// window; the box is answered with `odpoved`, later ones with their escape answer.
void SnimekZpravy(TSnimkovac& s, const QString& jmeno, QMessageBox::StandardButton odpoved,
                  const std::function<void()>& akce) {
    int zprav = 0;
    const TObsluhaZprav predchozi =
        NastavObsluhuZprav([&](QWidget* rodic, const TZpravaOkna& zprava) {
            if (zprav++ > 0)
                return QMessageBox::NoButton;
            QMessageBox box(zprava.ikona, zprava.titulek, zprava.text, zprava.tlacitka, rodic);
            box.show();
            QApplication::processEvents();
            s.Uloz(&box, jmeno);
            return odpoved;
        });
    akce();
    NastavObsluhuZprav(predchozi);
}

// Closing "Načtená data" before the data were saved.
void SnimekNeulozenychDat(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormNactenaData okno(&zaklad, zaklad.ComDriver(), &KonverzeUlozenehoSouboru,
                          [](QWidget* rodic, const std::string& data, TTypStanice typ) {
                              NahledDat(rodic, data, typ);
                          });
    okno.NastavData("NTS-660\r\nJOB ULICE  12\r\n\x04\r\n");
    okno.show();
    SnimekZpravy(s, "nactena-data-neulozeno", QMessageBox::Discard, [&] { okno.reject(); });
}

// Sending a table of points typed without heights, one with a mistyped X among them.
void SnimekSpatnychBodu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormZapisSouradnicBodu okno(&zaklad, zaklad.ComDriver());
    for (int r = 1; r <= 24; ++r) {
        if (r > 1)
            okno.Body().PridejRadek();
        okno.Body().NastavBunku(r, 0, std::to_string(200 + r));
        okno.Body().NastavBunku(r, 1, std::to_string(742300 + 7 * r) + ".15");
        okno.Body().NastavBunku(r, 2, r == 9 ? "1043x17.52" : std::to_string(1043800 + 3 * r));
    }
    okno.Mrizka()->ZobrazTabulku();
    okno.show();
    SnimekZpravy(s, "zapis-spatne-body", QMessageBox::Ok, [&] { okno.A_ZapisDat->trigger(); });
    okno.hide(); // not closed: that would write the settings
}

// A table window's "Otevření souboru ..." on a file of `obsah`, chosen without a dialog.
template <class TOkno> void OtevriVOkne(TOkno& okno, const char* jmeno, const std::string& obsah) {
    const auto soubor = std::filesystem::temp_directory_path() / jmeno;
    std::ofstream(soubor, std::ios::binary) << obsah;
    const TVolbaSouboru predchozi = NastavVolbuSouboru(
        [&](QFileDialog&) { return QString::fromStdU16String(soubor.u16string()); });
    okno.A_OtevriSoubor->trigger();
    NastavVolbuSouboru(predchozi);
    std::filesystem::remove(soubor);
}

// The code window after opening a file whose fields are separated by blanks, and the
// question before a row is deleted.
void SnimekOddelovaceKodu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormZapisKodu okno(&zaklad, zaklad.ComDriver());
    okno.show();
    OtevriVOkne(okno, "merivox-snimek-kody.cod",
                Cz("BUDOVY roh\r\nBUDOVY zeď\r\nOPLOCENÍ plot\r\nOPLOCENÍ brána\r\n"
                   "VEDENÍ sloup\r\nVEDENÍ šachta\r\n"));
    okno.Mrizka()->setCurrentCell(2, 1);
    QApplication::processEvents();
    s.Uloz(&okno, "zapis-kodu-oddelovac");
    SnimekZpravy(s, "zapis-vymazat-radek", QMessageBox::No, [&] { okno.A_Vymaz->trigger(); });
}

// An NTS-350 download once bytes came: its button ends the download and shows the data.
void SnimekCekaniNTS350(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormCekamNaData dialog(&zaklad);
    dialog.show();
    dialog.NastavText("P\xF8ij\xEDm\xE1m data z tot\xE1ln\xED stanice");
    dialog.NastavTlacitko(Cz("&Ukončit příjem"),
                          Cz("Ukončení příjmu: stanice NTS-350 konec dat nehlásí, přijatá data "
                             "se zobrazí"));
    dialog.findChild<TAnimaceKopirovani*>("Animace")->NastavKrok(TAnimaceKopirovani::PocetKroku /
                                                                 3);
    s.Uloz(&dialog, "cekam-na-data-nts350");
}

// An NTS-660 download aborted after 1 834 bytes came, without the end mark: the question the
// main window asks before it shows them.
void SnimekNeuplnychDat(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    SnimekZpravy(s, "nacteni-neuplna-data", QMessageBox::No, [&] {
        TZpravyOken(&zaklad).OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani),
                                         TextNeuplnaData(1834));
    });
}

// "Konverze" on data an NTS-350 sent.
void SnimekNelzePrevest(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    zaklad.ComDriver().StationType = TTypStanice::tsNTS350;
    TFormNactenaData okno(&zaklad, zaklad.ComDriver(), &KonverzeUlozenehoSouboru);
    okno.NastavData("0001 5 1.560 KOD\r\n0002 4 25.500 0.0000 100.0000\r\n");
    okno.show();
    SnimekZpravy(s, "nactena-data-nts350-konverze", QMessageBox::Ok,
                 [&] { okno.findChild<QPushButton*>("Tl_Konverze")->click(); });
    okno.hide(); // not closed: the unsaved data would be asked about
}

// A download with four data bits, as an old settings file may hold them.
void SnimekCtyrDatovychBitu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    zaklad.ComDriver().SetDataBits(db4);
    SnimekZpravy(s, "nacteni-datove-bity-4", QMessageBox::Ok,
                 [&] { zaklad.ComDriver().AddCommand(PrikazNacteni, {}); });
    zaklad.ComDriver().SetDataBits(db8);
}

// The point window after opening a file whose fields are separated by semicolons.
void SnimekOddelovaceBodu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormZapisSouradnicBodu okno(&zaklad, zaklad.ComDriver());
    okno.show();
    OtevriVOkne(okno, "merivox-snimek-body.asc",
                Cz("101;742351.28;1043817.56;251.34;roh plotu\r\n102;742360.05;1043822.91;"
                   "251.12;\r\n103;742372.40;1043830.17;250.98;sloup\r\n104;742380.66;"
                   "1043812.03;251.40;šachta\r\n"));
    okno.Mrizka()->setCurrentCell(1, 4);
    QApplication::processEvents();
    s.Uloz(&okno, "zapis-souradnic-oddelovac");
    okno.hide(); // not closed: that would write the settings
}

// The communication settings dialog on a machine with COM1 and COM3 free, COM2 held by
// another program, a USB converter as COM5 and an instrument's own USB port as COM6 that the
// user may not open; the link at the settings a first start gives.
void SnimekNastaveniKomunikace(TSnimkovac& s) {
    TZpravyOken zpravy;
    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [] {
        return std::unique_ptr<TCekaniNaData>();
    };
    prostredi.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    prostredi.Zpravy = &zpravy;
    TComDriver driver(std::move(prostredi));
    driver.SetBaudRate(br9600);
    TFormComConfig dialog(
        nullptr, driver,
        [](int n) {
            return n == 2             ? TSpPortState::psInUse
                   : n <= 3 || n == 5 ? TSpPortState::psFree
                   : n == 6           ? TSpPortState::psNoAccess
                                      : TSpPortState::psMissing;
        },
        [](int count) {
            std::vector<TSpPopisPortu> porty;
            for (int n = 1; n <= count; ++n) {
                TSpPopisPortu p;
                p.Cislo = n;
                if (n <= 4)
                    p.Zarizeni = SpSlozkaZarizeni() + "/ttyS" + std::to_string(n - 1);
                p.Skutecne = p.Zarizeni;
                porty.push_back(p);
            }
            porty[4].Skutecne = SpSlozkaZarizeni() + "/ttyUSB0";
            porty[4].Nazev = "FTDI FT232R USB UART";
            porty[5].Skutecne = SpSlozkaZarizeni() + "/ttyACM0";
            porty[5].Nazev = "USB Serial Device";
            return porty;
        });
    s.Uloz(&dialog, "nastaveni-komunikace");
}

// The measurement view of the guide's example (docs/navod/priklad: a traverse of two stations
// with a backsight to a known point and a face-II foresight), its known point added, point
// 101 selected; then the pages of its protocol as the PDF writes them.
const char* const kPrikladNahledu = "NTS-660\r\n"
                                    "JOB ULICE 12\r\n"
                                    "NAME NOVAK\r\n"
                                    "UNITS M,G\r\n"
                                    "DATE 09.12.2026 08:30\r\n"
                                    "STN 4001,1.550\r\n"
                                    "XYZ 744210.000,1041350.000,285.400\r\n"
                                    "BS 4002,1.600\r\n"
                                    "SD 231.4308,99.4826,92.211\r\n"
                                    "SS 101,1.600,ROH\r\n"
                                    "SD 324.0515,98.9890,30.222\r\n"
                                    "SS 102,1.600,PLOT\r\n"
                                    "SD 8.3681,100.3958,40.228\r\n"
                                    "SS 103,1.600,PLOT\r\n"
                                    "SD 111.2286,101.0008,36.901\r\n"
                                    "SS 104,1.600,ROH\r\n"
                                    "SD 373.6407,100.4165,50.471\r\n"
                                    "FS 4003,1.600\r\n"
                                    "SD 343.4934,100.3556,80.635\r\n"
                                    "FS 4003,1.600\r\n"
                                    "SD 143.4934,299.6444,80.635\r\n"
                                    "STN 4003,1.500\r\n"
                                    "BS 4001,1.600\r\n"
                                    "SD 356.9480,99.5266,80.636\r\n"
                                    "SS 105,1.600,ROH\r\n"
                                    "SD 142.1556,100.4727,29.636\r\n"
                                    "SS 106,2.000,STROM\r\n"
                                    "SD 57.4445,98.1561,36.599\r\n"
                                    "SS 107,1.600,ROH\r\n"
                                    "SD 254.6589,101.0498,28.507\r\n"
                                    "SS 101,1.600,ROH\r\n"
                                    "SD 367.9988,98.7539,52.615\r\n";

void SnimekNahleduMereni(TSnimkovac& s) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    {
        TIniFile ini(CestaNastaveni());
        TNastaveniMAPA2 n = NactiNastaveniMAPA2(ini);
        n.SouradniceX = "1041400";
        n.SouradniceY = "744200";
        n.Vyska = "285";
        ZapisNastaveniMAPA2(ini, n);
    }
    const auto slozka = std::filesystem::temp_directory_path() / "merivox-snimek-nahled";
    std::filesystem::create_directories(slozka);
    const auto mereni = slozka / "ulice12.sdt";
    const auto zname = slozka / "zname.asc";
    std::ofstream(mereni, std::ios::binary) << kPrikladNahledu;
    std::ofstream(zname, std::ios::binary) << "4002,744150.000,1041420.000,286.100\r\n";

    TFormZaklad zaklad;
    zaklad.show();
    TFormNahledMereni okno(&zaklad, VypocetNahledu(kPrikladNahledu, mereni,
                                                   QString::fromStdU16String(mereni.u16string()),
                                                   TTypStanice::tsNTS660));
    okno.resize(1200, 720);
    okno.show();
    std::filesystem::path odpoved = zname;
    const TVolbaSouboru predchozi = NastavVolbuSouboru(
        [&](QFileDialog&) { return QString::fromStdU16String(odpoved.u16string()); });
    okno.findChild<QPushButton*>("Tl_ZnameBody")->click();
    auto* tabulka = okno.findChild<QTreeWidget*>("TV_Mereni");
    const auto nalezene = tabulka->findItems("101", Qt::MatchExactly | Qt::MatchRecursive);
    if (!nalezene.isEmpty())
        tabulka->setCurrentItem(nalezene.front());
    QApplication::processEvents();
    s.Uloz(&okno, "nahled-mereni");
    if (auto* zalozky = okno.findChild<QTabWidget*>("PageControl")) {
        zalozky->setCurrentIndex(1);
        QApplication::processEvents();
        s.Uloz(&okno, "nahled-mereni-upozorneni");
    }
    // The protocol beside the pictures; scripts/screenshots turns its pages into pictures.
    odpoved = std::filesystem::path(s.Slozka().toStdU16String()) / "nahled-protokol.pdf";
    okno.findChild<QPushButton*>("Tl_UlozProtokol")->click();
    NastavVolbuSouboru(predchozi);
    std::filesystem::remove_all(slozka);
}

} // namespace

const TSnimekOkna kSnimkyOken[] = {
    {"zaklad", SnimekZakladu},
    {"zaklad-komunikace", SnimekZakladuSNabidkou},
    {"o-programu", SnimekOProgramu},
    {"param-mapa2", SnimekParametruMAPA2},
    {"param-mapa2-zpravy", SnimekZpravParametruMAPA2},
    {"vysledek-konverze", SnimekVysledkuKonverze},
    {"cekam-na-data", SnimekCekamNaData},
    {"nactena-data", SnimekNactenychDat},
    {"zapis-souradnic-bodu", SnimekZapisuSouradnicBodu},
    {"zapis-kodu", SnimekZapisuKodu},
    {"nactena-data-neulozeno", SnimekNeulozenychDat},
    {"zapis-spatne-body", SnimekSpatnychBodu},
    {"zapis-kodu-oddelovac", SnimekOddelovaceKodu},
    {"nastaveni-komunikace", SnimekNastaveniKomunikace},
    {"nahled-mereni", SnimekNahleduMereni},
    {"cekam-na-data-nts350", SnimekCekaniNTS350},
    {"nacteni-neuplna-data", SnimekNeuplnychDat},
    {"nactena-data-nts350-konverze", SnimekNelzePrevest},
    {"nacteni-datove-bity-4", SnimekCtyrDatovychBitu},
    {"zapis-souradnic-oddelovac", SnimekOddelovaceBodu},
};
const int kPocetSnimkuOken = int(std::size(kSnimkyOken));

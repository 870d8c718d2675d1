#include "SlozkaTestu.h"

#include "conversion/CteckaRadku.h"
#include "conversion/Slova.h"

#include <gtest/gtest.h>

#include <random>

namespace {
std::vector<std::string> VsechnyRadky(TCteckaRadku& r) {
    std::vector<std::string> radky;
    std::string_view radek;
    while (r.Dalsi(radek))
        radky.emplace_back(radek);
    return radky;
}
using R = std::vector<std::string>;
} // namespace

TEST(CteckaRadku, AcceptsCrLfLoneCrAndLoneLf) {
    TCteckaRadku r(TText{"A\r\nB\rC\nD\r\r\nE"});
    EXPECT_EQ(VsechnyRadky(r), (R{"A", "B", "C", "D", "", "E"}));
    TCteckaRadku prazdny(TText{""});
    EXPECT_EQ(VsechnyRadky(prazdny), R{});
    TCteckaRadku jenKonec(TText{"\r\n"});
    EXPECT_EQ(VsechnyRadky(jenKonec), R{""});
}

TEST(CteckaRadku, PushBackYieldsTheSameLineAndKeepsItsNumber) {
    TCteckaRadku r(TText{"A\r\nB\r\n"});
    std::string_view radek;
    ASSERT_TRUE(r.Dalsi(radek));
    ASSERT_TRUE(r.Dalsi(radek));
    EXPECT_EQ(r.Cislo(), 2u);
    r.Vrat();
    ASSERT_TRUE(r.Dalsi(radek));
    EXPECT_EQ(radek, "B");
    EXPECT_EQ(r.Cislo(), 2u);
    EXPECT_FALSE(r.Dalsi(radek));
    r.Zacatek();
    ASSERT_TRUE(r.Dalsi(radek));
    EXPECT_EQ(radek, "A");
    EXPECT_EQ(r.Cislo(), 1u);
}

TEST(CteckaRadku, BytesPassUntouchedIncludingNulAndCp1250) {
    const std::string text("\x8E\x00\xFF x\r\n", 6);
    TCteckaRadku r(TText{text});
    EXPECT_EQ(VsechnyRadky(r), R{std::string("\x8E\x00\xFF x", 5)});
}

class CteckaRadkuSouboru : public TSlozkaTestu {};

// Lines longer than the read chunk and CR LF pairs split across chunks come out whole,
// and a file reads exactly like the same text in memory.
TEST_F(CteckaRadkuSouboru, LargeFileReadsLikeMemory) {
    std::string text;
    for (int i = 0; i < 40000; ++i) {
        text += "SS " + std::to_string(i) + ",1.500";
        text += (i % 3 == 0) ? "\r\n" : (i % 3 == 1 ? "\n" : "\r");
    }
    text += std::string(700000, 'x') + "\r\nEND";
    const auto cesta = slozka_ / "velky.sdt";
    ZapisSoubor(cesta, text);
    for (std::size_t posun : {0, 1, 262143, 262144}) {
        const std::string posunuty = std::string(posun, 'a') + "\r\n" + text;
        ZapisSoubor(cesta, posunuty);
        TCteckaRadku pamet(TText{posunuty});
        TCteckaRadku soubor(cesta);
        ASSERT_TRUE(soubor.Otevreno());
        EXPECT_EQ(soubor.Velikost(), posunuty.size());
        const auto ocekavane = VsechnyRadky(pamet);
        EXPECT_EQ(VsechnyRadky(soubor), ocekavane) << "offset " << posun;
        soubor.Zacatek();
        EXPECT_EQ(VsechnyRadky(soubor), ocekavane) << "after rewinding";
        // The byte check gets the same bytes uncut, from where the reader stands.
        soubor.Zacatek();
        std::string_view radek;
        ASSERT_TRUE(soubor.Dalsi(radek));
        std::string kusy(radek);
        kusy += "\r\n";
        for (std::string_view kus; soubor.DalsiKus(kus);)
            kusy += kus;
        EXPECT_EQ(kusy, posunuty) << "offset " << posun;
    }
}

// A held line and all lines after it keep their bytes however many chunks are read after
// them (a record keeps views, not copies); a new hold lets the older buffers be filled again.
TEST_F(CteckaRadkuSouboru, HeldLinesStayWhileLaterChunksAreRead) {
    std::string text;
    for (int i = 0; i < 60000; ++i)
        text += "SS " + std::to_string(i) + std::string(i == 30000 ? 600000 : 90, 'n') + "\n";
    const auto cesta = slozka_ / "drzeny.sdt";
    ZapisSoubor(cesta, text);
    TCteckaRadku pamet(TText{text});
    const auto ocekavane = VsechnyRadky(pamet);
    TCteckaRadku soubor(cesta);
    std::string_view radek;
    // Some 2,600 lines fill a chunk; line 30001 is longer than two.
    for (std::size_t od : {5u, 10000u, 29995u, 50000u}) {
        while (soubor.Cislo() < od && soubor.Dalsi(radek)) {
        }
        soubor.Drz();
        std::vector<std::string_view> drzene{radek};
        for (int i = 0; i < 8000 && soubor.Dalsi(radek); ++i)
            drzene.push_back(radek);
        for (std::size_t i = 0; i < drzene.size(); ++i)
            ASSERT_EQ(drzene[i], ocekavane[od - 1 + i]) << "held from line " << od;
    }
}

TEST_F(CteckaRadkuSouboru, MissingFileAndFolderDoNotOpen) {
    EXPECT_FALSE(TCteckaRadku(slozka_ / "nic.sdt").Otevreno());
    TCteckaRadku slozka(slozka_);
    EXPECT_FALSE(slozka.Otevreno());
    std::string_view radek;
    EXPECT_FALSE(slozka.Dalsi(radek));
}

// Words and the second word's fields cut in one pass are those cut one after the other, for
// every line of up to nine blanks, commas and letters and for random longer ones, eight bytes
// looked at together (the last ones overlapping those before) or, where the line may be read
// past its end, sixteen.
TEST(RozdelSlovaAPole, CutAsWordsThenFieldsOfTheSecondWord) {
    TKusy slova, pole, ocekavanaSlova, ocekavanaPole;
    auto porovnej = [&](const std::string& radek) {
        RozdelSlova(radek, ocekavanaSlova);
        ocekavanaPole.clear();
        if (ocekavanaSlova.size() >= 2)
            RozdelPole(ocekavanaSlova[1], ocekavanaPole);
        RozdelSlovaAPole(radek, slova, pole);
        EXPECT_EQ(slova, ocekavanaSlova) << '"' << radek << '"';
        EXPECT_EQ(pole, ocekavanaPole) << '"' << radek << '"';
        // Read past its end, where blanks and commas must not count.
        const std::string sPresahem = radek + " , , , , , , , ,";
        RozdelSlovaAPole(std::string_view(sPresahem).substr(0, radek.size()), slova, pole, true);
        EXPECT_EQ(slova, ocekavanaSlova) << '"' << radek << "\" past its end";
        EXPECT_EQ(pole, ocekavanaPole) << '"' << radek << "\" past its end";
    };
    std::string radek;
    for (int delka = 0; delka <= 9; ++delka) {
        int pocet = 1;
        for (int i = 0; i < delka; ++i)
            pocet *= 3;
        for (int kod = 0; kod < pocet; ++kod) {
            radek.clear();
            for (int i = 0, k = kod; i < delka; ++i, k /= 3)
                radek += " ,a"[k % 3];
            porovnej(radek);
        }
    }
    std::mt19937 nahoda(27);
    for (int i = 0; i < 20000; ++i) {
        radek.assign(10 + nahoda() % 40, 'a');
        for (char& znak : radek)
            znak = " ,aa"[nahoda() % 4];
        porovnej(radek);
    }
}

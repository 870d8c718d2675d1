// Conversions into a pipe, which shows what it is given at once and cannot take it back.
#include "../ZaznamRozhrani.h"
#include "SlozkaTestu.h"

#include "conversion/KonverzeSouboru.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

// Asked nothing, a conversion checks a file's text as it converts it, except into a pipe: a
// text found not to be plain ASCII late in a large file would have sent the reader most of an
// output before the whole one.
TEST_F(TSlozkaTestu, APipeGetsTheOutputOnceWhateverTheText) {
    struct TBezOtazek : TZaznamRozhrani {
        bool BezOtazek() const override { return true; }
    };
    std::string text = "NTS-660\r\nSTN 1,1.500\r\n";
    for (int i = 0; i < 30000; ++i)
        text += "SS 3,1.500,KOD\r\nSD 1.0000,90.0000,10.000\r\n";
    text += "NOTE \xD8\r\n"; // a letter of the code page
    const auto vstup = slozka_ / "a.sdt";
    ZapisSoubor(vstup, text);
    TBezOtazek soubor;
    ASSERT_EQ(KonverzeSouboru(vstup, TTypStanice::tsNTS660, soubor).Stav, TStavKonverze::kvHotovo);

    // Held open for reading and writing, the pipe never blocks the conversion's opening it,
    // however often; a thread drains it until the conversion is over.
    const auto roura = slozka_ / "roura";
    ASSERT_EQ(mkfifo(roura.c_str(), 0600), 0);
    const int konec = open(roura.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(konec, 0);
    std::atomic<bool> hotovo = false;
    std::string precteno;
    std::thread ctenar([&] {
        char blok[1 << 16];
        for (;;) {
            pollfd p{konec, POLLIN, 0};
            const bool hotovoPred = hotovo;
            if (poll(&p, 1, 20) > 0)
                if (const auto n = read(konec, blok, sizeof blok); n > 0) {
                    precteno.append(blok, std::size_t(n));
                    continue;
                }
            if (hotovoPred)
                return;
        }
    });
    TBezOtazek r;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r, TCilKonverze{roura, nullptr});
    hotovo = true;
    ctenar.join();
    close(konec);
    EXPECT_EQ(v.Stav, TStavKonverze::kvHotovo);
    // Sizes and a plain comparison: the texts are too long for a readable difference.
    const std::string ocekavano = NactiSoubor(slozka_ / "a.zap");
    EXPECT_EQ(precteno.size(), ocekavano.size());
    EXPECT_TRUE(precteno == ocekavano);
}

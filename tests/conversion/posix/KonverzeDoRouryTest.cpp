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
    // A letter of the code page, late in a large file.
    const std::string text = "NTS-660\r\n" + StaniceSMerenimi(30000) + "NOTE \xD8\r\n";
    const auto vstup = slozka_ / "a.sdt";
    ZapisSoubor(vstup, text);
    TZaznamRozhraniBezOtazek soubor;
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
    TZaznamRozhraniBezOtazek r;
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

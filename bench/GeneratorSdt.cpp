#include "GeneratorSdt.h"

#include <cstdio>
#include <random>

std::string GenerujSdt(std::size_t velikost, unsigned semeno) {
    std::mt19937 nahoda(semeno);
    std::uniform_real_distribution<double> uhel(0, 400), vertikal(85, 115), delka(2, 400);
    std::uniform_int_distribution<int> druh(0, 99);
    std::string text = "NTS-660\r\nJOB BENCH 1\r\nNAME TEAM1\r\nUNITS M,G\r\nATMOS 15 1013\r\n"
                       "DATE 12.05.2003 10:15\r\n";
    text.reserve(velikost + 256);
    char radek[160];
    auto pridej = [&](int n) {
        text.append(radek, std::size_t(n));
    };
    int bod = 1;
    for (int stanice = 1; text.size() < velikost; ++stanice) {
        pridej(std::snprintf(radek, sizeof radek, "STN %d,1.%03d,ST\r\nXYZ %.3f,%.3f,%.3f\r\n",
                             stanice, stanice % 1000, 1001000.0 + stanice, 680000.0 + stanice,
                             320.0 + stanice % 50));
        pridej(std::snprintf(radek, sizeof radek, "BS %d,1.500\r\nSD %.4f,%.4f,%.3f\r\n",
                             stanice - 1, uhel(nahoda), vertikal(nahoda), delka(nahoda)));
        pridej(std::snprintf(radek, sizeof radek, "FS %d,1.500\r\nSD %.4f,%.4f,%.3f\r\n",
                             stanice + 1, uhel(nahoda), vertikal(nahoda), delka(nahoda)));
        for (int i = 0; i < 200 && text.size() < velikost; ++i, ++bod) {
            const int d = druh(nahoda);
            const char* kod = d < 5 ? "#" : (d < 40 ? "PLOT" : (d < 70 ? "ROH" : "STROM"));
            pridej(
                std::snprintf(radek, sizeof radek, "SS %d,1.%03d,%s\r\n", bod, d * 7 % 1000, kod));
            if (d < 80)
                pridej(std::snprintf(radek, sizeof radek, "SD %.4f,%.4f,%.3f\r\n", uhel(nahoda),
                                     vertikal(nahoda), delka(nahoda)));
            else if (d < 90)
                pridej(std::snprintf(radek, sizeof radek, "HD %.4f,%.3f,%.3f\r\n", uhel(nahoda),
                                     delka(nahoda), delka(nahoda) / 50 - 4));
            else
                pridej(std::snprintf(radek, sizeof radek, "HV %.4f,%.4f\r\n", uhel(nahoda),
                                     vertikal(nahoda)));
            if (d % 10 == 3)
                pridej(std::snprintf(radek, sizeof radek, "NOTE P%d\r\n", d));
        }
    }
    return text;
}

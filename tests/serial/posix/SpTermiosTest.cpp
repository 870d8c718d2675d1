#include "serial/posix/SpTermios.h"

#include <gtest/gtest.h>

namespace {

TSpDCB Zaklad() {
    TSpDCB d;
    d.BaudRate = 9600;
    d.ByteSize = 8;
    d.Flags = SpDcbFlag::fBinary | SpDcbFlag::DtrControlEnable | SpDcbFlag::RtsControlEnable;
    d.XonChar = 0x11;
    d.XoffChar = 0x13;
    return d;
}

// A terminal as a fresh device has it: line editing, echo, character translation.
termios Varena() {
    termios t{};
    t.c_iflag = ICRNL | IXON | IXANY | ISTRIP;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    t.c_cflag = CS7 | PARENB | HUPCL;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 5;
    cfsetispeed(&t, B38400);
    cfsetospeed(&t, B38400);
    return t;
}

} // namespace

TEST(SpTermios, EightNoneOneIsRawBytesThatReturnAtOnce) {
    termios t = Varena();
    ASSERT_TRUE(SpDcbNaTermios(Zaklad(), t));
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_TRUE(t.c_cflag & CREAD);
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) << "no line editing or echo";
    EXPECT_FALSE(t.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP | INPCK)) << "CR and DC3 pass as bytes";
    EXPECT_FALSE(t.c_oflag & OPOST) << "CR LF goes out as written";
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
}

// A frame: data bits, parity (0 none, 1 odd, 2 even, 3 mark, 4 space), stop bits (0 one, 1
// one and a half, 2 two), and the flags that must be on and off for it.
struct TRamec {
    const char* Jmeno;
    uint8_t byteSize, parity, stopBits;
    tcflag_t size, on, off;
};

class SpTermiosRamec : public ::testing::TestWithParam<TRamec> {};

TEST_P(SpTermiosRamec, DataBitsParityAndStopBits) {
    const TRamec& p = GetParam();
    const tcflag_t all = PARENB | PARODD | CMSPAR | CSTOPB;
    TSpDCB d = Zaklad();
    d.ByteSize = p.byteSize;
    d.Parity = p.parity;
    d.StopBits = p.stopBits;
    termios t = Varena();
    ASSERT_TRUE(SpDcbNaTermios(d, t));
    EXPECT_EQ(t.c_cflag & CSIZE, p.size);
    EXPECT_EQ(t.c_cflag & all & p.on, p.on);
    EXPECT_EQ(t.c_cflag & p.off, 0u);
    // Reading the settings back gives the same record.
    const TSpDCB zpet = SpTermiosNaDcb(t, d);
    EXPECT_EQ(zpet.ByteSize, p.byteSize);
    EXPECT_EQ(zpet.Parity, p.parity);
    EXPECT_EQ(zpet.StopBits, p.stopBits);
}

INSTANTIATE_TEST_SUITE_P(
    Ramce, SpTermiosRamec,
    ::testing::Values(TRamec{"Sedm_Suda_Jeden", 7, 2, 0, CS7, PARENB, PARODD | CMSPAR | CSTOPB},
                      TRamec{"Sedm_Licha_Dva", 7, 1, 2, CS7, PARENB | PARODD | CSTOPB, CMSPAR},
                      TRamec{"Osm_Mark_Jeden", 8, 3, 0, CS8, PARENB | PARODD | CMSPAR, CSTOPB},
                      TRamec{"Osm_Space_Jeden", 8, 4, 0, CS8, PARENB | CMSPAR, PARODD | CSTOPB},
                      TRamec{"Sest_Zadna_Dva", 6, 0, 2, CS6, CSTOPB, PARENB | PARODD | CMSPAR},
                      // one and a half stop bits exist only with 5 data bits
                      TRamec{"Pet_Zadna_JedenAPul", 5, 0, 1, CS5, CSTOPB, PARENB}),
    [](const auto& radek) { return std::string(radek.param.Jmeno); });

TEST(SpTermios, FlowControlAndCharacters) {
    TSpDCB d = Zaklad();
    d.Flags |= SpDcbFlag::fOutX | SpDcbFlag::fInX | SpDcbFlag::fParity;
    d.XonChar = 'Q';
    d.XoffChar = 'S';
    termios t = Varena();
    ASSERT_TRUE(SpDcbNaTermios(d, t));
    EXPECT_TRUE(t.c_iflag & IXON);
    EXPECT_TRUE(t.c_iflag & IXOFF);
    EXPECT_FALSE(t.c_iflag & IXANY);
    EXPECT_TRUE(t.c_iflag & INPCK);
    EXPECT_EQ(t.c_cc[VSTART], 'Q');
    EXPECT_EQ(t.c_cc[VSTOP], 'S');
    EXPECT_FALSE(t.c_cflag & CRTSCTS);

    TSpDCB rts = Zaklad();
    rts.Flags = SpDcbFlag::fBinary | SpDcbFlag::fOutxCtsFlow | SpDcbFlag::RtsControlHandshake;
    termios t2 = Varena();
    ASSERT_TRUE(SpDcbNaTermios(rts, t2));
    EXPECT_TRUE(t2.c_cflag & CRTSCTS);
    EXPECT_FALSE(t2.c_iflag & (IXON | IXOFF));
    const TSpDCB zpet = SpTermiosNaDcb(t2, Zaklad());
    EXPECT_EQ(zpet.Flags & SpDcbFlag::fRtsControlMask, SpDcbFlag::RtsControlHandshake);
    EXPECT_TRUE(zpet.Flags & SpDcbFlag::fOutxCtsFlow);
}

TEST(SpTermios, WhatTheSystemCannotDoIsRefusedAndLeavesTheSettings) {
    const termios puvodni = Varena();
    auto odmitne = [&](TSpDCB d) {
        termios t = puvodni;
        const bool ok = SpDcbNaTermios(d, t);
        EXPECT_EQ(cfgetospeed(&t), cfgetospeed(&puvodni));
        EXPECT_EQ(t.c_lflag, puvodni.c_lflag);
        return !ok;
    };
    for (uint32_t baud : {14400u, 56000u, 128000u, 256000u, 0u, 12345u}) {
        TSpDCB d = Zaklad();
        d.BaudRate = baud;
        EXPECT_TRUE(odmitne(d)) << baud;
    }
    TSpDCB ctyri = Zaklad();
    ctyri.ByteSize = 4;
    EXPECT_TRUE(odmitne(ctyri));
    TSpDCB jedenapul = Zaklad();
    jedenapul.StopBits = 1; // with 8 data bits
    EXPECT_TRUE(odmitne(jedenapul));
    TSpDCB parita = Zaklad();
    parita.Parity = 5;
    EXPECT_TRUE(odmitne(parita));
}

TEST(SpTermios, EveryListedRateThatPosixHasIsTaken) {
    for (uint32_t baud :
         {110u, 300u, 600u, 1200u, 2400u, 4800u, 9600u, 19200u, 38400u, 57600u, 115200u}) {
        TSpDCB d = Zaklad();
        d.BaudRate = baud;
        termios t = Varena();
        ASSERT_TRUE(SpDcbNaTermios(d, t)) << baud;
        EXPECT_EQ(SpTermiosNaDcb(t, Zaklad()).BaudRate, baud);
    }
}

// The port component as the link driver uses it, through a pseudo-terminal (or whatever the
// system's TestLinka gives) mapped to COM ports in a settings file of the test's own.
#include "serial/SpComPort.h"
#include "serial/SledovaneUi.h"
#include "serial/SpChyby.h"
#include "serial/SpDevices.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

// The test thread is the user-interface thread.
struct ComPortTest : ::testing::Test, TProstrediPortu<TSledovaneUi> {
    std::unique_ptr<TTestLinka> linka = VytvorTestLinku();
    std::vector<std::string> deje;

    ComPortTest() { nastaveni.Mapuj(3, linka->Zarizeni()); }
    ~ComPortTest() override { ui.ProcessPosted(); } // while `deje` still exists
    void Sleduj(TSpComPort& port) {
        port.OnPortOpen = [this](TSpCustomSerialPort&) {
            deje.push_back("open");
        };
        port.OnPortClose = [this](TSpCustomSerialPort&) {
            deje.push_back("close");
        };
    }
    bool Zpracuj(const std::function<bool()>& podminka) { return ui.ProcessUntil(podminka, 10s); }
};

std::string ChybaOtevreni(TSpComPort& port) {
    try {
        port.Open();
    } catch (const ESpComPortCoreError& e) {
        return e.what();
    }
    return "opened";
}

} // namespace

TEST_F(ComPortTest, TheConstructorsPropertiesMakeFlagWord0x1011AndDtrFalse0x1001) {
    TSpComPort port;
    EXPECT_EQ(port.DCB().Flags, 0x1011u);
    EXPECT_EQ(port.DCB().BaudRate, 115200u);
    EXPECT_EQ(port.DCB().ByteSize, 8);
    EXPECT_EQ(port.DCB().XonChar, 17);
    EXPECT_EQ(port.DCB().XoffChar, 19);
    EXPECT_EQ(port.DCB().DCBlength, 28u);

    port.SetDTR(false);
    EXPECT_EQ(port.DCB().Flags, 0x1011u) << "DTR does not rebuild the DCB";
    port.SetBaudRate(br115200);
    EXPECT_EQ(port.DCB().Flags, 0x1011u) << "the same baud rate rebuilds nothing";
    port.SetBaudRate(br9600);
    EXPECT_EQ(port.DCB().Flags, 0x1001u);
    EXPECT_EQ(port.DCB().BaudRate, 9600u);

    port.SetUserBaudRate(1234);
    EXPECT_EQ(port.BaudRate(), brUser);
    EXPECT_EQ(port.DCB().BaudRate, 1234u);
    port.SetBaudRate(br4800);
    EXPECT_EQ(port.UserBaudRate(), 0);

    port.SetParity(paMark);
    port.SetDatabits(db7);
    port.SetStopbits(sbTwo);
    port.SetOptions({coParityCheck, coStripNull});
    EXPECT_EQ(port.DCB().Parity, 3);
    EXPECT_EQ(port.DCB().ByteSize, 7);
    EXPECT_EQ(port.DCB().StopBits, 2);
    EXPECT_EQ(port.DCB().Flags, 0x1001u | 0x2u | 0x800u);
}

TEST_F(ComPortTest, FlowControlSetsItsBitsAndTheThresholds) {
    TSpComPort port;
    port.SetFlowControl(fwXOnXOff);
    EXPECT_EQ(port.XOnLim(), 1024);
    EXPECT_EQ(port.XOffLim(), 3072);
    EXPECT_EQ(port.DCB().XonLim, 1024);
    EXPECT_EQ(port.DCB().Flags, 0x1011u | 0x300u);
    port.SetFlowControl(fwRtsCts);
    EXPECT_EQ(port.DCB().Flags, 0x2004u | 0x10u | 0x1u) << "RTS is the handshake now";
    port.SetFlowControl(fwDtrDsr);
    EXPECT_EQ(port.DCB().Flags, 0x28u | 0x1000u | 0x1u);
    port.SetFlowControl(fwNone);
    EXPECT_EQ(port.XOnLim(), 0);
    EXPECT_EQ(port.XOffLim(), 0);
    port.SetInBufSize(1000);
    port.SetXOnLim(100);
    EXPECT_EQ(port.XOffLim(), 900);
    EXPECT_EQ(port.DCB().XonLim, 0) << "thresholds enter the DCB at the next rebuild";
}

TEST_F(ComPortTest, OpenErrorsHaveTheirExactTextsAndLeaveThePortClosed) {
    TSpComPort port;
    Sleduj(port);
    port.SetComNumber(0);
    EXPECT_EQ(ChybaOtevreni(port), "Invalid port number (COM0)");
    port.SetComNumber(7); // mapped to a path that does not exist
    EXPECT_EQ(ChybaOtevreni(port), "Invalid port number (COM7)");
    port.SetComNumber(11); // neither mapped nor covered by the default rule
    EXPECT_EQ(ChybaOtevreni(port), "Invalid port number (COM11)");

    if (const std::string proc = linka->Nelze(TSchopnostLinky::slVyhradniPouziti); !proc.empty())
        GTEST_SKIP() << proc;
    TSpComPort drzitel;
    drzitel.SetComNumber(3);
    drzitel.Open();
    port.SetComNumber(3);
    EXPECT_EQ(ChybaOtevreni(port), "Can't open device COM3");
    EXPECT_FALSE(port.Active());
    EXPECT_TRUE(deje.empty()) << "no OnPortOpen after a failed open";

    std::vector<bool> kurzor;
    TSpCustomSerialPort::HourglassHook = [&](bool busy) {
        kurzor.push_back(busy);
    };
    ChybaOtevreni(port);
    drzitel.Close();
    EXPECT_EQ(ChybaOtevreni(port), "opened");
    TSpCustomSerialPort::HourglassHook = nullptr;
    EXPECT_EQ(kurzor, (std::vector<bool>{true, false, true, false})) << "restored on failure too";
}

TEST_F(ComPortTest, ADevicePathOpensDirectlyAndErrorsNameIt) {
    TSpComPort port;
    port.SetDevicePath(linka->ChybejiciZarizeni());
    EXPECT_EQ(ChybaOtevreni(port), "Invalid port number (" + linka->ChybejiciZarizeni() + ")");
    port.SetDevicePath(linka->Zarizeni());
    EXPECT_EQ(ChybaOtevreni(port), "opened");
    EXPECT_EQ(SpDevicePath(3), linka->Zarizeni()) << "section Devices maps COM3";
}

TEST_F(ComPortTest, WriteErrorsForTooMuchAndForAClosedPort) {
    TSpComPort port;
    port.SetComNumber(3);
    const std::string velky(2049, 'x');
    try {
        port.WriteString("abc");
        FAIL();
    } catch (const ESpComPortError& e) {
        EXPECT_STREQ(e.what(), "Write data error [requested: 3, free: 0] -  ");
    }
    port.WriteString(""); // nothing to write: nothing happens, also when closed
    port.Open();
    try {
        port.WriteString(velky);
        FAIL();
    } catch (const ESpComPortError& e) {
        EXPECT_STREQ(e.what(), "Write data error [requested: 2049, free: 2048] -  ");
    }
    EXPECT_EQ(linka->Prijmi(30ms, 1), "") << "a refused block sends nothing";
    const std::string plny(2048, 'y');
    port.WriteString(plny);
    EXPECT_EQ(linka->Prijmi(10s, 2048), plny);

    port.Name = "ComPort1";
    try {
        port.SetInBufSize(8192);
        FAIL();
    } catch (const ESpComPortError& e) {
        EXPECT_STREQ(e.what(), "Port is not closed - ComPort1 ");
    }
    EXPECT_EQ(port.InBufSize(), 4096);
    EXPECT_THROW(port.SetOutBufSize(4096), ESpComPortError);
}

TEST_F(ComPortTest, ReceivedDataArriveOnTheUserInterfaceThread) {
    TSpComPort port;
    port.SetComNumber(3);
    std::string prijato;
    std::vector<std::thread::id> vlakna;
    port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
        vlakna.push_back(std::this_thread::get_id());
        prijato += p.ReadString();
        p.PurgeInput();
    };
    EXPECT_EQ(port.ReadString(), "") << "closed";
    port.Open();
    EXPECT_EQ(port.ReadString(), "") << "nothing waiting";
    ASSERT_TRUE(linka->Posli("DATA\x04\r\n"));
    ASSERT_TRUE(Zpracuj([&] { return prijato.size() >= 7; }));
    EXPECT_EQ(prijato, "DATA\x04\r\n");
    for (std::thread::id id : vlakna)
        EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(ComPortTest, WaitingInputIsDeliveredByThePollWhenNoReceiveEventComes) {
    TSpComPort port;
    port.SetComNumber(3);
    port.SetCoreTiming({.Poll = 20ms});
    std::vector<TSpCoreEvent> druhy;
    int32_t pocet = -1;
    port.OnSyncEvent = [&](TSpCustomSerialPort&, TSpCoreEvent kind, uint32_t) {
        druhy.push_back(kind);
    };
    port.OnDataRecived = [&](TSpCustomSerialPort&, int32_t count) {
        pocet = count;
    };
    // Receive events arrive, but the handler reads nothing: the poll reports the bytes again.
    port.Open();
    ASSERT_TRUE(linka->Posli("xyz"));
    ASSERT_TRUE(Zpracuj([&] {
        for (TSpCoreEvent k : druhy)
            if (k == TSpCoreEvent::ekInputWaiting)
                return true;
        return false;
    }));
    EXPECT_EQ(pocet, 3);
    EXPECT_EQ(druhy.front(), TSpCoreEvent::ekLineEvents);
}

TEST_F(ComPortTest, NoEventReachesTheProgramAfterClose) {
    TSpComPort port;
    port.SetComNumber(3);
    int poZavreni = 0;
    bool zavreno = false;
    port.OnDataRecived = [&](TSpCustomSerialPort&, int32_t) {
        poZavreni += zavreno ? 1 : 0;
    };
    port.Open();
    const int predtim = ui.Posted();
    ASSERT_TRUE(linka->Posli("before"));
    ASSERT_TRUE(ui.CekejNaPosted(predtim + 1)); // the event waits, posted, for this thread
    port.Close();
    zavreno = true;
    port.Open(); // a call posted during the earlier opening must not run now either
    ui.ProcessPosted();
    port.Close();
    linka->Posli("after"); // bytes reaching a closed port: no thread is left to report them
    ui.ProcessPosted();
    EXPECT_EQ(poZavreni, 0);
}

TEST_F(ComPortTest, ChangingComNumberWhileOpenReopensOnTheNewPort) {
    auto druha = VytvorTestLinku();
    nastaveni.Mapuj(4, druha->Zarizeni());
    TSpComPort port;
    Sleduj(port);
    port.SetComNumber(3);
    port.Open();
    port.SetComNumber(3);
    EXPECT_EQ(deje, (std::vector<std::string>{"open"})) << "the same number does nothing";
    port.SetComNumber(4);
    EXPECT_EQ(deje, (std::vector<std::string>{"open", "close", "open"}));
    EXPECT_TRUE(port.Active());
    port.WriteString("to four");
    EXPECT_EQ(druha->Prijmi(10s, 7), "to four");
    if (linka->Nelze(TSchopnostLinky::slStavPripojeni).empty()) {
        EXPECT_FALSE(linka->Pripojeno()) << "the first port was released";
    }

    EXPECT_THROW(port.SetComNumber(7), ESpComPortCoreError); // missing: closed, then the error
    EXPECT_EQ(deje.back(), "close");
    EXPECT_EQ(port.ComNumber(), 7);
    port.Close();
    EXPECT_EQ(deje.back(), "close") << "Close on a closed port raises OnPortClose all the same";
    EXPECT_EQ(std::count(deje.begin(), deje.end(), "close"), 3);
}

TEST_F(ComPortTest, DtrFalseWhileOpenLeavesTheDcbUntilTheNextRebuild) {
    TSpComPort port;
    port.SetComNumber(3);
    port.Open();
    port.SetDTR(false);
    EXPECT_FALSE(port.DTR());
    EXPECT_EQ(port.DCB().Flags, 0x1011u);
    port.SetParity(paEven); // rebuilds, and the open device takes it
    EXPECT_EQ(port.DCB().Flags, 0x1001u);
    EXPECT_EQ(port.DCB().Parity, 2);
}

TEST_F(ComPortTest, ARefusedSettingLeavesThePropertiesAndTheDeviceAgreeing) {
    TSpComPort port;
    if (const std::string proc = linka->Nelze(TSchopnostLinky::slOdmitnutiRychlosti); !proc.empty())
        GTEST_SKIP() << proc;
    port.SetComNumber(3);
    port.Open();
    EXPECT_THROW(port.SetUserBaudRate(12345), ESpComPortCoreError);
    EXPECT_EQ(port.BaudRate(), br115200);
    EXPECT_EQ(port.UserBaudRate(), 0);
    EXPECT_EQ(port.DCB().BaudRate, 115200u) << "what the device really has";
    EXPECT_TRUE(port.Active());
    // The next setting starts from what the device has, not from the refused rate.
    EXPECT_NO_THROW(port.SetParity(paEven));
    EXPECT_EQ(port.Parity(), paEven);
    EXPECT_EQ(port.DCB().BaudRate, 115200u);
}

TEST_F(ComPortTest, CloseFromInsideTheDataHandlerDoesNotWaitForTheSyncTimeout) {
    TSpComPort port;
    port.SetComNumber(3);
    // A sync call that waited for its time-out would hold this test for an hour.
    port.SetSyncTimeout(std::chrono::hours(1));
    bool zavreno = false;
    port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
        p.ReadString();
        p.Close();
        zavreno = true;
    };
    port.Open();
    ASSERT_TRUE(linka->Posli("\x04\r\n"));
    ASSERT_TRUE(Zpracuj([&] { return zavreno; }));
    EXPECT_FALSE(port.Active());
    // And the port opens again for the next command.
    zavreno = false;
    port.Open();
    ASSERT_TRUE(linka->Posli("\x13\x11"));
    ASSERT_TRUE(Zpracuj([&] { return zavreno; }));
}

TEST_F(ComPortTest, AnExceptionOfAHandlerIsShownAndTheEventsGoOn) {
    TSpComPort port;
    port.SetComNumber(3);
    std::vector<std::string> zpravy;
    ui.OnException = [&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            zpravy.push_back(x.what());
        }
    };
    int behy = 0;
    port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
        ++behy;
        p.ReadString();
        throw std::runtime_error("handler failed");
    };
    port.Open();
    linka->Posli("a");
    ASSERT_TRUE(Zpracuj([&] { return behy >= 1; }));
    linka->Posli("b");
    ASSERT_TRUE(Zpracuj([&] { return behy >= 2; }));
    ASSERT_GE(zpravy.size(), 1u);
    EXPECT_EQ(zpravy.front(), "handler failed");
}

// What Wine (8.0, as Debian 12 ships it) does with the Win32 comm functions on a COM port that
// leads to a pseudo-terminal: the ground the Win32 serial backend stands on when its tests run
// here. Where Wine differs from Windows the test says so and asserts what Wine does, so that a
// Wine that changes shows up here first; docs/windows.md ("What Wine emulates") draws the
// consequences for the backend.
//
// The fixture wine_ports (merivox-ptypair) joins COM5 and COM6 like a null-modem cable and makes
// COM7 a line that hangs up when written to; COM8 has no pseudo-terminal behind it.
#include "OddeleniTestu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int kPortA = 5, kPortB = 6, kHangup = 7, kUnmapped = 8;
constexpr DWORD kCoreMask = 441;    // EV_RXCHAR | EV_CTS | EV_DSR | EV_RLSD | EV_ERR | EV_RING
constexpr DWORD kDeadlineMs = 5000; // only ever a limit for something expected to happen

std::string PortName(int n) {
    return "\\\\.\\COM" + std::to_string(n);
}

HANDLE OpenPort(int n, bool overlapped = true) {
    return CreateFileA(PortName(n).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
}

class THandle {
public:
    explicit THandle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle() { Close(); }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    void Close() {
        if (valid())
            CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_;
};

// An OVERLAPPED record with its manual-reset event, as the core's threads keep them.
struct TOverlapped {
    OVERLAPPED o{};
    TOverlapped() { o.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    TOverlapped(const TOverlapped&) = delete;
    TOverlapped& operator=(const TOverlapped&) = delete;
    ~TOverlapped() { CloseHandle(o.hEvent); }
    bool Signalled(DWORD ms = 0) const {
        return WaitForSingleObject(o.hEvent, ms) == WAIT_OBJECT_0;
    }
};

// The open sequence of the core after CreateFileA: timeouts for reads that return with what is
// there, queue sizes, event mask, line settings.
bool Configure(HANDLE h, DWORD mask = kCoreMask) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!SetCommTimeouts(h, &timeouts) || !SetupComm(h, 4096, 2048) || !SetCommMask(h, mask) ||
        !GetCommState(h, &dcb))
        return false;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    return SetCommState(h, &dcb);
}

// An overlapped write waited for to its end; the count written.
DWORD WriteAll(HANDLE h, const std::string& data) {
    TOverlapped ov;
    DWORD n = 0;
    if (!WriteFile(h, data.data(), DWORD(data.size()), &n, &ov.o) &&
        (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(h, &ov.o, &n, TRUE)))
        return 0;
    return n;
}

struct TStatus {
    DWORD errors = 0;
    COMSTAT stat{};
    bool ok = false;
};

TStatus Status(HANDLE h) {
    TStatus s;
    s.ok = ClearCommError(h, &s.errors, &s.stat);
    return s;
}

// Waits until the input queue holds at least n bytes (or the deadline passes).
DWORD WaitForInput(HANDLE h, DWORD n) {
    DWORD queued = 0;
    for (DWORD waited = 0; waited < kDeadlineMs; waited += 10) {
        queued = Status(h).stat.cbInQue;
        if (queued >= n)
            break;
        Sleep(10);
    }
    return queued;
}

// Reads what is queued, never more: under Wine a read on an empty queue does not return.
std::string ReadQueued(HANDLE h) {
    const DWORD queued = Status(h).stat.cbInQue;
    std::string data(queued, '\0');
    if (queued == 0)
        return data;
    TOverlapped ov;
    DWORD n = 0;
    if (!ReadFile(h, data.data(), queued, &n, &ov.o) &&
        (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(h, &ov.o, &n, TRUE)))
        n = 0;
    data.resize(n);
    return data;
}

std::string ReadExactly(HANDLE h, std::size_t count) {
    std::string data;
    for (DWORD waited = 0; data.size() < count && waited < kDeadlineMs; waited += 10) {
        data += ReadQueued(h);
        if (data.size() < count)
            Sleep(10);
    }
    return data;
}

// Runs this test program again with arguments (see main) and gives its exit code.
DWORD RunSelf(const std::string& arguments) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return DWORD(-1);
    WaitForSingleObject(process.hProcess, 20000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

// COM5 and COM6 opened and configured as the core opens a port, with both lines quiet.
class WineSerial : public ::testing::Test {
protected:
    void SetUp() override {
        a_ = std::make_unique<THandle>(OpenPort(kPortA));
        b_ = std::make_unique<THandle>(OpenPort(kPortB));
        ASSERT_TRUE(a_->valid()) << "COM5: " << GetLastError() << " (is the fixture running?)";
        ASSERT_TRUE(b_->valid()) << "COM6: " << GetLastError();
        ASSERT_TRUE(Configure(a())) << GetLastError();
        ASSERT_TRUE(Configure(b())) << GetLastError();
        Drain();
    }
    // Reads away whatever an earlier test left on the line, until it stays quiet.
    void Drain() {
        for (int quiet = 0, i = 0; quiet < 5 && i < 1000; ++i) {
            const bool any = !ReadQueued(a()).empty() + !ReadQueued(b()).empty();
            quiet = any ? 0 : quiet + 1;
            Sleep(20);
        }
    }
    HANDLE a() const { return a_->get(); }
    HANDLE b() const { return b_->get(); }
    std::unique_ptr<THandle> a_, b_;
};

} // namespace

TEST_F(WineSerial, OpenSequenceOfTheCoreSucceedsAndSettingsReadBack) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(a(), &dcb));
    EXPECT_EQ(dcb.BaudRate, DWORD(CBR_9600));
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(GetFileType(a()), DWORD(FILE_TYPE_CHAR));
    COMMTIMEOUTS timeouts{};
    ASSERT_TRUE(GetCommTimeouts(a(), &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 0u);
    // Any rate is taken, standard or not.
    dcb.BaudRate = 115200;
    EXPECT_TRUE(SetCommState(a(), &dcb));
    dcb.BaudRate = 12345;
    EXPECT_TRUE(SetCommState(a(), &dcb));
    // Too few data bits are refused, and the settings stay readable.
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 4;
    EXPECT_FALSE(SetCommState(a(), &dcb));
    EXPECT_TRUE(GetCommState(a(), &dcb));
}

TEST_F(WineSerial, EveryByteValuePassesBothWaysAndQueueCountsAreExact) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    for (auto [from, to] : {std::pair{a(), b()}, std::pair{b(), a()}}) {
        ASSERT_EQ(WriteAll(from, all), 256u);
        EXPECT_EQ(WaitForInput(to, 256), 256u);
        const TStatus status = Status(to);
        ASSERT_TRUE(status.ok);
        EXPECT_EQ(status.errors, 0u) << "a pseudo-terminal has no line errors";
        EXPECT_EQ(Status(from).stat.cbOutQue, 0u) << "Wine counts no output queue on a pty";
        // A read of fewer bytes than are queued takes just those, at once.
        TOverlapped ov;
        std::string part(100, '\0');
        DWORD n = 0;
        ASSERT_TRUE(ReadFile(to, part.data(), 100, &n, &ov.o));
        EXPECT_EQ(n, 100u);
        // A read of more than is queued returns at once with what is there.
        std::string rest(1000, '\0');
        ASSERT_TRUE(ReadFile(to, rest.data(), 1000, &n, &ov.o));
        rest.resize(n);
        EXPECT_EQ(part + rest, all);
    }
}

TEST_F(WineSerial, ReadOnAnEmptyQueuePendsUntilDataOrCancel) {
    // Windows completes this read at once with 0 bytes (read interval MAXDWORD, totals 0).
    // Wine keeps it pending until data arrives; a purge does not end it, CancelIoEx does, also
    // from another thread.
    TOverlapped ov;
    char buffer[16];
    DWORD n = 0;
    ASSERT_FALSE(ReadFile(b(), buffer, sizeof buffer, &n, &ov.o));
    ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    ASSERT_EQ(WriteAll(a(), "12"), 2u);
    ASSERT_TRUE(ov.Signalled(kDeadlineMs));
    ASSERT_TRUE(GetOverlappedResult(b(), &ov.o, &n, FALSE));
    EXPECT_EQ(std::string(buffer, n), "12");

    ResetEvent(ov.o.hEvent);
    ASSERT_FALSE(ReadFile(b(), buffer, sizeof buffer, &n, &ov.o));
    ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    EXPECT_TRUE(PurgeComm(b(), PURGE_RXABORT | PURGE_RXCLEAR));
    Sleep(100);
    EXPECT_FALSE(GetOverlappedResult(b(), &ov.o, &n, FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_INCOMPLETE)) << "the purge did not abort the read";
    const HANDLE port = b();
    OVERLAPPED* record = &ov.o;
    BOOL cancelled = FALSE;
    std::thread([&] { cancelled = CancelIoEx(port, record); }).join();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(GetOverlappedResult(b(), &ov.o, &n, TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_OPERATION_ABORTED));
}

TEST_F(WineSerial, ModemLineEventsInTheMaskMakeEveryWaitUnsupported) {
    // SetCommMask takes them, but a wait that includes CTS, DSR, RLSD or RING needs the modem
    // lines, which a pty does not have: WaitCommEvent fails at once, also with the core's mask.
    for (DWORD mask : {kCoreMask, DWORD(EV_CTS), DWORD(EV_DSR), DWORD(EV_RLSD), DWORD(EV_RING)}) {
        ASSERT_TRUE(SetCommMask(b(), mask));
        TOverlapped ov;
        DWORD events = 0;
        EXPECT_FALSE(WaitCommEvent(b(), &events, &ov.o)) << mask;
        EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED)) << mask;
    }
    // Without them the wait starts.
    for (DWORD mask :
         {DWORD(EV_RXCHAR), DWORD(EV_RXCHAR | EV_ERR | EV_BREAK | EV_RXFLAG), DWORD(EV_TXEMPTY)}) {
        ASSERT_TRUE(SetCommMask(b(), mask));
        TOverlapped ov;
        DWORD events = 0;
        const BOOL started = WaitCommEvent(b(), &events, &ov.o);
        EXPECT_TRUE(started || GetLastError() == ERROR_IO_PENDING) << mask;
        if (!started) {
            SetCommMask(b(), 0);
            DWORD n = 0;
            GetOverlappedResult(b(), &ov.o, &n, TRUE);
        }
    }
}

TEST_F(WineSerial, PendingLineEventWaitEndsAbortedWithinMomentsWithoutEvents) {
    // On Windows a pending wait ends when an event comes (or with mask 0 when SetCommMask
    // changes the mask). Under Wine it ends by itself within milliseconds, line quiet or not,
    // as aborted: GetOverlappedResult fails with ERROR_OPERATION_ABORTED and the mask is 0.
    ASSERT_TRUE(SetCommMask(b(), EV_RXCHAR | EV_ERR));
    for (int round = 0; round < 3; ++round) {
        TOverlapped ov;
        DWORD events = 0xFFFF, n = 0;
        ASSERT_FALSE(WaitCommEvent(b(), &events, &ov.o));
        ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
        if (round == 1)
            WriteAll(a(), "x"); // with data coming in
        if (round == 2)
            SetCommMask(b(), EV_RXCHAR | EV_ERR); // as close would with mask 0
        ASSERT_TRUE(ov.Signalled(kDeadlineMs)) << round;
        EXPECT_FALSE(GetOverlappedResult(b(), &ov.o, &n, FALSE)) << round;
        EXPECT_EQ(GetLastError(), DWORD(ERROR_OPERATION_ABORTED)) << round;
        EXPECT_EQ(events, 0u) << "no event reported, round " << round;
        Drain();
    }
}

TEST_F(WineSerial, WaitCompletesAtOnceForAsLongAsInputIsUnread) {
    // Windows reports EV_RXCHAR once per arrival; Wine reports it for as long as bytes are
    // queued, so every new wait completes at once until they are read.
    ASSERT_TRUE(SetCommMask(b(), EV_RXCHAR | EV_ERR));
    ASSERT_EQ(WriteAll(a(), "xyz"), 3u);
    ASSERT_EQ(WaitForInput(b(), 3), 3u);
    for (int i = 0; i < 3; ++i) {
        TOverlapped ov;
        DWORD events = 0;
        ASSERT_TRUE(WaitCommEvent(b(), &events, &ov.o)) << GetLastError();
        EXPECT_EQ(events, DWORD(EV_RXCHAR));
    }
    EXPECT_EQ(ReadExactly(b(), 3), "xyz");
    TOverlapped ov;
    DWORD events = 0, n = 0;
    EXPECT_FALSE(WaitCommEvent(b(), &events, &ov.o));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING)) << "nothing queued: the wait pends";
    GetOverlappedResult(b(), &ov.o, &n, TRUE);
}

TEST_F(WineSerial, PurgeEmptiesTheInputQueue) {
    ASSERT_EQ(WriteAll(a(), "abcdef"), 6u);
    ASSERT_EQ(WaitForInput(b(), 6), 6u);
    EXPECT_TRUE(PurgeComm(b(), PURGE_RXABORT | PURGE_RXCLEAR));
    EXPECT_EQ(Status(b()).stat.cbInQue, 0u);
    ASSERT_EQ(WriteAll(a(), "g"), 1u);
    EXPECT_EQ(ReadExactly(b(), 1), "g") << "only what came after the purge";
    EXPECT_TRUE(PurgeComm(a(), PURGE_TXABORT | PURGE_TXCLEAR));
}

TEST_F(WineSerial, WriteTheLineCannotTakePendsAndOnlyCancelIoExEndsIt) {
    // The peer reads nothing: the pty takes 4095 bytes, the relay up to 64 KiB more.
    const std::string block(200000, 'x');
    TOverlapped ov;
    DWORD n = 0;
    ASSERT_FALSE(WriteFile(a(), block.data(), DWORD(block.size()), &n, &ov.o));
    ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    EXPECT_GT(WaitForInput(b(), 4095), 0u);
    EXPECT_EQ(Status(a()).stat.cbOutQue, 0u);
    // Windows aborts the write with PURGE_TXABORT; Wine answers TRUE and leaves it pending.
    EXPECT_TRUE(PurgeComm(a(), PURGE_TXABORT | PURGE_TXCLEAR));
    Sleep(100);
    EXPECT_FALSE(GetOverlappedResult(a(), &ov.o, &n, FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_INCOMPLETE));
    // The core's writer issued it on its own thread: only CancelIoEx reaches it from another.
    const HANDLE port = a();
    OVERLAPPED* record = &ov.o;
    BOOL cancelled = FALSE;
    std::thread([&] { cancelled = CancelIoEx(port, record); }).join();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(GetOverlappedResult(a(), &ov.o, &n, TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_OPERATION_ABORTED));
    Drain();
}

TEST_F(WineSerial, SevenBitFramingIsTakenButThePtyStaysEightBitNoParity) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(a(), &dcb));
    dcb.ByteSize = 7;
    dcb.Parity = EVENPARITY;
    dcb.fParity = TRUE;
    EXPECT_TRUE(SetCommState(a(), &dcb));
    ASSERT_TRUE(GetCommState(a(), &dcb));
    EXPECT_EQ(dcb.ByteSize, 8) << "Linux keeps a pty at CS8";
    EXPECT_EQ(dcb.Parity, NOPARITY);
    // The eighth bit is neither stripped nor replaced by parity.
    ASSERT_EQ(WriteAll(a(), "\xC1\x41"), 2u);
    EXPECT_EQ(ReadExactly(b(), 2), "\xC1\x41");
    dcb.ByteSize = 8;
    dcb.StopBits = TWOSTOPBITS;
    dcb.Parity = NOPARITY;
    EXPECT_TRUE(SetCommState(a(), &dcb));
    ASSERT_TRUE(GetCommState(a(), &dcb));
    EXPECT_EQ(dcb.StopBits, TWOSTOPBITS) << "stop bits are kept";
}

TEST_F(WineSerial, DtrAndRtsAreNotSupportedOnAPty) {
    // SetCommState with DTR and RTS enabled worked (Configure); switching them does not.
    for (DWORD function : {DWORD(SETDTR), DWORD(CLRDTR), DWORD(SETRTS), DWORD(CLRRTS)}) {
        EXPECT_FALSE(EscapeCommFunction(a(), function)) << function;
        EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED)) << function;
    }
    for (DWORD function : {DWORD(SETXOFF), DWORD(SETXON), DWORD(SETBREAK), DWORD(CLRBREAK)})
        EXPECT_TRUE(EscapeCommFunction(a(), function)) << function;
    DWORD modem = 0;
    EXPECT_FALSE(GetCommModemStatus(a(), &modem));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
}

TEST(WineSerialOpen, ABusyPortOpensAgainFromAnyProcess) {
    // Windows refuses a second open of a COM port (ERROR_ACCESS_DENIED). Wine does not keep
    // exclusive use: a second handle opens in this process and in another one.
    THandle first(OpenPort(kPortA));
    ASSERT_TRUE(first.valid()) << GetLastError();
    THandle second(OpenPort(kPortA));
    EXPECT_TRUE(second.valid());
    THandle plain(OpenPort(kPortA, false));
    EXPECT_TRUE(plain.valid());
    EXPECT_EQ(RunSelf("--open 5"), 0u);
}

TEST(WineSerialOpen, PortsWithoutADeviceOpenAsHandlesThatAreNoSerialPort) {
    // Windows answers ERROR_FILE_NOT_FOUND for a port that does not exist. Wine opens any port
    // COM1..COM255 of the prefix, even one whose device is missing, and gives a handle that is
    // no character device and on which every comm function fails.
    THandle unmapped(OpenPort(kUnmapped));
    ASSERT_TRUE(unmapped.valid());
    EXPECT_EQ(GetFileType(unmapped.get()), DWORD(FILE_TYPE_UNKNOWN));
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    EXPECT_FALSE(GetCommState(unmapped.get(), &dcb));
    COMMTIMEOUTS timeouts{};
    EXPECT_FALSE(SetCommTimeouts(unmapped.get(), &timeouts));
    // Numbers past the ports Wine knows are missing as on Windows.
    EXPECT_FALSE(THandle(OpenPort(300)).valid());
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    // COM256, which Wine would give to the machine's first real serial device, is blocked.
    EXPECT_FALSE(THandle(OpenPort(256)).valid());
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST(WineSerialOpen, HangUpEndsAPendingReadAndFailsEverythingAfter) {
    THandle port(OpenPort(kHangup));
    ASSERT_TRUE(port.valid()) << GetLastError();
    ASSERT_TRUE(Configure(port.get()));
    TOverlapped ov;
    char buffer[16];
    DWORD n = 0;
    ASSERT_FALSE(ReadFile(port.get(), buffer, sizeof buffer, &n, &ov.o));
    ASSERT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    ASSERT_EQ(WriteAll(port.get(), "H"), 1u); // the other side hangs up on it
    ASSERT_TRUE(ov.Signalled(kDeadlineMs));
    EXPECT_FALSE(GetOverlappedResult(port.get(), &ov.o, &n, FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_BROKEN_PIPE));
    DWORD errors = 0;
    COMSTAT stat{};
    EXPECT_FALSE(ClearCommError(port.get(), &errors, &stat));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_READY));
    EXPECT_EQ(WriteAll(port.get(), "again"), 0u);
    DWORD events = 0;
    TOverlapped wait;
    EXPECT_FALSE(WaitCommEvent(port.get(), &events, &wait.o));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_READY));
}

// "--open N": open COM N and close it again; the exit code is 0 or the error code.
int main(int argc, char** argv) {
    // As in every test program: the serial layer's device names and the settings file lie in
    // a fresh empty folder of this process's own.
    OddelTestyOdZarizeni();
    if (argc == 3 && std::string(argv[1]) == "--open") {
        const HANDLE h = OpenPort(std::atoi(argv[2]));
        if (h == INVALID_HANDLE_VALUE)
            return int(GetLastError());
        CloseHandle(h);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The port on a POSIX system: a terminal device in raw mode, opened non-blocking.
//
// A terminal reports "bytes readable" as a level, not as the arrival of bytes, so a wait that
// only polled the device would return again and again until someone read. This backend keeps
// the device's input queue itself: the line-event wait moves what arrives into the queue and
// reports a receive event once per arrival, as a Win32 driver does. Reads and the status query
// then serve from that queue first. When the queue is full the wait stops taking bytes (they
// stay in the kernel) until a read makes room.
//
// Waits can be ended from other threads through two self-pipes: one for the line-event wait
// (Wake, and clearing the event mask), one for the writer's wait for the device (CancelWrite).
// A hang-up (the other end closed, the adapter pulled) is reported once as a carrier change
// with an I/O error, and the device is not polled again, so nothing spins on it.
#include "serial/SpBackend.h"
#include "serial/SpCircularBuffer.h"
#include "serial/posix/SpChybaOtevreniPosix.h"
#include "serial/posix/SpTermios.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

class TSamoPipe {
public:
    bool Otevri() {
        if (pipe(fd_) != 0)
            return false;
        for (int fd : fd_) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        return true;
    }
    void Zavri() {
        for (int& fd : fd_) {
            if (fd >= 0)
                close(fd);
            fd = -1;
        }
    }
    void Signal() {
        const char b = 1;
        [[maybe_unused]] ssize_t n = write(fd_[1], &b, 1); // a full pipe is signalled already
    }
    void Vyprazdni() {
        char b[64];
        while (read(fd_[0], b, sizeof b) > 0) {
        }
    }
    int Cteni() const { return fd_[0]; }

private:
    int fd_[2] = {-1, -1};
};

class TSpBackendPosix final : public TSpBackend {
public:
    ~TSpBackendPosix() override { Close(); }

    TSpOpenError Open(const std::string& path) override {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return SpChybaOtevreniPosix(errno);
        char skutecna[PATH_MAX];
        pseudoTerminal_ = realpath(path.c_str(), skutecna) != nullptr &&
                          std::string(skutecna).rfind("/dev/pts/", 0) == 0;
        if (!isatty(fd_)) {
            Close();
            return TSpOpenError::oeNotDevice;
        }
        // TIOCEXCL keeps other programs out, except root; the lock is what every program
        // that respects it (this one included) sees, root or not.
        if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            Close();
            return TSpOpenError::oeBusy;
        }
        ioctl(fd_, TIOCEXCL);
        if (!wake_.Otevri() || !cancel_.Otevri()) {
            Close();
            return TSpOpenError::oeBusy;
        }
        return TSpOpenError::oeNone;
    }

    bool SetTimeouts() override { return true; } // non-blocking device, VMIN = VTIME = 0

    bool SetupQueues(uint32_t inputSize, uint32_t) override {
        std::lock_guard lock(queueLock_);
        queue_ =
            std::make_unique<TSpCircularBuffer>(static_cast<int32_t>(inputSize ? inputSize : 1));
        return true;
    }

    bool SetEventMask(uint32_t mask) override {
        mask_ = mask;
        wake_.Signal();
        return true;
    }

    bool SetState(const TSpDCB& dcb) override {
        termios t{};
        if (tcgetattr(fd_, &t) != 0)
            return false;
        const termios puvodni = t;
        if (!SpDcbNaTermios(dcb, t))
            return false;
        if (tcsetattr(fd_, TCSANOW, &t) != 0) {
            // A pseudo-terminal has no wire to frame characters on; recent systems refuse a
            // size or parity other than its own. It keeps its own, and everything else applies.
            if (!pseudoTerminal_ || errno != EINVAL)
                return false;
            t.c_cflag = (t.c_cflag & ~SpBityZnaku()) | (puvodni.c_cflag & SpBityZnaku());
            if (tcsetattr(fd_, TCSANOW, &t) != 0)
                return false;
        }
        dcb_ = dcb;
        const uint32_t dtr = dcb.Flags & SpDcbFlag::fDtrControlMask;
        const uint32_t rts = dcb.Flags & SpDcbFlag::fRtsControlMask;
        if (dtr != SpDcbFlag::DtrControlHandshake)
            Escape(dtr == SpDcbFlag::DtrControlEnable ? SpEscape::SetDtr : SpEscape::ClrDtr);
        if (rts != SpDcbFlag::RtsControlHandshake && rts != SpDcbFlag::RtsControlToggle)
            Escape(rts == SpDcbFlag::RtsControlEnable ? SpEscape::SetRts : SpEscape::ClrRts);
        return true;
    }

    bool GetState(TSpDCB& dcb) override {
        termios t{};
        if (tcgetattr(fd_, &t) != 0)
            return false;
        dcb = SpTermiosNaDcb(t, dcb_);
        return true;
    }

    TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool watchLine,
                            uint32_t& mask) override {
        mask = 0;
        if (mask_ == 0)
            return TSpWaitResult::wrEvents;
        pollfd fds[2] = {{wake_.Cteni(), POLLIN, 0}, {fd_, POLLIN, 0}};
        const bool watchDevice = watchLine && !hungUp_ && QueueHasRoom();
        const int n = poll(fds, watchDevice ? 2 : 1, static_cast<int>(timeout.count()));
        if (n < 0)
            return errno == EINTR ? TSpWaitResult::wrWoken : TSpWaitResult::wrFailed;
        if (n == 0)
            return TSpWaitResult::wrTimeout;
        const uint32_t wanted = mask_;
        if (fds[0].revents) {
            wake_.Vyprazdni();
            if (wanted == 0)
                return TSpWaitResult::wrEvents; // the mask was cleared: the wait ends with 0
        }
        if (watchDevice && fds[1].revents) {
            bool hangUp = (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
            if (fds[1].revents & POLLIN) {
                const int got = FillQueue();
                if (got > 0) {
                    mask |= SpLineEvent::RxChar & wanted;
                    hangUp = false; // take the rest first; the next wait sees the hang-up
                } else if (got < 0 && errno != EAGAIN && errno != EINTR) {
                    hangUp = true;
                }
                // Nothing read without a hang-up flag: a read on another thread took the
                // bytes first (a raw terminal then reads 0); the line is still there.
            }
            if (hangUp) {
                hungUp_ = true;
                errors_ |= SpLineError::IoError;
                mask |= (SpLineEvent::Rlsd | SpLineEvent::Err) & wanted;
            }
        }
        return mask != 0 ? TSpWaitResult::wrEvents : TSpWaitResult::wrWoken;
    }

    void Wake() override { wake_.Signal(); }

    int32_t Read(uint8_t* buffer, int32_t count) override {
        std::lock_guard lock(queueLock_);
        int32_t done = 0;
        bool wasFull = false;
        if (queue_) {
            wasFull = queue_->Free() == 0;
            while (done < count && queue_->Used() > 0) {
                const int32_t piece = std::min(count - done, queue_->ContiguousUsed());
                std::copy_n(queue_->ReadPointer(), piece, buffer + done);
                queue_->Remove(piece);
                done += piece;
            }
        }
        bool selhalo = false;
        if (done < count && !hungUp_) {
            const ssize_t n = read(fd_, buffer + done, static_cast<size_t>(count - done));
            if (n > 0)
                done += static_cast<int32_t>(n);
            else
                selhalo = n < 0 && errno != EAGAIN && errno != EINTR;
        }
        if (wasFull)
            wake_.Signal(); // the wait may take bytes from the device again
        // Bytes already taken are delivered; the failure shows again at the next read.
        return done == 0 && selhalo ? -1 : done;
    }

    int32_t Write(const uint8_t* data, int32_t count, bool& woken) override {
        woken = false;
        int32_t done = 0;
        while (done < count) {
            const ssize_t n = write(fd_, data + done, static_cast<size_t>(count - done));
            if (n > 0) {
                done += static_cast<int32_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno != EAGAIN)
                return done;
            pollfd fds[2] = {{fd_, POLLOUT, 0}, {cancel_.Cteni(), POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR)
                return done;
            if (fds[1].revents) {
                cancel_.Vyprazdni();
                woken = true;
                return done;
            }
            if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
                return done;
        }
        return done;
    }

    void CancelWrite() override { cancel_.Signal(); }

    bool ClearError(uint32_t& errors, TSpComStat& status) override {
        errors = errors_.exchange(0);
        status = {};
        {
            // Both counts under the lock the event thread holds while it moves bytes from the
            // device into the queue: otherwise bytes moved in between are counted twice.
            std::lock_guard lock(queueLock_);
            int waiting = 0;
            if (!hungUp_ && ioctl(fd_, FIONREAD, &waiting) == 0 && waiting > 0)
                status.InQueue = static_cast<uint32_t>(waiting);
            if (queue_)
                status.InQueue += static_cast<uint32_t>(queue_->Used());
        }
        int pending = 0;
        if (!hungUp_ && ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0)
            status.OutQueue = static_cast<uint32_t>(pending);
        return true;
    }

    bool Purge(uint32_t flags) override {
        bool ok = true;
        if (flags & (SpPurge::RxAbort | SpPurge::RxClear)) {
            std::lock_guard lock(queueLock_);
            if (queue_)
                queue_->Clear();
            ok = (tcflush(fd_, TCIFLUSH) == 0 || hungUp_) && ok;
        }
        // A pseudo-terminal has no transmitter to hold bytes back: what was written is on its
        // way to the other end, and a flush would throw away what that end has not read yet.
        if ((flags & (SpPurge::TxAbort | SpPurge::TxClear)) && !pseudoTerminal_)
            ok = (tcflush(fd_, TCOFLUSH) == 0 || hungUp_) && ok;
        return ok;
    }

    bool Escape(uint32_t code) override {
        int bits = 0;
        unsigned long request = 0;
        switch (code) {
        case SpEscape::SetRts:
            bits = TIOCM_RTS;
            request = TIOCMBIS;
            break;
        case SpEscape::ClrRts:
            bits = TIOCM_RTS;
            request = TIOCMBIC;
            break;
        case SpEscape::SetDtr:
            bits = TIOCM_DTR;
            request = TIOCMBIS;
            break;
        case SpEscape::ClrDtr:
            bits = TIOCM_DTR;
            request = TIOCMBIC;
            break;
        default:
            return false;
        }
        if (ioctl(fd_, request, &bits) == 0)
            return true;
        // A pseudo-terminal has no modem lines: nothing to do is not a failure.
        return errno == ENOTTY || errno == EINVAL;
    }

    void Close() override {
        if (fd_ >= 0) {
            ioctl(fd_, TIOCNXCL);
            close(fd_); // releases the lock too
            fd_ = -1;
        }
        wake_.Zavri();
        cancel_.Zavri();
    }

private:
    bool QueueHasRoom() {
        std::lock_guard lock(queueLock_);
        return queue_ && queue_->Free() > 0;
    }

    // Moves what the device holds into the queue: the count, 0 at end of file, -1 with errno.
    int FillQueue() {
        std::lock_guard lock(queueLock_);
        uint8_t chunk[4096];
        const int32_t room = std::min<int32_t>(queue_->Free(), sizeof chunk);
        const ssize_t n = read(fd_, chunk, static_cast<size_t>(room));
        if (n > 0)
            queue_->Put(chunk, static_cast<int32_t>(n));
        return static_cast<int>(n);
    }

    int fd_ = -1;
    bool pseudoTerminal_ = false;
    TSamoPipe wake_;
    TSamoPipe cancel_;
    std::atomic<uint32_t> mask_{0};
    std::atomic<uint32_t> errors_{0};
    std::atomic<bool> hungUp_{false};
    std::mutex queueLock_;
    std::unique_ptr<TSpCircularBuffer> queue_;
    TSpDCB dcb_;
};

} // namespace

std::unique_ptr<TSpBackend> SpCreateBackend() {
    return std::make_unique<TSpBackendPosix>();
}

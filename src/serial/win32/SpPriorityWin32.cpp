// The seven priorities map one to one onto the Win32 thread priority levels.
#include "serial/SpBackend.h"

#include <pthread.h>
#include <windows.h>

bool SpApplyThreadPriority(std::thread& thread, TSpThreadPriority priority) {
    static const int levels[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                                 THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                                 THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                 THREAD_PRIORITY_TIME_CRITICAL};
    if (!thread.joinable())
        return false;
    HANDLE handle = reinterpret_cast<HANDLE>(pthread_gethandle(thread.native_handle()));
    return handle != nullptr &&
           SetThreadPriority(handle, levels[static_cast<int>(priority)]) != FALSE;
}

#include "platform/mfc/afxmt.h"

#include <chrono>

BOOL CCriticalSection::Lock(DWORD dwTimeout) {
    std::unique_lock<std::mutex> guard(m_mutex);
    auto self = std::this_thread::get_id();
    if (m_depth > 0 && m_owner == self) {
        ++m_depth;
        return TRUE;
    }
    auto isFree = [this] { return m_depth == 0; };
    if (dwTimeout == INFINITE) {
        m_released.wait(guard, isFree);
    } else if (!m_released.wait_for(guard, std::chrono::milliseconds(dwTimeout), isFree)) {
        return FALSE;
    }
    m_owner = self;
    m_depth = 1;
    return TRUE;
}

BOOL CCriticalSection::Unlock() {
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_depth == 0 || m_owner != std::this_thread::get_id()) {
        return FALSE;
    }
    if (--m_depth == 0) {
        m_owner = std::thread::id();
        m_released.notify_one();
    }
    return TRUE;
}

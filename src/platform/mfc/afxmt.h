// CCriticalSection and CSingleLock. A critical section is recursive, as on Windows: the
// owning thread may lock it again and must unlock it as often. Unlock by a thread that does
// not own it returns FALSE and changes nothing.
#pragma once

#include "platform/crt/wintypes.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#ifndef INFINITE
#define INFINITE 0xFFFFFFFF
#endif

class CSyncObject {
public:
    virtual ~CSyncObject() = default;
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};

class CCriticalSection : public CSyncObject {
public:
    CCriticalSection() = default;
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    BOOL Lock() { return Lock(INFINITE); }
    // FALSE when dwTimeout milliseconds pass before the section is free.
    BOOL Lock(DWORD dwTimeout) override;
    BOOL Unlock() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    std::thread::id m_owner;
    unsigned m_depth = 0;
};

class CSingleLock {
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE) : m_pObject(pObject) {
        if (bInitialLock) {
            Lock();
        }
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // Locks once at most: a second Lock while locked returns TRUE without locking again.
    BOOL Lock(DWORD dwTimeout = INFINITE) {
        if (m_pObject == nullptr) {
            return FALSE;
        }
        if (!m_bAcquired) {
            m_bAcquired = m_pObject->Lock(dwTimeout);
        }
        return m_bAcquired;
    }
    BOOL Unlock() {
        if (m_bAcquired && m_pObject != nullptr) {
            m_bAcquired = !m_pObject->Unlock();
        }
        return !m_bAcquired;
    }
    BOOL IsLocked() const { return m_bAcquired; }

private:
    CSyncObject* m_pObject;
    BOOL m_bAcquired = FALSE;
};

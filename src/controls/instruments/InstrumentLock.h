// The re-entrant lock of an instrument control, shared by the control and its
// property objects: setters hold it while they change values, drawing holds it
// while it reads them. Drawing only tries it: when another thread holds the lock,
// that paint draws nothing and the next one catches up.
#pragma once

#include <mutex>

namespace sk::instruments {

class InstrumentLock {
public:
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }
    bool try_lock() { return m_mutex.try_lock(); }

private:
    std::recursive_mutex m_mutex;
};

}  // namespace sk::instruments

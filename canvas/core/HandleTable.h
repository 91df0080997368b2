#pragma once
// Every control and host is known by a 32-bit handle, also on 64-bit builds,
// so that handles fit message arguments, timer ids and 32-bit fields. The
// table maps a handle to its live object; reading through a stale or unknown
// handle finds nothing instead of reading freed memory.

#include <cstdint>

namespace canvas {

using Handle = std::uint32_t;

// Base of everything the table can hand out a handle for.
class HandleObject {
public:
    virtual ~HandleObject() = default;
};

class HandleTable {
public:
    // A new handle for obj; never 0 and never one that is still alive.
    static Handle Add(HandleObject* obj);
    static void Remove(Handle handle);
    static HandleObject* Find(Handle handle);

    template <class T>
    static T* Get(Handle handle) {
        return dynamic_cast<T*>(Find(handle));
    }
};

}  // namespace canvas

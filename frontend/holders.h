// Owners of what the engine library hands out, released on every way out of
// a scope: an engine, an item record held outside a truckload, and a text the
// library allocated for the caller.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace velmora::frontend {

// An engine of its own: GetSizeOf_Engine bytes, Init_Engine on creation,
// Destroy_Engine and the storage freed on destruction.
class EngineHolder {
public:
    EngineHolder() : engine_(static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine()))))
    {
        if (!engine_)
            throw std::bad_alloc();
        Init_Engine(engine_);
    }
    ~EngineHolder()
    {
        Destroy_Engine(engine_);
        std::free(engine_);
    }
    EngineHolder(const EngineHolder &) = delete;
    EngineHolder &operator=(const EngineHolder &) = delete;
    Engine *get() const { return engine_; }
    Load *load() const { return GetLoad_Engine(engine_); }

private:
    Engine *engine_;
};

// An item record outside a truckload, bound to `pid` (0: unbound).  The
// engine needs at most 256 bytes; Reset_Hazmat(item, 0) releases what it owns.
class ItemHolder {
public:
    explicit ItemHolder(int pid = 0) { bound_ = Init_Hazmat(get(), pid) != 0; }
    ~ItemHolder() { Reset_Hazmat(get(), 0); }
    ItemHolder(const ItemHolder &) = delete;
    ItemHolder &operator=(const ItemHolder &) = delete;
    Hazmat *get() { return reinterpret_cast<Hazmat *>(storage_); }
    // Whether Init_Hazmat bound the item to its PID.
    bool bound() const { return bound_; }

private:
    alignas(std::max_align_t) unsigned char storage_[256];
    bool bound_ = false;
};

// A text the library allocated for the caller, released with qv_free.
struct LibraryFree {
    void operator()(char *text) const { qv_free(text); }
};
using LibraryText = std::unique_ptr<char, LibraryFree>;

} // namespace velmora::frontend

// This program's operator delete: the default one unless a
// TFreedMemoryPoison is alive. The engine and the toolkit are linked in
// statically, so their deletes come here too.
#include "freed_memory.h"

#include <malloc.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

bool Poisoning = false;
SRWLOCK Lock = SRWLOCK_INIT; // other threads free memory too
// The blocks held back, in memory of its own: operator new must not be
// called from inside operator delete.
void** Held = nullptr;
std::size_t HeldCount = 0, HeldRoom = 0;

bool HoldLocked(void* block) {
    if (HeldCount == HeldRoom) {
        const std::size_t room = HeldRoom ? HeldRoom * 2 : 4096;
        void* grown = std::realloc(Held, room * sizeof(void*));
        if (!grown) return false;
        Held = static_cast<void**>(grown);
        HeldRoom = room;
    }
    Held[HeldCount++] = block;
    return true;
}

bool Hold(void* block) {
    AcquireSRWLockExclusive(&Lock);
    const bool held = HoldLocked(block);
    ReleaseSRWLockExclusive(&Lock);
    return held;
}

} // namespace

TFreedMemoryPoison::TFreedMemoryPoison() {
    Poisoning = true;
}

TFreedMemoryPoison::~TFreedMemoryPoison() {
    Poisoning = false;
    AcquireSRWLockExclusive(&Lock);
    for (std::size_t i = 0; i < HeldCount; ++i)
        std::free(Held[i]);
    std::free(Held);
    Held = nullptr;
    HeldCount = HeldRoom = 0;
    ReleaseSRWLockExclusive(&Lock);
}

void operator delete(void* block) noexcept {
    if (!block) return;
    if (Poisoning) {
        std::memset(block, kFreedByte, _msize(block));
        if (Hold(block)) return;
    }
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

void operator delete[](void* block) noexcept {
    ::operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    ::operator delete(block);
}

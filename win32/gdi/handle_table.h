#pragma once

// A fixed table of GDI records addressed by handle values. A handle encodes
//   bits 0..11  the slot,
//   bits 12..15 the kind (pen, brush, font, device context),
//   bits 16..31 the slot's generation (never 0),
// so every handle is at least 0x10000: it never equals NULL nor a system colour index + 1, which
// FillRect and class backgrounds accept in place of a brush. Freeing a slot bumps its generation,
// which turns every copy of the old handle stale: a lookup refuses it instead of reaching the
// slot's next occupant.

#include <array>
#include <cstdint>
#include <utility>

namespace w32::gdi {

enum class HandleKind : std::uint8_t { None = 0, Pen = 1, Brush = 2, Font = 3, Dc = 4 };

using HandleValue = std::uintptr_t;

constexpr HandleKind kindOfHandle(HandleValue value) {
    return value < 0x10000 || value > 0xFFFFFFFFu ? HandleKind::None
                                                  : static_cast<HandleKind>((value >> 12) & 0xF);
}

template <typename Record, int Capacity, HandleKind Kind>
class HandleTable {
    static_assert(Capacity > 0 && Capacity <= 0x1000, "the slot has 12 bits");

  public:
    // Stock records are never freed: DeleteObject on them does nothing.
    HandleValue add(Record record, bool stock = false) {
        for (int i = 0; i < Capacity; ++i) {
            Slot& slot = slots_[i];
            if (slot.live) continue;
            slot.record = std::move(record);
            slot.live = true;
            slot.stock = stock;
            return encode(i, slot.generation);
        }
        return 0;
    }

    Record* find(HandleValue value) {
        Slot* slot = slotOf(value);
        return slot ? &slot->record : nullptr;
    }

    bool isStock(HandleValue value) {
        Slot* slot = slotOf(value);
        return slot && slot->stock;
    }

    template <typename Visit>
    void forEachLive(Visit visit) const {
        for (const Slot& slot : slots_) {
            if (slot.live) visit(slot.record);
        }
    }

    // False for a stale handle or a stock record.
    bool remove(HandleValue value) {
        Slot* slot = slotOf(value);
        if (!slot || slot->stock) return false;
        slot->record = Record{};
        slot->live = false;
        slot->generation = static_cast<std::uint16_t>(slot->generation + 1);
        if (slot->generation == 0) slot->generation = 1;
        return true;
    }

  private:
    struct Slot {
        Record record{};
        std::uint16_t generation = 1;
        bool live = false;
        bool stock = false;
    };

    static HandleValue encode(int slot, std::uint16_t generation) {
        return (HandleValue{generation} << 16) |
               (HandleValue{static_cast<std::uint8_t>(Kind)} << 12) |
               static_cast<HandleValue>(slot);
    }

    Slot* slotOf(HandleValue value) {
        if (kindOfHandle(value) != Kind) return nullptr;
        const int index = static_cast<int>(value & 0xFFF);
        if (index >= Capacity) return nullptr;
        Slot& slot = slots_[index];
        if (!slot.live || slot.generation != (value >> 16)) return nullptr;
        return &slot;
    }

    std::array<Slot, Capacity> slots_{};
};

template <typename Handle>
HandleValue handleValue(Handle handle) {
    return reinterpret_cast<HandleValue>(handle);
}

template <typename Handle>
Handle handleFromValue(HandleValue value) {
    return reinterpret_cast<Handle>(value);
}

}  // namespace w32::gdi

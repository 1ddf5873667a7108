#pragma once
// A pool of short texts that repeat in report data (keys, units, flags,
// names of tests): each distinct text is held once and handed out as a
// shared QString. Built for speed: one pass of a cheap hash per lookup.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>
#include <vector>

namespace ky {

// Equality that first asks whether both are the same shared text.
inline bool sameText(const QString& a, QStringView b) {
    return a.size() == b.size() && (a.constData() == b.data() || QStringView(a) == b);
}

class SharedTexts {
public:
    // The pool stops growing at `maxTexts`; texts beyond that are copied.
    explicit SharedTexts(std::size_t maxTexts) : maxTexts_(maxTexts) {}

    QString get(QStringView text) {
        if (text.isEmpty()) return {};
        const std::uint64_t hash = hashOf(text);
        if (slots_.empty()) slots_.resize(kInitialSlots);
        for (std::size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[i];
            if (slot.text.isNull()) break;
            if (slot.hash == hash && QStringView(slot.text) == text) return slot.text;
        }
        QString copy = text.toString();
        if (count_ < maxTexts_) add(hash, copy);
        return copy;
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        QString text;  // null marks a free slot
    };
    static constexpr std::size_t kInitialSlots = 64;

    // Four UTF-16 units at a time, then mixed so that the low bits, which
    // pick the slot, depend on every unit.
    static std::uint64_t hashOf(QStringView text) {
        const char16_t* units = text.utf16();
        std::size_t left = static_cast<std::size_t>(text.size());
        std::uint64_t hash = left * 0x9e3779b97f4a7c15ull;
        for (; left >= 4; left -= 4, units += 4) {
            std::uint64_t word;
            std::memcpy(&word, units, sizeof word);
            hash = (hash ^ word) * 0xff51afd7ed558ccdull;
        }
        for (; left > 0; --left, ++units) hash = (hash ^ *units) * 0xff51afd7ed558ccdull;
        hash ^= hash >> 33;
        hash *= 0xc4ceb9fe1a85ec53ull;
        return hash ^ (hash >> 29);
    }

    void add(std::uint64_t hash, const QString& text) {
        if ((count_ + 1) * 2 > slots_.size()) grow();
        std::size_t i = hash & (slots_.size() - 1);
        while (!slots_[i].text.isNull()) i = (i + 1) & (slots_.size() - 1);
        slots_[i] = Slot{hash, text};  // never empty, so never null
        ++count_;
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (Slot& slot : old) {
            if (slot.text.isNull()) continue;
            std::size_t i = slot.hash & (slots_.size() - 1);
            while (!slots_[i].text.isNull()) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = std::move(slot);
        }
    }

    std::size_t maxTexts_;
    std::size_t count_ = 0;
    std::vector<Slot> slots_;
};

}  // namespace ky

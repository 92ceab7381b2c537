#pragma once

#include <QStringView>
#include <cstddef>
#include <functional>
#include <string_view>

// Hashes for the tables a catalogue fills for each of its rows when it is read or shown. Qt's
// own (qHash, seeded per process) runs through the processor's AES instructions, which on some
// machines, virtual ones among them, cost over 100 ns a key: at 100,000 spells more than the
// engine takes to read them. The standard library's hash of the same bytes costs a few.
struct Utf16Hash {
    std::size_t operator()(QStringView text) const noexcept {
        return std::hash<std::u16string_view>{}(
            std::u16string_view(text.utf16(), std::size_t(text.size())));
    }
};

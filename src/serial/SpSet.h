// A set of the values of one of the component's option enumerations (TSpComOption,
// TSpPortCtlOption), as a property holds it: each value's ordinal is its bit.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <typename TOption> class TSpSet {
    static_assert(std::is_enum_v<TOption>, "a set holds values of an enumeration");

public:
    constexpr TSpSet() = default;
    constexpr TSpSet(std::initializer_list<TOption> options) {
        for (TOption o : options)
            bits_ |= Bit(o);
    }
    constexpr bool Contains(TOption o) const { return (bits_ & Bit(o)) != 0; }
    constexpr bool operator==(const TSpSet&) const = default;

private:
    // Eight bits hold every option of the component's option enumerations.
    static constexpr uint8_t Bit(TOption o) {
        return static_cast<uint8_t>(1u << static_cast<unsigned>(o));
    }
    uint8_t bits_ = 0;
};

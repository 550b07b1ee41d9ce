// Reading a fuzz input as a sequence of fields: bytes, numbers and runs of
// bytes, each taken from the front; an input that runs out gives zeros
// and empty runs, so every input is a valid one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }

    std::uint8_t Byte() {
        std::uint8_t byte = 0;
        Copy(&byte, 1);
        return byte;
    }

    template <typename T>
    T Value() {
        T value{};
        Copy(&value, sizeof value);
        return value;
    }

    // Up to `count` bytes, fewer when the input ends first.
    std::string Run(std::size_t count) {
        std::size_t taken = std::min(count, size_ - std::min(position_, size_));
        std::string bytes(reinterpret_cast<const char*>(data_ + position_), taken);
        position_ += taken;
        return bytes;
    }

    std::string Rest() { return Run(size_); }

private:
    void Copy(void* to, std::size_t count) {
        std::string bytes = Run(count);
        std::memcpy(to, bytes.data(), bytes.size());
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace fuzz

// A firmware driver whose answers come from a fuzz input: each request
// takes one record, a flag byte (bit 0: the request fails) and up to 256
// answer bytes (a short record leaves the rest of the answer zero). With
// the input used up every request fails. So the fuzzer can make cycles of
// handles, structures of any length, strings without terminators and
// drivers that fail after some requests.
#pragma once

#include <cstring>

#include "fuzz_input.h"
#include "ioprobe/structure_walk.h"

namespace fuzz {

class ScriptedStructures final : public ioprobe::StructureSource {
public:
    explicit ScriptedStructures(FuzzInput& input) : input_(input) {}

    bool GetStructure(std::uint32_t, ioprobe::Buffer& answer) override {
        if (input_.Empty()) return false;
        bool fails = (input_.Byte() & 1) != 0;
        std::uint8_t length = input_.Byte();
        std::string bytes = input_.Run(length == 0 ? ioprobe::kBufferSize : length);
        if (fails) return false;
        answer.fill(0);
        std::memcpy(answer.data(), bytes.data(), bytes.size());
        return true;
    }

private:
    FuzzInput& input_;
};

}  // namespace fuzz

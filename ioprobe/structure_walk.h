// The firmware structure table as the programs see it through the IOPROBE
// driver: one request that answers a structure by its handle, and the walk
// that looks for the first structure of a wanted type.
#pragma once

#include <array>
#include <cstdint>

namespace ioprobe {

constexpr std::size_t kBufferSize = 256;
constexpr std::uint32_t kFirstHandle = 0;
constexpr std::uint32_t kLastHandle = 0xFFFF;

// Answer layout: bytes 0-3 the handle of the following structure
// (kLastHandle after the last one), from byte 4 on the structure itself.
constexpr std::size_t kNextHandleOffset = 0;
constexpr std::size_t kTypeOffset = 4;

// A walk ends after this many requests at the latest, so that a driver that
// never answers kLastHandle cannot keep a program in its walk for ever.
constexpr int kMaxWalkRequests = 4096;

using Buffer = std::array<std::uint8_t, kBufferSize>;

// The one request of the driver: fills `answer` with the structure of
// `handle`. Returns false when the request fails.
class StructureSource {
public:
    virtual bool GetStructure(std::uint32_t handle, Buffer& answer) = 0;

protected:
    ~StructureSource() = default;
};

std::uint32_t ReadUint32(const Buffer& buffer, std::size_t offset);

// Walks the table from its first structure for a structure of `type`.
// Returns the handle of the structure found, whose answer is left in
// `answer`; kLastHandle when the request after the last structure succeeds
// without one being found; 0 when a request fails, when the walk comes back
// to a handle it has already asked for, or when it reaches kMaxWalkRequests.
std::uint32_t WalkForType(StructureSource& source, std::uint8_t type, Buffer& answer);

}  // namespace ioprobe

#include "structure_walk.h"

#include <bitset>
#include <memory>

namespace ioprobe {
namespace {

constexpr std::uint32_t kWalkFailed = 0;

// Remembers the 16-bit handles a walk has asked for. Larger handles are not
// remembered; the request limit ends chains of those.
class VisitedHandles {
public:
    // Returns false when `handle` was asked for before.
    bool Visit(std::uint32_t handle) {
        if (handle > kLastHandle) return true;
        if (seen_->test(handle)) return false;
        seen_->set(handle);
        return true;
    }

private:
    std::unique_ptr<std::bitset<kLastHandle + 1>> seen_ =
        std::make_unique<std::bitset<kLastHandle + 1>>();
};

}  // namespace

std::uint32_t ReadUint32(const Buffer& buffer, std::size_t offset) {
    return std::uint32_t{buffer[offset]} | std::uint32_t{buffer[offset + 1]} << 8 |
           std::uint32_t{buffer[offset + 2]} << 16 | std::uint32_t{buffer[offset + 3]} << 24;
}

std::uint32_t WalkForType(StructureSource& source, std::uint8_t type, Buffer& answer) {
    VisitedHandles visited;
    std::uint32_t handle = kFirstHandle;
    for (int request = 0; request < kMaxWalkRequests; ++request) {
        if (!visited.Visit(handle)) return kWalkFailed;
        if (!source.GetStructure(handle, answer)) return kWalkFailed;
        if (answer[kTypeOffset] == type || handle == kLastHandle) return handle;
        handle = ReadUint32(answer, kNextHandleOffset);
    }
    return kWalkFailed;
}

}  // namespace ioprobe

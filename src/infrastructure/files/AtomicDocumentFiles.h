#pragma once

#include "application/ports/DocumentFiles.h"

namespace quorbit {

// User-chosen files through the atomic writer. Holds no state, so any thread may call it.
class AtomicDocumentFiles final : public DocumentFiles {
public:
    void writeAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) override;
    std::optional<std::vector<std::uint8_t>> readWhole(const std::filesystem::path& source,
                                                       std::size_t byteLimit) override;
};

}  // namespace quorbit

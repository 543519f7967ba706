#pragma once

#include <chrono>

#include "domain/SecurityEvent.h"

namespace quorbit::test {

inline constexpr const char* sampleEventAccountId = "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D";

// A copied code of one account, with every optional member set.
inline SecurityEvent sampleAccountEvent() {
    return SecurityEvent{.id = *Uuid::parse("6F9619FF-8B86-4011-B42D-00C04FC964FF"),
                         .kind = SecurityEventKind::codeCopied,
                         .createdAt = TimePoint(std::chrono::seconds(1'767'225'600)),
                         .accountId = Uuid::parse(sampleEventAccountId),
                         .accountLabel = "GitHub",
                         .message = "Code copied",
                         .metadata = {}};
}

}  // namespace quorbit::test

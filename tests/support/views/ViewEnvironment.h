#pragma once

namespace quorbit::test {

// The fixed setting every view test and picture runs in: offscreen platform, UTC, Fusion,
// DejaVu Sans at 13 px and the light theme, whatever the surrounding session offers.
class ViewEnvironment {
public:
    static void prepareProcess();      // before the QApplication exists
    static void prepareApplication();  // right after
};

}  // namespace quorbit::test

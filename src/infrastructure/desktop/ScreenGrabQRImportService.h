#pragma once

#include "application/ports/ScreenQRImportService.h"
#include "infrastructure/desktop/ZXingQRCodeDetector.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbit {

// Reads a QR payload off the screen: pictures of the whole desktop and of each screen, each
// run through the QR detector. X11 grabs the screens directly; a Wayland session gets one
// picture of the desktop through the screenshot portal. Safe to call from any thread: the
// screen grabs themselves hop to the GUI thread, which must not be blocked on this call.
class ScreenGrabQRImportService : public ScreenQRImportService {
public:
    using DisplayId = std::uint32_t;
    using ActiveDisplaysProvider = std::function<std::vector<DisplayId>()>;
    using DisplayImageCapturer = std::function<std::optional<QImage>(DisplayId)>;
    using AggregateSnapshotCapturer = std::function<std::optional<QImage>(const std::vector<DisplayId>&)>;
    using AccessPreflight = std::function<bool()>;

    // Each part can be replaced; the defaults reach the real screens. There is no separate
    // best-resolution capture by default: the X11 grab is already at the screen's own pixels.
    // An empty best-resolution capturer is skipped.
    struct Sources {
        ZXingQRCodeDetector detector;
        ActiveDisplaysProvider activeDisplaysProvider = &activeDisplays;
        DisplayImageCapturer displayImageCapturer = &captureDisplayImage;
        AggregateSnapshotCapturer aggregateSnapshotCapturer = &captureAggregateSnapshot;
        DisplayImageCapturer bestResolutionDisplayImageCapturer;
        AccessPreflight screenCaptureAccessPreflight = &hasScreenCaptureAccess;
    };

    ScreenGrabQRImportService();
    explicit ScreenGrabQRImportService(Sources sources);

    std::string readOtpAuthURIFromScreen() override;

    // The screens Qt knows, numbered in its order; screenCaptureEmpty when there are none.
    static std::vector<DisplayId> activeDisplays();
    // QScreen::grabWindow(0) of one screen; nothing on Wayland, where grabbing is refused.
    static std::optional<QImage> captureDisplayImage(DisplayId display);
    // Wayland: the portal's screenshot. X11: the screens painted side by side as the desktop
    // lays them out, so a code across two screens can be read; nothing for a single screen.
    static std::optional<QImage> captureAggregateSnapshot(const std::vector<DisplayId>& displays);
    // No permission exists on X11; on Wayland a scan without pictures means the portal refused.
    static bool hasScreenCaptureAccess();

private:
    struct ScanCandidate {
        std::string label;
        QImage image;
    };

    std::vector<ScanCandidate> captureScanCandidates(const std::vector<DisplayId>& displays) const;
    void addDisplayCandidates(DisplayId display, std::vector<ScanCandidate>& candidates) const;
    [[noreturn]] void failWithoutCandidates() const;
    std::vector<std::string> supportedURIsOf(const ScanCandidate& candidate, bool& sawPayload) const;

    Sources sources_;
};

}  // namespace quorbit

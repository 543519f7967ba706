#include "infrastructure/desktop/ScreenGrabQRImportService.h"

#include "domain/QuorbitError.h"
#include "infrastructure/desktop/ScreenQRLog.h"
#include "infrastructure/desktop/ScreenshotPortal.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <utility>

namespace quorbit {

namespace {

const char* boolText(bool value) { return value ? "true" : "false"; }

bool isUsable(const std::optional<QImage>& image) {
    return image && !image->isNull() && image->width() >= 1 && image->height() >= 1;
}

// Screens and pixmaps belong to the GUI thread; a caller on the worker waits for it there.
template <typename Result, typename Work>
Result onGuiThread(Work work) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) return Result{};
    if (QThread::currentThread() == app->thread()) return work();
    Result result{};
    QMetaObject::invokeMethod(
        app, [&] { result = work(); }, Qt::BlockingQueuedConnection);
    return result;
}

bool isWaylandSession() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

QScreen* screenFor(ScreenGrabQRImportService::DisplayId display) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return display < static_cast<std::size_t>(screens.size()) ? screens.at(static_cast<qsizetype>(display)) : nullptr;
}

std::optional<QImage> grab(QScreen* screen) {
    if (screen == nullptr) return std::nullopt;
    const QPixmap pixmap = screen->grabWindow(0);
    if (pixmap.isNull()) return std::nullopt;
    return pixmap.toImage();
}

// Blank gaps between screens of different sizes stay white, like a quiet zone.
std::optional<QImage> paintDesktop(const std::vector<ScreenGrabQRImportService::DisplayId>& displays) {
    std::vector<std::pair<QRect, QImage>> parts;
    QRect desktop;
    for (const auto display : displays) {
        QScreen* screen = screenFor(display);
        std::optional<QImage> image = grab(screen);
        if (!isUsable(image)) continue;
        image->setDevicePixelRatio(1);
        parts.emplace_back(screen->geometry(), std::move(*image));
        desktop |= screen->geometry();
    }
    if (parts.size() < 2) return std::nullopt;
    QImage picture(desktop.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const auto& [geometry, image] : parts) painter.drawImage(geometry.translated(-desktop.topLeft()), image);
    painter.end();
    return picture;
}

}  // namespace

ScreenGrabQRImportService::ScreenGrabQRImportService() : ScreenGrabQRImportService(Sources{}) {}

ScreenGrabQRImportService::ScreenGrabQRImportService(Sources sources) : sources_(std::move(sources)) {}

std::string ScreenGrabQRImportService::readOtpAuthURIFromScreen() {
    qCInfo(screenQRLog, "Screen QR scan started");
    const std::vector<DisplayId> displays = sources_.activeDisplaysProvider();
    qCInfo(screenQRLog, "Screen QR scan: activeDisplays=%ld", static_cast<long>(displays.size()));
    const std::vector<ScanCandidate> candidates = captureScanCandidates(displays);
    qCInfo(screenQRLog, "Screen QR scan: capturedCandidates=%ld", static_cast<long>(candidates.size()));
    if (candidates.empty()) failWithoutCandidates();

    std::vector<std::string> found;
    bool sawPayload = false;
    for (const ScanCandidate& candidate : candidates) {
        const std::vector<std::string> supported = supportedURIsOf(candidate, sawPayload);
        found.insert(found.end(), supported.begin(), supported.end());
    }
    found = ZXingQRCodeDetector::uniquePayloads(found);
    if (found.empty()) {
        if (sawPayload) {
            qCInfo(screenQRLog, "Screen QR scan completed: found unsupported QR payloads only");
            throw QuorbitError(QuorbitError::Case::unsupportedQRCode);
        }
        qCInfo(screenQRLog, "Screen QR scan completed: no QR payloads found");
        throw QuorbitError(QuorbitError::Case::noQRCodeFound);
    }
    qCInfo(screenQRLog, "Screen QR scan completed: payloadCount=%ld", static_cast<long>(found.size()));
    const auto migration = std::find_if(found.begin(), found.end(), &ZXingQRCodeDetector::isMigrationPayload);
    return migration != found.end() ? *migration : found.front();
}

std::vector<ScreenGrabQRImportService::DisplayId> ScreenGrabQRImportService::activeDisplays() {
    const auto count = onGuiThread<qsizetype>([] { return QGuiApplication::screens().size(); });
    if (count <= 0) {
        qCInfo(screenQRLog, "Active displays: screen list returned count=%u", 0U);
        throw QuorbitError(QuorbitError::Case::screenCaptureEmpty);
    }
    std::vector<DisplayId> displays(static_cast<std::size_t>(count));
    for (std::size_t index = 0; index < displays.size(); ++index) displays[index] = static_cast<DisplayId>(index);
    return displays;
}

std::optional<QImage> ScreenGrabQRImportService::captureDisplayImage(DisplayId display) {
    if (isWaylandSession()) return std::nullopt;
    return onGuiThread<std::optional<QImage>>([display] { return grab(screenFor(display)); });
}

std::optional<QImage> ScreenGrabQRImportService::captureAggregateSnapshot(const std::vector<DisplayId>& displays) {
    if (isWaylandSession()) return ScreenshotPortal().takeScreenshot();
    return onGuiThread<std::optional<QImage>>([&displays] { return paintDesktop(displays); });
}

bool ScreenGrabQRImportService::hasScreenCaptureAccess() { return !isWaylandSession(); }

std::vector<ScreenGrabQRImportService::ScanCandidate> ScreenGrabQRImportService::captureScanCandidates(
    const std::vector<DisplayId>& displays) const {
    std::vector<ScanCandidate> candidates;
    std::optional<QImage> aggregate = sources_.aggregateSnapshotCapturer(displays);
    if (isUsable(aggregate)) {
        qCInfo(screenQRLog, "Screen capture: aggregate size=%ldx%ld", static_cast<long>(aggregate->width()),
               static_cast<long>(aggregate->height()));
        candidates.push_back({"aggregate", std::move(*aggregate)});
    } else {
        qCWarning(screenQRLog, "Screen capture: aggregate capture returned nil or empty image");
    }
    for (const DisplayId display : displays) addDisplayCandidates(display, candidates);
    return candidates;
}

void ScreenGrabQRImportService::addDisplayCandidates(DisplayId display, std::vector<ScanCandidate>& candidates) const {
    const std::string id = std::to_string(display);
    if (sources_.bestResolutionDisplayImageCapturer) {
        std::optional<QImage> best = sources_.bestResolutionDisplayImageCapturer(display);
        if (isUsable(best)) {
            qCInfo(screenQRLog, "Screen capture: display %u best size=%ldx%ld", display,
                   static_cast<long>(best->width()), static_cast<long>(best->height()));
            candidates.push_back({"display-best:" + id, std::move(*best)});
        } else {
            qCWarning(screenQRLog, "Screen capture: display %u best-resolution capture returned nil or empty image",
                      display);
        }
    }
    std::optional<QImage> plain = sources_.displayImageCapturer(display);
    if (!plain || plain->isNull()) {
        qCWarning(screenQRLog, "Screen capture: display %u capture returned nil", display);
    } else if (!isUsable(plain)) {
        qCWarning(screenQRLog, "Screen capture: display %u returned empty image", display);
    } else {
        qCInfo(screenQRLog, "Screen capture: display %u size=%ldx%ld", display, static_cast<long>(plain->width()),
               static_cast<long>(plain->height()));
        candidates.push_back({"display:" + id, std::move(*plain)});
    }
}

void ScreenGrabQRImportService::failWithoutCandidates() const {
    const bool access = sources_.screenCaptureAccessPreflight();
    qCInfo(screenQRLog, "Screen QR scan: preflight=%s", boolText(access));
    if (access) {
        qCWarning(screenQRLog, "Screen QR scan: preflight OK but capture failed");
        throw QuorbitError(QuorbitError::Case::screenCaptureEmpty);
    }
    qCWarning(screenQRLog, "Screen QR scan: permission denied by preflight");
    throw QuorbitError(QuorbitError::Case::screenRecordingPermissionDenied);
}

std::vector<std::string> ScreenGrabQRImportService::supportedURIsOf(const ScanCandidate& candidate,
                                                                    bool& sawPayload) const {
    const ZXingQRCodeDetector::DetectionResult result = sources_.detector.detect(candidate.image);
    sawPayload = sawPayload || !result.uniquePayloads.empty();
    qCInfo(screenQRLog,
           "Screen QR scan: candidate=%s, size=%ldx%ld, usedUpscaleRetry=%s, rawQRCount=%ld, supportedURIcount=%ld",
           candidate.label.c_str(), static_cast<long>(candidate.image.width()),
           static_cast<long>(candidate.image.height()), boolText(result.usedUpscaleRetry),
           static_cast<long>(result.uniquePayloads.size()), static_cast<long>(result.supportedURIs.size()));
    for (const std::string& text : result.supportedURIs) {
        qCInfo(screenQRLog, "Screen QR scan: detected payloadClass=%s",
               ZXingQRCodeDetector::isMigrationPayload(text) ? "otpauth-migration" : "otpauth");
    }
    return result.supportedURIs;
}

}  // namespace quorbit

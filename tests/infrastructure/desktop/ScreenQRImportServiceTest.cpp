#include "infrastructure/desktop/ScreenGrabQRImportService.h"

#include "domain/QuorbitError.h"

#include "QrCodeTestImage.h"
#include "support/ThrownError.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace quorbit {
namespace {

using Payloads = std::vector<std::string>;
using DisplayId = ScreenGrabQRImportService::DisplayId;

constexpr const char* kTotpA = "otpauth://totp/A:alice?secret=JBSWY3DPEHPK3PXP";
constexpr const char* kTotpB = "otpauth://totp/B:bob?secret=KRSXG5CTMVRXEZLU";
constexpr const char* kMigration = "otpauth-migration://offline?data=CgA%3D";
constexpr const char* kWebAddress = "https://example.com/";

// What a fake capture shows: the texts read at its own size, and after enlarging 2x.
struct Shot {
    Payloads payloads;
    Payloads whenEnlarged = {};
    bool blankPicture = false;
};
using MaybeShot = std::optional<Shot>;

struct ScanCase {
    const char* name;
    MaybeShot aggregate;
    std::vector<MaybeShot> displays;
    std::vector<MaybeShot> bestPictures;  // empty: no best-resolution capture
    bool accessGranted;
    std::variant<std::string, QuorbitError::Case> expected;
};

// Each picture gets its own odd width, so the fake reader knows which picture it reads and
// an enlarged copy (even width) is never taken for another picture.
class FakeScreens {
public:
    std::optional<QImage> picture(const MaybeShot& shot) {
        if (!shot) return std::nullopt;
        if (shot->blankPicture) return QImage();
        const int width = nextWidth_;
        nextWidth_ += 2;
        byWidth_[width] = shot->payloads;
        byWidth_[2 * width] = shot->whenEnlarged;
        QImage image(width, 9, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    Payloads read(const QImage& image) const {
        const auto found = byWidth_.find(image.width());
        return found == byWidth_.end() ? Payloads{} : found->second;
    }

private:
    int nextWidth_ = 11;
    std::map<int, Payloads> byWidth_;
};

std::vector<DisplayId> displayIds(std::size_t count) {
    std::vector<DisplayId> ids;
    for (std::size_t index = 0; index < count; ++index) ids.push_back(static_cast<DisplayId>(100 + index));
    return ids;
}

ScreenGrabQRImportService::Sources fakeSources(const ScanCase& scan, FakeScreens& screens) {
    const std::vector<DisplayId> ids = displayIds(scan.displays.size());
    std::map<DisplayId, std::optional<QImage>> plain;
    std::map<DisplayId, std::optional<QImage>> best;
    for (std::size_t index = 0; index < ids.size(); ++index) {
        plain[ids[index]] = screens.picture(scan.displays[index]);
        if (index < scan.bestPictures.size()) best[ids[index]] = screens.picture(scan.bestPictures[index]);
    }
    ScreenGrabQRImportService::Sources sources{
        .detector = ZXingQRCodeDetector([&screens](const QImage& image) { return screens.read(image); }),
        .activeDisplaysProvider = [ids] { return ids; },
        .displayImageCapturer = [plain](DisplayId id) { return plain.at(id); },
        .aggregateSnapshotCapturer =
            [aggregate = screens.picture(scan.aggregate), ids](const std::vector<DisplayId>& requested) {
                EXPECT_EQ(requested, ids);
                return aggregate;
            },
        .bestResolutionDisplayImageCapturer = {},
        .screenCaptureAccessPreflight = [granted = scan.accessGranted] { return granted; },
    };
    if (!scan.bestPictures.empty()) {
        sources.bestResolutionDisplayImageCapturer = [best](DisplayId id) { return best.at(id); };
    }
    return sources;
}

void PrintTo(const ScanCase& scan, std::ostream* out) { *out << scan.name; }

class ScreenScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScreenScanTest, ReturnsThePreferredTextOrTheFittingError) {
    const ScanCase& scan = GetParam();
    FakeScreens screens;
    ScreenGrabQRImportService service(fakeSources(scan, screens));
    if (const auto* text = std::get_if<std::string>(&scan.expected)) {
        EXPECT_EQ(service.readOtpAuthURIFromScreen(), *text);
        return;
    }
    EXPECT_EQ(test::thrownError([&] { service.readOtpAuthURIFromScreen(); }).errorCase(),
              std::get<QuorbitError::Case>(scan.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Scans, ScreenScanTest,
    ::testing::Values(
        ScanCase{
            "migrationOnAnotherDisplayWins", std::nullopt, {Shot{{kTotpA}}, Shot{{kMigration}}}, {}, true, kMigration},
        ScanCase{"firstTextWinsWithoutMigration", Shot{{kTotpB}}, {Shot{{kTotpA, kTotpB}}}, {}, true, kTotpB},
        ScanCase{"sameCodeInEveryPicture", Shot{{kTotpA}}, {Shot{{kTotpA}}}, {Shot{{kTotpA}}}, true, kTotpA},
        ScanCase{"bestPictureComesBeforePlainOne", std::nullopt, {Shot{{kTotpB}}}, {Shot{{kTotpA}}}, true, kTotpA},
        ScanCase{"smallCodeFoundAfterEnlarging", std::nullopt, {Shot{{}, {kTotpA}}}, {}, true, kTotpA},
        ScanCase{"unsupportedBesideSupported", std::nullopt, {Shot{{kWebAddress}}, Shot{{kTotpA}}}, {}, true, kTotpA},
        ScanCase{"webAddressOnly",
                 Shot{{kWebAddress}},
                 {Shot{{}, {kWebAddress}}},
                 {},
                 true,
                 QuorbitError::Case::unsupportedQRCode},
        ScanCase{"noCodeAnywhere",
                 Shot{{}},
                 {Shot{{}}, Shot{{}}},
                 {Shot{{}}, Shot{{}}},
                 true,
                 QuorbitError::Case::noQRCodeFound},
        ScanCase{"noPicturesWithoutAccess",
                 std::nullopt,
                 {std::nullopt},
                 {},
                 false,
                 QuorbitError::Case::screenRecordingPermissionDenied},
        ScanCase{"noPicturesWithAccess",
                 std::nullopt,
                 {std::nullopt},
                 {std::nullopt},
                 true,
                 QuorbitError::Case::screenCaptureEmpty},
        ScanCase{"blankPicturesAreNoCandidates",
                 Shot{{}, {}, true},
                 {Shot{{}, {}, true}},
                 {},
                 true,
                 QuorbitError::Case::screenCaptureEmpty}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ScreenScanFailureTest, DisplayListErrorIsThrownUnchangedBeforeAnyCapture) {
    bool captured = false;
    ScreenGrabQRImportService service({
        .detector = {},
        .activeDisplaysProvider = []() -> std::vector<DisplayId> {
            throw QuorbitError(QuorbitError::Case::screenCaptureEmpty);
        },
        .displayImageCapturer =
            [&](DisplayId) {
                captured = true;
                return std::optional<QImage>();
            },
        .aggregateSnapshotCapturer =
            [&](const std::vector<DisplayId>&) {
                captured = true;
                return std::optional<QImage>();
            },
        .bestResolutionDisplayImageCapturer = {},
        .screenCaptureAccessPreflight = [] { return true; },
    });
    EXPECT_EQ(test::thrownError([&] { service.readOtpAuthURIFromScreen(); }).errorCase(),
              QuorbitError::Case::screenCaptureEmpty);
    EXPECT_FALSE(captured);
}

TEST(ScreenScanFailureTest, ReaderErrorEndsTheScan) {
    int readings = 0;
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ScreenGrabQRImportService service({
        .detector = ZXingQRCodeDetector([&](const QImage&) -> Payloads {
            ++readings;
            throw std::runtime_error("reader failed");
        }),
        .activeDisplaysProvider =
            [] {
                return std::vector<DisplayId>{1, 2};
            },
        .displayImageCapturer = [&](DisplayId) { return std::optional<QImage>(picture); },
        .aggregateSnapshotCapturer = [](const std::vector<DisplayId>&) { return std::optional<QImage>(); },
        .bestResolutionDisplayImageCapturer = {},
        .screenCaptureAccessPreflight = [] { return true; },
    });
    EXPECT_THROW(service.readOtpAuthURIFromScreen(), std::runtime_error);
    EXPECT_EQ(readings, 1);
}

// The real capture path on the X server the tests run on.
class XvfbScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X11 display";
    }

    // The port runs on the worker thread, while the GUI thread keeps its event loop going.
    static std::string scanFromWorker() {
        ScreenGrabQRImportService service;
        auto scan = std::async(std::launch::async, [&service] { return service.readOtpAuthURIFromScreen(); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&scan] { return scan.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 60'000));
        return scan.get();
    }
};

TEST_F(XvfbScreenTest, FindsTheCodeShownInAWindow) {
    QLabel window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setPixmap(QPixmap::fromImage(test::qrCodeImage(kTotpA, 5)));
    window.move(400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(scanFromWorker(), kTotpA);
}

TEST_F(XvfbScreenTest, EmptyScreenHasNoQRCode) {
    EXPECT_EQ(test::thrownError([&] { scanFromWorker(); }).errorCase(), QuorbitError::Case::noQRCodeFound);
}

}  // namespace
}  // namespace quorbit

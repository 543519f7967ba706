#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "PanelFixture.h"
#include "support/views/PixelProbe.h"
#include "ui/ObjectNames.h"
#include "ui/kit/Theme.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

QColor mostOpaquePixel(const QImage& image) {
    QColor most(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() > most.alpha()) most = image.pixelColor(x, y);
        }
    }
    return most;
}

// The panel as its window holds it: a child, so that its palette comes from a parent.
class PanelLookTest : public PanelFixture {
protected:
    void TearDown() override {
        Theme::apply(AppTheme::light);
        PanelFixture::TearDown();
    }

    PanelView& hostPanel(QuorbitViewModel& model) {
        host = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(host.get());
        layout->setContentsMargins(0, 0, 0, 0);
        auto* view = new PanelView(model, host.get());
        layout->addWidget(view);
        host->resize(PanelView::panelWidth, PanelView::panelHeight);
        host->show();
        settle();
        return *view;
    }

    template <typename T>
    T* child(const char* name) const {
        return host->findChild<T*>(QString::fromLatin1(name));
    }

    void click(const char* name) const {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
        settle();
    }

    std::unique_ptr<QWidget> host;
};

TEST_F(PanelLookTest, EverySymbolStandsOutAfterEachThemeSwitch) {
    storeAccounts(sampleAccounts());
    hostPanel(makeModel({}, true));
    const char* symbols[] = {names::lockButton, names::settingsButton, names::qrButton};
    for (const AppTheme theme : {AppTheme::light, AppTheme::dark, AppTheme::light, AppTheme::dark}) {
        Theme::apply(theme);
        settle();
        for (const char* name : symbols) {
            SCOPED_TRACE(std::string(name) + (theme == AppTheme::dark ? " dark" : " light"));
            EXPECT_GE(inkContrast(grabInWindow(child<QWidget>(name))), 3.0);
        }
    }
}

// The add form's symbols and the tag chips' marks are drawn in the accent of the theme shown.
TEST_F(PanelLookTest, TheAddFormsSymbolsTakeTheAccentOfEachTheme) {
    storeAccounts(sampleAccounts());
    hostPanel(makeModel({}, true));
    click(names::addButton);
    std::vector<QPushButton*> buttons = {child<QPushButton>(names::addFormImportImage),
                                         child<QPushButton>(names::addFormReadScreen)};
    const QList<QPushButton*> chips = host->findChildren<QPushButton*>(names::tagChip);
    ASSERT_FALSE(chips.isEmpty());
    buttons.push_back(chips.front());
    for (const AppTheme theme : {AppTheme::dark, AppTheme::light, AppTheme::dark}) {
        Theme::apply(theme);
        settle();
        const QColor accent = QApplication::palette().color(QPalette::Highlight);
        for (QPushButton* button : buttons) {
            SCOPED_TRACE(button->objectName().toStdString() + (theme == AppTheme::dark ? " dark" : " light"));
            EXPECT_EQ(mostOpaquePixel(button->icon().pixmap(QSize(16, 16)).toImage()).name(), accent.name());
        }
    }
}

// The step badge is a faint capsule: lighter than the panel on dark, darker on light.
TEST_F(PanelLookTest, TheIntroductionsSymbolAndBadgeFollowTheTheme) {
    settingsStore.saveSettings({});
    QuorbitViewModel& model = makeViewModel();
    run(model.start());
    ASSERT_EQ(model.onboardingMode(), OnboardingMode::full);
    hostPanel(model);
    for (const AppTheme theme : {AppTheme::light, AppTheme::dark, AppTheme::light}) {
        SCOPED_TRACE(theme == AppTheme::dark ? "dark" : "light");
        Theme::apply(theme);
        settle();
        EXPECT_GE(inkContrast(grabInWindow(child<QWidget>(objectnames::onboarding::stepSymbol))), 3.0);
        const QImage badge = grabInWindow(child<QWidget>(objectnames::onboarding::stepLabel));
        const int outside = qGray(badge.pixel(0, 0));
        const int inside = qGray(badge.pixel(4, badge.height() / 2));
        if (theme == AppTheme::dark) {
            EXPECT_GT(inside, outside);
        } else {
            EXPECT_LT(inside, outside);
        }
    }
}

TEST_F(PanelLookTest, EveryIntroductionFormKeepsThePanelWidthInBothLanguages) {
    storeAccounts(sampleAccounts());
    for (const AppLanguage language : {AppLanguage::english, AppLanguage::russian}) {
        SCOPED_TRACE(language == AppLanguage::russian ? "russian" : "english");
        AppSettings settings;
        settings.language = language;
        settingsStore.saveSettings(settings);
        QuorbitViewModel& model = makeViewModel();
        run(model.start());
        ASSERT_EQ(model.onboardingMode(), OnboardingMode::shortIntro);
        hostPanel(model);
        EXPECT_EQ(host->width(), PanelView::panelWidth) << "short form";
        click(objectnames::onboarding::openFullIntroduction);
        for (int step = 1; step <= 5; ++step) {
            EXPECT_EQ(host->width(), PanelView::panelWidth) << "step " << step;
            if (step < 5) click(objectnames::onboarding::continueButton);
        }
        host.reset();
        viewModel.reset();
    }
}

}  // namespace
}  // namespace quorbit::test

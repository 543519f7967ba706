#include "ui/windows/AboutView.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

#include "application/about/ChangelogEntry.h"
#include "config/AppIdentity.h"
#include "ui/ObjectNames.h"
#include "ui/kit/BrandIconView.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/ports/DelayTimer.h"
#include "ui/viewmodel/ports/DesktopServices.h"
#include "ui/windows/AboutSection.h"
#include "ui/windows/DonationSection.h"
#include "ui/windows/DonationWalletFile.h"
#include "ui/windows/WalletQrSheet.h"

namespace quorbit {
namespace {

QLabel* makeLabel(TextStyle style, bool secondary, bool wraps) {
    auto* label = new PlainLabel(Typography::font(style));
    label->setWordWrap(wraps);
    if (secondary) TextTone::apply(label, TextTone::secondary);
    return label;
}

}  // namespace

AboutView::AboutView(QuorbitViewModel& viewModel, QWidget* parent)
    : AboutView(viewModel, DonationWallet::quorbitSupport(DonationWalletFile::addresses()), parent) {}

AboutView::AboutView(QuorbitViewModel& viewModel, std::vector<DonationWallet> wallets, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* column = new QWidget;
    column->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(16);

    layout->addWidget(buildHeader());
    donation_ = new DonationSection(std::move(wallets));
    donation_->setVisible(!donation_->cards().empty());
    connect(donation_, &DonationSection::copyRequested, this, &AboutView::copyWallet);
    connect(donation_, &DonationSection::qrRequested, this, &AboutView::showQr);
    layout->addWidget(donation_);
    layout->addWidget(buildChangelog());
    layout->addWidget(buildDeveloper());
    layout->addWidget(buildPrivacy());
    layout->addWidget(buildDiagnostics());
    status_ = makeLabel(TextStyle::caption, true, true);
    status_->setObjectName(objectnames::about::status);
    layout->addWidget(status_);
    layout->addStretch();
    scroll->setWidget(column);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &AboutView::relabel);
    connect(&viewModel_, &QuorbitViewModel::statusMessageChanged, this, &AboutView::showStatus);
    relabel();
    showStatus();
}

QWidget* AboutView::buildHeader() {
    auto* header = new QWidget;
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(new BrandIconView(52, true));
    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    auto* name = makeLabel(TextStyle::title, false, false);
    name->setFont(Typography::font(TextStyle::title, QFont::DemiBold));
    name->setText(toQString(AppIdentity::productName));
    texts->addWidget(name);
    version_ = makeLabel(TextStyle::callout, true, false);
    version_->setObjectName(objectnames::about::version);
    texts->addWidget(version_);
    row->addLayout(texts);
    row->addStretch();
    relabels_.push_back([this](AppLanguage language) {
        version_->setText(localized(language, "Version ", "Версия ") + viewModel_.appVersion());
    });
    return header;
}

QWidget* AboutView::buildChangelog() {
    auto* section = new AboutSection;
    section->setObjectName(objectnames::about::changelog);
    relabels_.push_back(
        [section](AppLanguage language) { section->setTitle(localized(language, "Changelog", "История изменений")); });
    auto* entries = new QVBoxLayout;
    entries->setSpacing(10);
    for (const ChangelogEntry& entry : ChangelogEntry::history()) {
        auto* card = new GlassPanel(12);
        auto* lines = new QVBoxLayout(card);
        lines->setContentsMargins(10, 10, 10, 10);
        lines->setSpacing(4);
        auto* version = makeLabel(TextStyle::headline, false, false);
        version->setText(toQString(entry.version));
        lines->addWidget(version);
        lines->addWidget(
            addText(makeLabel(TextStyle::callout, true, true), entry.englishSummary, entry.russianSummary));
        entries->addWidget(card);
    }
    section->addContent(entries);
    return section;
}

QWidget* AboutView::buildDeveloper() {
    auto* section = new AboutSection;
    relabels_.push_back(
        [section](AppLanguage language) { section->setTitle(localized(language, "Developer", "Разработчик")); });
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    // We ship no logo of the maker, so the card shows the building symbol in its 44 px frame.
    auto* logo = new QWidget;
    logo->setFixedSize(44, 44);
    logo->setAccessibleName(toQString(AppIdentity::developerName));
    auto* logoLayout = new QVBoxLayout(logo);
    logoLayout->setContentsMargins(8, 8, 8, 8);
    logoLayout->addWidget(new SymbolView(QStringLiteral("building.2.crop.circle"), 28, TextTone::secondary));
    row->addWidget(logo);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto* name = makeLabel(TextStyle::headline, false, false);
    name->setText(toQString(AppIdentity::developerName));
    texts->addWidget(name);
    if (AppIdentity::developerWebsite) {
        const QUrl website(toQString(*AppIdentity::developerWebsite));
        auto* link = new QPushButton(website.host());
        link->setFlat(true);
        link->setFont(Typography::font(TextStyle::callout));
        link->setCursor(Qt::PointingHandCursor);
        connect(link, &QPushButton::clicked, this, [this, website] { viewModel_.desktopServices().openUrl(website); });
        texts->addWidget(link, 0, Qt::AlignLeft);
    }
    row->addLayout(texts);
    row->addStretch();
    section->addContent(row);
    return section;
}

QWidget* AboutView::buildPrivacy() {
    auto* section = new AboutSection;
    relabels_.push_back(
        [section](AppLanguage language) { section->setTitle(localized(language, "Privacy", "Приватность")); });
    struct Fact {
        const char* icon;
        std::string_view titleEnglish, titleRussian, valueEnglish, valueRussian;
    };
    const std::string path = viewModel_.accountsFile().string();
    const Fact facts[] = {
        {"key.fill", "Secrets", "Секреты", "Stored in the system keyring.", "Хранятся в системной связке ключей."},
        {"folder", "Metadata", "Метаданные", path, path},
        {"icloud.slash", "Cloud", "Облако", "No cloud account or sync in this build.", "Нет синхронизации."},
        {"network.slash", "Tracking", "Трекинг", "No analytics, ads, or tracking.", "Без аналитики и рекламы."},
    };
    for (const Fact& fact : facts) {
        auto* row = new QHBoxLayout;
        row->setSpacing(10);
        QLabel* icon =
            symbolLabel(QString::fromLatin1(fact.icon), 16, [] { return Palette(QApplication::palette()).accent(); });
        icon->setFixedWidth(22);
        icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        row->addWidget(icon, 0, Qt::AlignTop);
        auto* texts = new QVBoxLayout;
        texts->setSpacing(2);
        texts->addWidget(addText(makeLabel(TextStyle::headline, false, false), fact.titleEnglish, fact.titleRussian));
        QLabel* value = addText(makeLabel(TextStyle::callout, true, true), fact.valueEnglish, fact.valueRussian);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (fact.valueEnglish == path) value->setObjectName(objectnames::about::metadataPath);
        texts->addWidget(value);
        row->addLayout(texts, 1);
        section->addContent(row);
    }
    return section;
}

QWidget* AboutView::buildDiagnostics() {
    auto* section = new AboutSection;
    relabels_.push_back(
        [section](AppLanguage language) { section->setTitle(localized(language, "Diagnostics", "Диагностика")); });
    auto* open = new QPushButton;
    open->setObjectName(objectnames::about::diagnostics);
    open->setAutoDefault(false);
    refreshIcons_.push_back([open] {
        open->setIcon(IconFactory::icon(QStringLiteral("folder.badge.gearshape"),
                                        QApplication::palette().color(QPalette::ButtonText)));
    });
    refreshIcons_.back()();
    connect(open, &QPushButton::clicked, this, [this] { viewModel_.openDiagnostics(); });
    relabels_.push_back([open](AppLanguage language) {
        open->setText(localized(language, "Open Logs / Diagnostics", "Открыть логи / Диагностику"));
    });
    section->addContent(open);
    auto* note = addText(makeLabel(TextStyle::caption, true, true),
                         "The diagnostics folder contains local metadata and support files, not OTP secrets.",
                         "Папка содержит логи, а не секреты.");
    section->addContent(note);
    section->layout()->setAlignment(open, Qt::AlignLeft);
    return section;
}

QLabel* AboutView::symbolLabel(const QString& symbol, int side, std::function<QColor()> color) {
    auto* label = new QLabel;
    refreshIcons_.push_back(
        [label, symbol, side, color] { label->setPixmap(IconFactory::pixmap(symbol, QSize(side, side), color())); });
    refreshIcons_.back()();
    return label;
}

bool AboutView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Symbols are pixmaps in the theme's colours of the moment.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        for (const auto& refresh : refreshIcons_) refresh();
    }
    return handled;
}

QLabel* AboutView::addText(QLabel* label, std::string_view english, std::string_view russian) {
    relabels_.push_back([label, english = std::string(english), russian = std::string(russian)](AppLanguage language) {
        label->setText(toQString(localized(language, english, russian)));
    });
    return label;
}

void AboutView::relabel() {
    const AppLanguage language = viewModel_.settings().language;
    if (shownLanguage_ == language) return;
    shownLanguage_ = language;
    for (const Relabel& relabelText : relabels_) relabelText(language);
    donation_->setLanguage(language);
}

void AboutView::showStatus() {
    const std::optional<QString>& message = viewModel_.statusMessage();
    status_->setVisible(message.has_value());
    status_->setText(message.value_or(QString()));
}

void AboutView::copyWallet(const DonationWallet& wallet) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(toQString(wallet.address));
    setCopiedWalletID(wallet.id);
    // Every press waits on its own; a later press is not cut short by an earlier one's timer.
    (void)clearCopiedMarkLater(QPointer<AboutView>(this), wallet.id);
}

QCoro::Task<> AboutView::clearCopiedMarkLater(QPointer<AboutView> view, std::string walletID) {
    co_await view->viewModel_.delayTimer().wait(copiedMarkDuration);
    if (view && view->copiedWalletID_ == walletID) view->setCopiedWalletID(std::nullopt);
}

void AboutView::setCopiedWalletID(std::optional<std::string> id) {
    copiedWalletID_ = std::move(id);
    donation_->setCopiedWalletID(copiedWalletID_);
}

WalletQrSheet* AboutView::qrSheet() const { return qrSheet_; }

void AboutView::showQr(const DonationWallet& wallet) {
    if (qrSheet_) qrSheet_->close();
    qrSheet_ = new WalletQrSheet(wallet, viewModel_.settings().language, this);
    connect(qrSheet_, &QDialog::finished, qrSheet_, &QObject::deleteLater);
    qrSheet_->open();
}

}  // namespace quorbit

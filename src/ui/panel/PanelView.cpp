#include "ui/panel/PanelView.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "application/text/AppLocalizer.h"
#include "domain/AccountSortOption.h"
#include "ui/ObjectNames.h"
#include "ui/kit/BrandIconView.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/panel/AccountList.h"
#include "ui/panel/AddTokenForm.h"
#include "ui/panel/LockScreen.h"
#include "ui/panel/Onboarding.h"
#include "ui/panel/OtpSettingsSheet.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

QToolButton* headerButton(const char* objectName) {
    auto* button = new QToolButton;
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    return button;
}

}  // namespace

PanelView::PanelView(QuorbitViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel),
      subtitle_(new StyledLabel(TextStyle::caption, StyledLabel::Tone::secondary)),
      lock_(headerButton(objectnames::panel::lockButton)),
      headerMenu_(headerButton(objectnames::panel::headerMenuButton)),
      settings_(headerButton(objectnames::panel::settingsButton)), content_(new QStackedWidget),
      unlocked_(new QStackedWidget), listPage_(new QWidget), search_(new QLineEdit), filter_(new QComboBox),
      sort_(new QComboBox), list_(new AccountList(viewModel)), lockScreen_(new LockScreen), footer_(new QWidget),
      add_(new ProminentButton), qr_(new QPushButton), qrMenu_(new QMenu(this)), status_(new ClampedLabel(3)) {
    setObjectName(objectnames::panel::view);

    unlocked_->addWidget(buildListPage());
    content_->addWidget(unlocked_);
    content_->addWidget(lockScreen_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(buildHeader());
    layout->addWidget(content_, 1);
    layout->addWidget(buildFooter());

    connect(lock_, &QToolButton::clicked, this, [this] { viewModel_.lock(); });
    connect(settings_, &QToolButton::clicked, this, &PanelView::settingsRequested);
    // Operations are started and not awaited: their outcome comes back through the state.
    connect(lockScreen_, &LockScreen::unlockRequested, this, [this] { (void)viewModel_.unlock(); });
    connectViewModel();
    showTexts();
    showIcons();
    showQuery();
    showState();
    showStatus();
    showSheet();
}

QWidget* PanelView::buildHeader() {
    auto* title = new QLabel(QStringLiteral("Quorbit"));
    title->setFont(Typography::font(TextStyle::headline, QFont::DemiBold));
    auto* titles = new QVBoxLayout;
    titles->setSpacing(1);
    titles->addWidget(title);
    titles->addWidget(subtitle_);

    settings_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    headerMenu_->setPopupMode(QToolButton::InstantPopup);
    headerMenu_->hide();

    auto* header = new QWidget;
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(new BrandIconView(40, true));
    layout->addLayout(titles);
    layout->addStretch();
    layout->addWidget(lock_);
    layout->addWidget(headerMenu_);
    layout->addWidget(settings_);
    return header;
}

QWidget* PanelView::buildListPage() {
    listPage_->setObjectName(objectnames::panel::listPage);
    search_->setObjectName(objectnames::panel::searchField);
    filter_->setObjectName(objectnames::panel::filterMenu);
    sort_->setObjectName(objectnames::panel::sortMenu);

    search_->setFrame(false);
    QPalette fieldPalette = search_->palette();
    fieldPalette.setColor(QPalette::Base, Qt::transparent);
    search_->setPalette(fieldPalette);
    auto* searchPanel = new GlassPanel(GlassPanel::rowRadius);
    searchPanel->setFixedHeight(38);
    auto* searchLayout = new QHBoxLayout(searchPanel);
    searchLayout->setContentsMargins(12, 0, 12, 0);
    searchLayout->setSpacing(8);
    searchLayout->addWidget(new SymbolView(QStringLiteral("magnifyingglass"), 14, SymbolView::secondary));
    searchLayout->addWidget(search_, 1);

    auto* menus = new QHBoxLayout;
    menus->setSpacing(8);
    menus->addWidget(filter_, 1);
    menus->addWidget(sort_, 1);

    auto* layout = new QVBoxLayout(listPage_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(searchPanel);
    layout->addLayout(menus);
    layout->addWidget(list_, 1);

    connect(search_, &QLineEdit::textEdited, &viewModel_, &QuorbitViewModel::setQuery);
    connect(filter_, &QComboBox::activated, this, &PanelView::chooseFilter);
    connect(sort_, &QComboBox::activated, this, &PanelView::chooseSort);
    return listPage_;
}

QWidget* PanelView::buildFooter() {
    footer_->setObjectName(objectnames::panel::footer);
    add_->setObjectName(objectnames::panel::addButton);
    qr_->setObjectName(objectnames::panel::qrButton);
    status_->setObjectName(objectnames::panel::statusLine);

    add_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    qr_->setFixedSize(44, 30);
    qr_->setIconSize(QSize(18, 18));
    QAction* image = qrMenu_->addAction(QString());
    image->setObjectName(objectnames::panel::qrImageAction);
    QAction* screen = qrMenu_->addAction(QString());
    screen->setObjectName(objectnames::panel::qrScreenAction);
    status_->setFont(Typography::font(TextStyle::caption2));
    TextTone::apply(status_, TextTone::secondary);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(add_, 1);
    buttons->addWidget(qr_);
    auto* layout = new QVBoxLayout(footer_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(buttons);
    layout->addWidget(status_);

    connect(add_, &QPushButton::clicked, this, [this] {
        viewModel_.resetAddForm();
        viewModel_.setShowingAddToken(true);
    });
    // A menu of its own rather than QPushButton::setMenu, which draws an indicator.
    connect(qr_, &QPushButton::clicked, this, [this] { qrMenu_->popup(qr_->mapToGlobal(QPoint(0, qr_->height()))); });
    connect(image, &QAction::triggered, this, [this] { viewModel_.importQRImage(false); });
    connect(screen, &QAction::triggered, this, [this] { viewModel_.importQRCodeFromScreen(false); });
    return footer_;
}

void PanelView::connectViewModel() {
    QuorbitViewModel* model = &viewModel_;
    connect(model, &QuorbitViewModel::lockStateChanged, this, &PanelView::showState);
    connect(model, &QuorbitViewModel::onboardingChanged, this, &PanelView::showState);
    connect(model, &QuorbitViewModel::addFormChanged, this, &PanelView::showState);
    connect(model, &QuorbitViewModel::statusMessageChanged, this, &PanelView::showStatus);
    connect(model, &QuorbitViewModel::queryChanged, this, &PanelView::showQuery);
    connect(model, &QuorbitViewModel::accountsChanged, this, &PanelView::showFilters);
    connect(model, &QuorbitViewModel::accountGroupsChanged, this, &PanelView::showFilters);
    connect(model, &QuorbitViewModel::settingsChanged, this, &PanelView::showTexts);
    connect(model, &QuorbitViewModel::editorChanged, this, &PanelView::showSheet);
}

void PanelView::setHeaderMenu(QMenu* menu) {
    headerMenu_->setMenu(menu);
    headerMenu_->setVisible(menu != nullptr);
}

// The introduction and the add form are made when first shown: most starts show neither.
Onboarding* PanelView::madeOnboarding() {
    if (onboarding_) return onboarding_;
    onboarding_ = new Onboarding(viewModel_);
    onboarding_->setObjectName(objectnames::panel::onboarding);
    content_->addWidget(onboarding_);
    return onboarding_;
}

AddTokenForm* PanelView::madeAddForm() {
    if (addForm_) return addForm_;
    addForm_ = new AddTokenForm(viewModel_);
    unlocked_->addWidget(addForm_);
    connect(addForm_, &AddTokenForm::cancelRequested, this, [this] {
        viewModel_.resetAddForm();
        viewModel_.setShowingAddToken(false);
    });
    return addForm_;
}

void PanelView::showState() {
    const bool unlocked = viewModel_.isUnlocked();
    const bool onboarding = viewModel_.onboardingMode().has_value();
    const bool adding = viewModel_.showingAddToken();
    QWidget* page = onboarding ? madeOnboarding() : unlocked ? static_cast<QWidget*>(unlocked_) : lockScreen_;
    QWidget* unlockedPage = adding ? static_cast<QWidget*>(madeAddForm()) : listPage_;
    const bool pageChanged = content_->currentWidget() != page || unlocked_->currentWidget() != unlockedPage;
    content_->setCurrentWidget(page);
    unlocked_->setCurrentWidget(unlockedPage);
    footer_->setVisible(!onboarding);
    lock_->setVisible(unlocked);
    settings_->setEnabled(unlocked);
    add_->setEnabled(unlocked && !adding);
    qr_->setEnabled(unlocked);
    if (pageChanged && isVisible()) focusPage();
}

// Typing goes straight into the search; Return reaches the page's default action.
void PanelView::focusPage() {
    if (content_->currentWidget() == lockScreen_) lockScreen_->unlockButton()->setFocus();
    if (content_->currentWidget() == unlocked_ && unlocked_->currentWidget() == listPage_) search_->setFocus();
}

void PanelView::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    subtitle_->setText(localized(language, "Local 2FA for your computer", "Локальная 2FA для компьютера"));
    lock_->setToolTip(localized(language, "Lock", "Заблокировать"));
    lock_->setAccessibleName(localized(language, "Lock", "Заблокировать"));
    settings_->setToolTip(localized(language, "Settings", "Настройки"));
    settings_->setAccessibleName(localized(language, "Open Settings", "Открыть настройки"));
    search_->setPlaceholderText(localized(language, "Search accounts", "Поиск аккаунтов"));
    filter_->setAccessibleName(localized(language, "Filter", "Фильтр"));
    sort_->setAccessibleName(localized(language, "Sort", "Сортировка"));
    add_->setText(localized(language, "Add", "Добавить"));
    qr_->setToolTip(localized(language, "Import QR Code", "Импорт QR-кода"));
    qr_->setAccessibleName(qr_->toolTip());
    qrMenu_->actions().at(0)->setText(localized(language, "Import QR image", "Импорт QR-изображения"));
    qrMenu_->actions().at(1)->setText(localized(language, "Read QR from Screen", "Сканировать QR с экрана"));
    lockScreen_->setLanguage(language);
    showFilters();
    showSort();
}

void PanelView::showIcons() {
    const Palette colors(palette());
    lock_->setIcon(IconFactory::icon(QStringLiteral("lock.fill"), colors.secondaryText()));
    settings_->setIcon(IconFactory::icon(QStringLiteral("gearshape"), colors.secondaryText()));
    headerMenu_->setIcon(IconFactory::icon(QStringLiteral("shield"), colors.secondaryText()));
    add_->setIcon(IconFactory::icon(QStringLiteral("plus"), palette().color(QPalette::HighlightedText)));
    qr_->setIcon(IconFactory::icon(QStringLiteral("qrcode.viewfinder"), colors.primaryText()));
    qrMenu_->actions().at(0)->setIcon(IconFactory::icon(QStringLiteral("qrcode.viewfinder"), colors.primaryText()));
    qrMenu_->actions().at(1)->setIcon(IconFactory::icon(QStringLiteral("rectangle.dashed"), colors.primaryText()));
}

void PanelView::showStatus() {
    const std::optional<QString>& message = viewModel_.statusMessage();
    status_->setText(message.value_or(QString()));
    status_->setVisible(message.has_value());
}

void PanelView::showQuery() {
    if (search_->text() == viewModel_.query()) return;
    const QSignalBlocker block(search_);
    search_->setText(viewModel_.query());
}

// Refilled only when the offered filters or their titles change, so a tick neither closes
// an open menu nor writes the settings.
void PanelView::showFilters() {
    const AppLocalizer localizer(viewModel_.settings().language);
    const std::vector<AccountFilterSelection> filters = viewModel_.availableFilters();
    QStringList titles;
    for (const AccountFilterSelection& filter : filters)
        titles << QString::fromStdString(localizer.filterTitle(filter));
    QStringList shownTitles;
    for (int i = 0; i < filter_->count(); ++i) shownTitles << filter_->itemText(i);
    const QSignalBlocker block(filter_);
    if (filters != shownFilters_ || titles != shownTitles) {
        filter_->clear();
        filter_->addItems(titles);
        shownFilters_ = filters;
    }
    const auto selected =
        std::find(shownFilters_.begin(), shownFilters_.end(), viewModel_.settings().selectedAccountFilter);
    const int index = selected == shownFilters_.end() ? -1 : int(selected - shownFilters_.begin());
    if (filter_->currentIndex() != index) filter_->setCurrentIndex(index);
}

void PanelView::showSort() {
    const AppLanguage language = viewModel_.settings().language;
    const QSignalBlocker block(sort_);
    if (sort_->count() == 0) {
        for (std::size_t i = 0; i < allAccountSortOptions.size(); ++i) sort_->addItem(QString());
    }
    for (std::size_t i = 0; i < allAccountSortOptions.size(); ++i) {
        const QString title = QString::fromStdString(quorbit::title(allAccountSortOptions[i], language));
        if (sort_->itemText(int(i)) != title) sort_->setItemText(int(i), title);
    }
    const auto selected =
        std::find(allAccountSortOptions.begin(), allAccountSortOptions.end(), viewModel_.settings().accountSortOption);
    const int index = int(selected - allAccountSortOptions.begin());
    if (sort_->currentIndex() != index) sort_->setCurrentIndex(index);
}

void PanelView::chooseFilter(int index) {
    if (index < 0 || index >= int(shownFilters_.size())) return;
    AppSettings settings = viewModel_.settings();
    settings.selectedAccountFilter = shownFilters_[std::size_t(index)];
    viewModel_.setSettings(settings);
}

void PanelView::chooseSort(int index) {
    if (index < 0 || index >= int(allAccountSortOptions.size())) return;
    AppSettings settings = viewModel_.settings();
    settings.accountSortOption = allAccountSortOptions[std::size_t(index)];
    viewModel_.setSettings(settings);
}

OtpSettingsSheet* PanelView::sheet() const { return sheet_; }

void PanelView::showSheet() {
    const bool editing = viewModel_.editingTagsAccount().has_value();
    if (editing && !sheet_) {
        sheet_ = new OtpSettingsSheet(viewModel_, window());
        if (window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            sheet_->setWindowFlag(Qt::WindowStaysOnTopHint);
        }
        placeSheet();
        sheet_->show();
    } else if (!editing && sheet_) {
        // Editing has ended already: closing must not cancel it again.
        sheet_->hide();
        sheet_->deleteLater();
        sheet_ = nullptr;
    }
}

// Centred over the panel, and moved back onto the screen, since it is wider than the panel.
void PanelView::placeSheet() {
    sheet_->adjustSize();
    const QRect host = window()->frameGeometry();
    QRect frame(QPoint(), sheet_->size());
    frame.moveCenter(host.center());
    frame.moveTop(host.top() + 40);
    if (const QScreen* screen = window()->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(
            std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(
            std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - frame.height())));
    }
    sheet_->move(frame.topLeft());
}

void PanelView::keyPressEvent(QKeyEvent* event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (returnKey && content_->currentWidget() == onboarding_) {
        onboarding_->activateDefaultAction();
        return;
    }
    QPushButton* defaultButton = nullptr;
    if (content_->currentWidget() == lockScreen_) defaultButton = lockScreen_->unlockButton();
    if (content_->currentWidget() == unlocked_ && unlocked_->currentWidget() == addForm_) {
        defaultButton = addForm_->defaultButton();
    }
    if (returnKey && defaultButton) {
        defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PanelView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    focusPage();
}

// Only once our own palette holds the new colours: the application-wide change can reach us
// before our parent's palette, which ours is resolved from, has changed.
void PanelView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) showIcons();
}

}  // namespace quorbit

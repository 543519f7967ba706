#include "ui/windows/DataLifecycleCenter.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "application/ports/DialogPresenter.h"
#include "application/text/AppLocalizer.h"
#include "domain/UnicodeText.h"
#include "ui/ObjectNames.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Divider.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/SymbolButton.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/kit/WrappingRowLayout.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

struct CategoryLook {
    const char* symbol;
    const char* titleEnglish;
    const char* titleRussian;
    const char* emptySymbol;
    const char* emptyTitleEnglish;
    const char* emptyTitleRussian;
    const char* emptyMessageEnglish;
    const char* emptyMessageRussian;
};

CategoryLook lookOf(DataLifecycleCategory category) {
    switch (category) {
    case DataLifecycleCategory::trash:
        return {"trash",
                "Trash",
                "Корзина",
                "trash",
                "Trash is empty",
                "Корзина пуста",
                "Removed accounts can be restored before permanent deletion.",
                "Удаленные аккаунты можно восстановить."};
    case DataLifecycleCategory::untagged:
        return {"tag.slash",
                "Untagged",
                "Без тегов",
                "tag",
                "No untagged accounts",
                "Нет аккаунтов без тегов",
                "All active accounts already have tags.",
                "Все активные аккаунты уже размечены тегами."};
    case DataLifecycleCategory::longUnused:
        return {"clock.badge.exclamationmark",
                "Unused for 180+ days",
                "Не использовались 180+ дней",
                "clock.badge.checkmark",
                "No stale accounts",
                "Нет давно неиспользуемых аккаунтов",
                "No accounts have been unused for 180+ days.",
                "Аккаунтов с неиспользованием 180+ дней не найдено."};
    case DataLifecycleCategory::hotp:
        return {"bolt.horizontal",
                "HOTP",
                "HOTP",
                "bolt.horizontal",
                "No HOTP accounts",
                "Нет HOTP-аккаунтов",
                "You do not have HOTP accounts yet.",
                "В текущем хранилище пока нет HOTP-аккаунтов."};
    }
    return {};
}

int countOf(const DataLifecycleStats& stats, DataLifecycleCategory category) {
    switch (category) {
    case DataLifecycleCategory::trash: return stats.trashCount;
    case DataLifecycleCategory::untagged: return stats.untaggedCount;
    case DataLifecycleCategory::longUnused: return stats.longUnusedCount;
    case DataLifecycleCategory::hotp: return stats.hotpCount;
    }
    return 0;
}

// The system's date style, without the time.
QString shortDate(TimePoint time) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
    return QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().date(),
                                      QLocale::ShortFormat);
}

// A row of one of the lists, drawn over the list's selection: while selected its texts take the
// selection's text colour, secondary lines a little fainter, so that they stay readable.
class ListRow final : public QWidget {
public:
    static constexpr qreal primary = 1.0;
    static constexpr qreal selectedSecondary = 0.8;

    // `widget` draws in the text colour at `alpha` (TextTone's levels) while not selected.
    void addTone(QWidget* widget, qreal alpha) {
        widget->setForegroundRole(QPalette::WindowText);
        tones_.push_back({widget, alpha});
        recolor();
    }

    void setSelected(bool selected) {
        if (std::exchange(selected_, selected) != selected) recolor();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) recolor();
        QWidget::changeEvent(event);
    }

private:
    struct Tone {
        QWidget* widget;
        qreal alpha;
    };

    void recolor() {
        const QColor text = palette().color(selected_ ? QPalette::HighlightedText : QPalette::WindowText);
        for (const Tone& tone : tones_) {
            const qreal alpha = selected_ && tone.alpha < primary ? selectedSecondary : tone.alpha;
            QPalette colors = tone.widget->palette();
            colors.setColor(QPalette::WindowText, Palette::withAlpha(text, alpha));
            tone.widget->setPalette(colors);
        }
    }

    std::vector<Tone> tones_;
    bool selected_ = false;
};

void showSelectedRows(const QListWidget* list) {
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        static_cast<ListRow*>(list->itemWidget(item))->setSelected(item->isSelected());
    }
}

ListRow* accountRow(const OtpAccount& account) {
    auto* row = new ListRow;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 4);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    QLabel* title = new PlainLabel(Typography::font(TextStyle::headline));
    title->setText(QString::fromStdString(UnicodeText::isolatedForDisplay(account.label())));
    row->addTone(title, ListRow::primary);
    texts->addWidget(title);
    if (!account.tags.empty()) {
        QStringList tags;
        for (const std::string& tag : account.tags) tags << QString::fromStdString(tag);
        QLabel* tagLine = new PlainLabel(Typography::font(TextStyle::caption));
        tagLine->setText(tags.join(QStringLiteral(", ")));
        row->addTone(tagLine, TextTone::secondary);
        texts->addWidget(tagLine);
    }
    layout->addLayout(texts, 1);
    if (account.lastUsedAt) {
        QLabel* date = new PlainLabel(Typography::font(TextStyle::caption));
        date->setText(shortDate(*account.lastUsedAt));
        row->addTone(date, TextTone::secondary);
        layout->addWidget(date);
    }
    return row;
}

// The dimmed cover behind the tag sheet.
class SheetCover final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 60));
    }
};

// The count badge of a category; not shown for 0.
QLabel* badge() {
    QLabel* label = new PlainLabel(Typography::font(TextStyle::caption, QFont::DemiBold));
    label->setObjectName(objectnames::windows::lifecycleBadge);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(20);
    label->setContentsMargins(6, 1, 6, 1);
    label->setStyleSheet(QStringLiteral("QLabel { background: palette(midlight); border-radius: 8px; }"));
    TextTone::apply(label, TextTone::secondary);
    // The sidebar's width counts a badge in every row, so that it does not change with the counts.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

}  // namespace

DataLifecycleCenter::DataLifecycleCenter(QuorbitViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    setObjectName(objectnames::windows::lifecycleWindow);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(localized(viewModel.settings().language, "Data Lifecycle", "Жизненный цикл данных"));
    resize(680, 540);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildSidebar());
    splitter->addWidget(buildDetail());
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    tagSheet_ = buildTagSheet();
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, [this] {
        showTexts();
        showState();
    });
    showTexts();
    showStats();
    showState();
    const int sidebarWidth = std::max(sidebar_->minimumWidth(), 220);
    splitter->setSizes({sidebarWidth, width() - sidebarWidth});
}

QWidget* DataLifecycleCenter::buildSidebar() {
    sidebar_ = new QWidget;
    auto* layout = new QVBoxLayout(sidebar_);
    layout->setContentsMargins(8, 12, 8, 8);
    layout->setSpacing(8);
    sidebarTitle_ = new PlainLabel(Typography::font(TextStyle::title3, QFont::DemiBold));
    sidebarTitle_->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(sidebarTitle_);
    categories_ = new QListWidget;
    categories_->setObjectName(objectnames::windows::lifecycleCategories);
    categories_->setFrameShape(QFrame::NoFrame);
    categories_->setSelectionMode(QAbstractItemView::SingleSelection);
    categories_->viewport()->setAutoFillBackground(false);
    for (DataLifecycleCategory category : allDataLifecycleCategories) {
        auto* row = new ListRow;
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(6, 5, 6, 5);
        rowLayout->setSpacing(8);
        auto* symbol = new SymbolView(QString::fromLatin1(lookOf(category).symbol), 16, 0.8);
        row->addTone(symbol, ListRow::primary);
        rowLayout->addWidget(symbol);
        QLabel* title = new PlainLabel(Typography::font(TextStyle::body));
        row->addTone(title, ListRow::primary);
        rowLayout->addWidget(title, 1);
        QLabel* count = badge();
        rowLayout->addWidget(count);
        categoryTitles_.push_back(title);
        badges_.push_back(count);
        auto* item = new QListWidgetItem(categories_);
        categories_->setItemWidget(item, row);
    }
    // The category follows the selection, not the current row: the list makes its first row
    // current when it takes the focus, and that chooses nothing.
    connect(categories_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = categories_->selectedItems();
        chooseCategory(chosen.isEmpty() ? -1 : categories_->row(chosen.front()));
    });
    layout->addWidget(categories_, 1);
    return sidebar_;
}

// As wide as the widest category or the title in the language shown: the Russian titles are
// much longer than the English ones.
void DataLifecycleCenter::fitSidebar() {
    int widest = sidebarTitle_->sizeHint().width();
    for (int i = 0; i < categories_->count(); ++i) {
        QListWidgetItem* item = categories_->item(i);
        const QSize row = categories_->itemWidget(item)->sizeHint();
        item->setSizeHint(row);
        widest = std::max(widest, row.width());
    }
    const QMargins margins = sidebar_->layout()->contentsMargins();
    sidebar_->setMinimumWidth(widest + margins.left() + margins.right() + 2 * categories_->frameWidth());
}

QWidget* DataLifecycleCenter::buildDetail() {
    detail_ = new QStackedWidget;
    loadingPage_ = new QWidget;
    loadingPage_->setObjectName(objectnames::windows::lifecycleLoading);
    auto* loadingLayout = new QVBoxLayout(loadingPage_);
    auto* progress = new QProgressBar;
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    progress->setFixedSize(120, 8);
    loadingLayout->addWidget(progress, 0, Qt::AlignCenter);

    prompt_ = new PlainLabel(Typography::font(TextStyle::title));
    prompt_->setObjectName(objectnames::windows::lifecyclePrompt);
    prompt_->setAlignment(Qt::AlignCenter);
    prompt_->setWordWrap(true);
    prompt_->setContentsMargins(24, 0, 24, 0);
    TextTone::apply(prompt_, TextTone::secondary);

    categoryPage_ = new QWidget;
    auto* pageLayout = new QVBoxLayout(categoryPage_);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    pageLayout->addWidget(buildSelectionBar());
    pageLayout->addWidget(new Divider);
    content_ = new QStackedWidget;
    emptyState_ = buildEmptyState();
    accountList_ = new QListWidget;
    accountList_->setObjectName(objectnames::windows::lifecycleAccounts);
    accountList_->setFrameShape(QFrame::NoFrame);
    accountList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(accountList_, &QListWidget::itemSelectionChanged, this, &DataLifecycleCenter::takeListSelection);
    content_->addWidget(emptyState_);
    content_->addWidget(accountList_);
    pageLayout->addWidget(content_, 1);

    for (QWidget* page : {loadingPage_, static_cast<QWidget*>(prompt_), categoryPage_}) detail_->addWidget(page);
    return detail_;
}

void DataLifecycleCenter::keepRoomWhenHidden(QWidget* widget, bool keep) {
    QSizePolicy policy = widget->sizePolicy();
    if (policy.retainSizeWhenHidden() == keep) return;
    policy.setRetainSizeWhenHidden(keep);
    widget->setSizePolicy(policy);
}

// Symbol buttons recolour themselves when the theme changes.
QPushButton* DataLifecycleCenter::actionButton(const char* objectName, const char* symbol, bool destructive) {
    auto* button = new SymbolButton(QString::fromLatin1(symbol),
                                    destructive ? SymbolButton::Role::destructive : SymbolButton::Role::plain);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QWidget* DataLifecycleCenter::buildSelectionBar() {
    auto* bar = new QWidget;
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Base);
    // The Russian buttons do not fit beside each other in the detail column: they wrap.
    auto* layout = new WrappingRowLayout(bar);
    layout->setLineAlignment(Qt::AlignTrailing);
    layout->setContentsMargins(12, 10, 12, 10);
    selectionCount_ = new PlainLabel(Typography::font(TextStyle::subheadline));
    selectionCount_->setObjectName(objectnames::windows::lifecycleSelectionCount);
    TextTone::apply(selectionCount_, TextTone::secondary);
    layout->addWidget(selectionCount_);
    layout->addStretch();

    restore_ = actionButton(objectnames::windows::lifecycleRestore, "arrow.uturn.backward", false);
    delete_ = actionButton(objectnames::windows::lifecycleDelete, "trash", true);
    export_ = actionButton(objectnames::windows::lifecycleExport, "square.and.arrow.up", false);
    addTag_ = actionButton(objectnames::windows::lifecycleAddTag, "tag", false);
    moveToTrash_ = actionButton(objectnames::windows::lifecycleMoveToTrash, "trash", true);
    emptyTrash_ = actionButton(objectnames::windows::lifecycleEmptyTrash, "trash.slash", true);
    for (QPushButton* button : {restore_, delete_, export_, addTag_, moveToTrash_, emptyTrash_})
        layout->addWidget(button);

    connect(restore_, &QPushButton::clicked, this, [this] { (void)perform(DataLifecycleAction::restore(), false); });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (confirm("Delete Permanently", "Удалить безвозвратно", "Delete selected accounts permanently?",
                    "Удалить выбранные аккаунты безвозвратно?")) {
            (void)perform(DataLifecycleAction::deletePermanently(), false);
        }
    });
    connect(export_, &QPushButton::clicked, this, [this] { viewModel_.exportSelectedAccounts(selectedAccountIds_); });
    connect(addTag_, &QPushButton::clicked, this, &DataLifecycleCenter::openTagSheet);
    connect(moveToTrash_, &QPushButton::clicked, this, [this] {
        if (confirm("Move to Trash", "Переместить в корзину", "Move selected accounts to Trash?",
                    "Переместить выбранные аккаунты в корзину?")) {
            (void)perform(DataLifecycleAction::moveToTrash(), false);
        }
    });
    connect(emptyTrash_, &QPushButton::clicked, this, [this] {
        if (confirm("Empty Trash", "Очистить корзину", "Permanently delete all accounts from Trash?",
                    "Безвозвратно удалить все аккаунты из корзины?")) {
            (void)perform(DataLifecycleAction::emptyTrash(), true);
        }
    });
    return bar;
}

QWidget* DataLifecycleCenter::buildEmptyState() {
    auto* view = new QWidget;
    view->setObjectName(objectnames::windows::lifecycleEmptyState);
    auto* layout = new QVBoxLayout(view);
    layout->setSpacing(10);
    layout->addStretch();
    emptyIcon_ = new SymbolView({}, 30, TextTone::secondary);
    layout->addWidget(emptyIcon_, 0, Qt::AlignHCenter);
    emptyTitle_ = new PlainLabel(Typography::font(TextStyle::headline));
    emptyTitle_->setAlignment(Qt::AlignHCenter);
    layout->addWidget(emptyTitle_);
    emptyMessage_ = new PlainLabel(Typography::font(TextStyle::callout));
    emptyMessage_->setAlignment(Qt::AlignHCenter);
    emptyMessage_->setWordWrap(true);
    emptyMessage_->setContentsMargins(24, 0, 24, 0);
    TextTone::apply(emptyMessage_, TextTone::secondary);
    layout->addWidget(emptyMessage_);
    layout->addStretch();
    return view;
}

QWidget* DataLifecycleCenter::buildTagSheet() {
    auto* cover = new SheetCover(this);
    cover->setObjectName(objectnames::windows::lifecycleTagSheet);
    auto* sheet = new GlassPanel(GlassPanel::cardRadius);
    sheet->setAutoFillBackground(false);
    sheet->setFixedWidth(300);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(16, 16, 16, 16);
    tagSheetTitle_ = new PlainLabel(Typography::font(TextStyle::headline));
    tagSheetTitle_->setAlignment(Qt::AlignHCenter);
    layout->addWidget(tagSheetTitle_);
    tagField_ = new QLineEdit;
    tagField_->setObjectName(objectnames::windows::lifecycleTagField);
    layout->addWidget(tagField_);
    tagCancel_ = new QPushButton;
    tagCancel_->setObjectName(objectnames::windows::lifecycleTagCancel);
    tagSave_ = new ProminentButton;
    tagSave_->setObjectName(objectnames::windows::lifecycleTagSave);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->addStretch();
    buttons->addWidget(tagCancel_);
    buttons->addWidget(tagSave_);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(tagField_, &QLineEdit::textEdited, this,
            [this](const QString& text) { tagSave_->setEnabled(!UnicodeText::trimmed(text.toStdString()).empty()); });
    connect(tagCancel_, &QPushButton::clicked, cover, &QWidget::hide);
    connect(tagSave_, &QPushButton::clicked, this,
            [this] { (void)perform(DataLifecycleAction::addTag(tagField_->text().toStdString()), false); });

    auto* coverLayout = new QVBoxLayout(cover);
    coverLayout->addWidget(sheet, 0, Qt::AlignCenter);
    cover->hide();
    return cover;
}

void DataLifecycleCenter::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(started_, true)) return;
    (void)loadData();
}

void DataLifecycleCenter::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tagSheet_->setGeometry(rect());
}

void DataLifecycleCenter::chooseCategory(int row) {
    if (row < 0 || row >= int(allDataLifecycleCategories.size())) {
        showState();  // a category stays chosen once chosen
        return;
    }
    const DataLifecycleCategory category = allDataLifecycleCategories[std::size_t(row)];
    if (selectedCategory_ == category) return;
    selectedCategory_ = category;
    clearSelection();
    (void)loadData();
}

void DataLifecycleCenter::takeListSelection() {
    selectedAccountIds_.clear();
    for (QListWidgetItem* item : accountList_->selectedItems()) {
        if (auto id = Uuid::parse(item->data(Qt::UserRole).toString().toStdString())) selectedAccountIds_.insert(*id);
    }
    showSelectedRows(accountList_);
    showState();
}

void DataLifecycleCenter::clearSelection() {
    selectedAccountIds_.clear();
    const QSignalBlocker blocker(accountList_);
    accountList_->clearSelection();
    showSelectedRows(accountList_);
    showState();
}

bool DataLifecycleCenter::confirm(const char* titleEnglish, const char* titleRussian, const char* messageEnglish,
                                  const char* messageRussian) {
    const AppLanguage language = viewModel_.settings().language;
    DialogPresenter::Alert alert;
    alert.style = DialogPresenter::AlertStyle::warning;
    alert.message = localized(language, titleEnglish, titleRussian).toStdString();
    alert.informativeText = localized(language, messageEnglish, messageRussian).toStdString();
    alert.firstButton = alert.message;
    alert.cancelButton = localized(language, "Cancel", "Отмена").toStdString();
    alert.destructive = true;
    return viewModel_.dialogs().showAlert(alert).firstButtonChosen;
}

void DataLifecycleCenter::openTagSheet() {
    tagField_->clear();
    tagSave_->setEnabled(false);
    tagSheet_->setGeometry(rect());
    tagSheet_->show();
    tagSheet_->raise();
    tagField_->setFocus();
}

// The view model reports a failed action itself; the selection is emptied (not by emptying the
// trash) and everything reloaded either way, so the lists show what is stored.
QCoro::Task<> DataLifecycleCenter::perform(DataLifecycleAction action, bool keepsSelection) {
    const bool emptiesTrash = action.actionCase() == DataLifecycleAction::Case::emptyTrash;
    const bool addsTag = action.actionCase() == DataLifecycleAction::Case::addTag;
    const std::set<Uuid> ids = emptiesTrash ? std::set<Uuid>{} : selectedAccountIds_;
    const QPointer<DataLifecycleCenter> self(this);
    QCoro::Task<> performed = viewModel_.performLifecycleAction(std::move(action), ids);
    co_await std::move(performed);
    if (!self) co_return;
    if (addsTag) tagSheet_->hide();
    if (!keepsSelection) clearSelection();
    co_await loadData();
}

QCoro::Task<> DataLifecycleCenter::loadData() {
    const std::uint64_t generation = ++loadGeneration_;
    ++loadsRunning_;
    showState();
    const QPointer<DataLifecycleCenter> self(this);
    co_await loadLatest(generation);
    if (!self) co_return;
    --loadsRunning_;
    showState();
}

// Stops quietly as soon as a newer load has started: only that one's results are shown.
QCoro::Task<> DataLifecycleCenter::loadLatest(std::uint64_t generation) {
    const QPointer<DataLifecycleCenter> self(this);
    auto superseded = [&] { return !self || generation != loadGeneration_; };
    try {
        const DataLifecycleStats stats = co_await viewModel_.loadLifecycleStats();
        if (superseded()) co_return;
        stats_ = stats;
        showStats();
        if (!selectedCategory_) co_return;
        std::vector<OtpAccount> loaded = co_await viewModel_.loadLifecycleAccounts(*selectedCategory_);
        if (superseded()) co_return;
        accounts_ = std::move(loaded);
        showAccounts();
    } catch (const std::exception& error) {
        if (superseded()) co_return;
        viewModel_.setStatusMessage(
            QString::fromStdString(AppLocalizer(viewModel_.settings().language).errorDescription(error)));
    }
}

void DataLifecycleCenter::showStats() {
    for (std::size_t i = 0; i < allDataLifecycleCategories.size(); ++i) {
        const int count = stats_ ? countOf(*stats_, allDataLifecycleCategories[i]) : 0;
        badges_[i]->setText(QString::number(count));
        badges_[i]->setVisible(count != 0);
    }
}

void DataLifecycleCenter::showAccounts() {
    const QSignalBlocker blocker(accountList_);
    accountList_->clear();
    for (const OtpAccount& account : accounts_) {
        auto* item = new QListWidgetItem(accountList_);
        item->setData(Qt::UserRole, QString::fromStdString(account.id.toString()));
        QWidget* row = accountRow(account);
        item->setSizeHint(row->sizeHint());
        accountList_->setItemWidget(item, row);
        if (selectedAccountIds_.contains(account.id)) item->setSelected(true);
    }
    showSelectedRows(accountList_);
}

void DataLifecycleCenter::showState() {
    if (isLoading()) {
        detail_->setCurrentWidget(loadingPage_);
    } else if (!selectedCategory_) {
        detail_->setCurrentWidget(prompt_);
    } else {
        detail_->setCurrentWidget(categoryPage_);
    }
    {
        const QSignalBlocker blocker(categories_);
        if (selectedCategory_) {
            categories_->setCurrentRow(int(*selectedCategory_));
        } else {
            categories_->clearSelection();
        }
    }
    showSelectedRows(categories_);
    content_->setCurrentWidget(accounts_.empty() ? emptyState_ : static_cast<QWidget*>(accountList_));
    const bool inTrash = selectedCategory_ == DataLifecycleCategory::trash;
    const bool anySelected = !selectedAccountIds_.empty();
    // The category's buttons keep their room while hidden, so the list below does not move when
    // a selection brings them.
    for (QPushButton* button : {restore_, delete_, emptyTrash_}) keepRoomWhenHidden(button, inTrash);
    for (QPushButton* button : {export_, addTag_, moveToTrash_}) keepRoomWhenHidden(button, !inTrash);
    restore_->setVisible(anySelected && inTrash);
    delete_->setVisible(anySelected && inTrash);
    for (QPushButton* button : {export_, addTag_, moveToTrash_}) button->setVisible(anySelected && !inTrash);
    emptyTrash_->setVisible(!anySelected && inTrash && !accounts_.empty());
    const AppLanguage language = viewModel_.settings().language;
    selectionCount_->setText(localized(language, "Selected accounts", "Выбранные аккаунты") + QStringLiteral(": ") +
                             QString::number(selectedAccountIds_.size()));
    if (selectedCategory_) {
        const CategoryLook look = lookOf(*selectedCategory_);
        emptyIcon_->setName(QString::fromLatin1(look.emptySymbol));
        emptyTitle_->setText(localized(language, look.emptyTitleEnglish, look.emptyTitleRussian));
        emptyMessage_->setText(localized(language, look.emptyMessageEnglish, look.emptyMessageRussian));
    }
}

void DataLifecycleCenter::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    sidebarTitle_->setText(localized(language, "Data Lifecycle", "Жизненный цикл данных"));
    for (std::size_t i = 0; i < allDataLifecycleCategories.size(); ++i) {
        const CategoryLook look = lookOf(allDataLifecycleCategories[i]);
        categoryTitles_[i]->setText(localized(language, look.titleEnglish, look.titleRussian));
    }
    fitSidebar();
    prompt_->setText(localized(language, "Manage old accounts, trash, and untagged items.",
                               "Управление старыми аккаунтами, корзиной и записями без тегов."));
    restore_->setText(localized(language, "Restore", "Восстановить"));
    delete_->setText(localized(language, "Delete Permanently", "Удалить безвозвратно"));
    export_->setText(localized(language, "Export Selected", "Экспорт выбранных"));
    addTag_->setText(localized(language, "Add tag", "Добавить тег"));
    moveToTrash_->setText(localized(language, "Move to Trash", "Переместить в корзину"));
    emptyTrash_->setText(localized(language, "Empty Trash", "Очистить корзину"));
    tagSheetTitle_->setText(localized(language, "Add tag", "Добавить тег"));
    tagField_->setPlaceholderText(localized(language, "New tag", "Новый тег"));
    tagCancel_->setText(localized(language, "Cancel", "Отмена"));
    tagSave_->setText(localized(language, "Save tags", "Сохранить теги"));
}

}  // namespace quorbit

#include "ui/windows/MigrationImportWindow.h"

#include <utility>

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "application/text/AppLocalizer.h"
#include "ui/ObjectNames.h"
#include "ui/kit/Divider.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/TintedPanel.h"
#include "ui/kit/Typography.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/AccountImportRow.h"

namespace quorbit {
namespace {

constexpr int horizontalPadding = 24;
constexpr int verticalPadding = 20;
constexpr int windowInset = 24;  // the panel is 48 narrower and lower than the window
constexpr QSize idealPanelSize(720, 600);
constexpr QSize smallestWindow(500, 400);

// Centred in the window, the panel asks for its ideal size and takes what the window has up to
// that; it never gets smaller than its content or than the window's own minimum allows.
class ImportPanel final : public GlassPanel {
public:
    ImportPanel() : GlassPanel(GlassPanel::cardRadius) {
        setMaximumSize(idealPanelSize);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    // Its wrapping texts would make the height follow the width; the panel's does not.
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override { return idealPanelSize; }

    QSize minimumSizeHint() const override {
        return GlassPanel::minimumSizeHint().expandedTo(smallestWindow - QSize(2 * windowInset, 2 * windowInset));
    }
};

}  // namespace

MigrationImportWindow::MigrationImportWindow(QuorbitViewModel& viewModel, std::vector<GoogleAuthAccount> accounts,
                                             bool isFinalBatch, std::function<void()> onComplete, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel), accounts_(std::move(accounts)),
      completion_(std::make_shared<std::function<void()>>(std::move(onComplete))) {
    setObjectName(objectnames::windows::importWindow);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // No minimum of its own: the layout's, from the panel's content, keeps the window from
    // shrinking below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(windowInset, windowInset, windowInset, windowInset);
    layout->addWidget(buildPanel(isFinalBatch), 0, Qt::AlignCenter);
    resize(760, 640);

    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &MigrationImportWindow::showTexts);
    showTexts();
    showError(std::nullopt);
    showState();
}

QWidget* MigrationImportWindow::buildPanel(bool isFinalBatch) {
    auto* panel = new ImportPanel;
    panel->setObjectName(objectnames::windows::importPanel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    title_ = new PlainLabel(Typography::font(TextStyle::title2, QFont::DemiBold));
    subtitle_ = new PlainLabel(Typography::font(TextStyle::callout));
    TextTone::apply(subtitle_, TextTone::secondary);
    auto* header = new QVBoxLayout;
    header->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding, 12);
    header->setSpacing(6);
    header->addWidget(title_);
    header->addWidget(subtitle_);
    layout->addLayout(header);
    layout->addWidget(new Divider);
    layout->addWidget(buildList(), 1);

    if (!isFinalBatch) {
        auto* noticeBox = new QVBoxLayout;
        noticeBox->setContentsMargins(horizontalPadding, 12, horizontalPadding, 12);
        noticeBox->addWidget(buildBatchNotice());
        layout->addLayout(noticeBox);
        layout->addWidget(new Divider);
    }

    error_ = new StyledLabel(TextStyle::caption, StyledLabel::Tone::red);
    error_->setObjectName(objectnames::windows::importError);
    error_->setWordWrap(true);
    error_->setContentsMargins(horizontalPadding, 0, horizontalPadding, 12);
    errorDivider_ = new Divider;
    layout->addWidget(error_);
    layout->addWidget(errorDivider_);
    layout->addLayout(buildActions());
    return panel;
}

QWidget* MigrationImportWindow::buildList() {
    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(horizontalPadding, 8, horizontalPadding, 8);
    rows->setSpacing(8);
    for (std::size_t i = 0; i < accounts_.size(); ++i) {
        auto* row = new AccountImportRow(accounts_[i], viewModel_.settings().language);
        connect(row, &AccountImportRow::toggled, this, [this, i] { toggleSelection(int(i)); });
        rows_.push_back(row);
        rows->addWidget(row);
    }
    rows->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(content);
    content->setAutoFillBackground(false);
    return scroll;
}

QWidget* MigrationImportWindow::buildBatchNotice() {
    auto* notice = new TintedPanel(&Palette::blue, 0.10, 8);
    notice->setObjectName(objectnames::windows::importBatchNotice);
    auto* layout = new QHBoxLayout(notice);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    const int side = Typography::pixelSize(TextStyle::caption);
    auto* icon = new SymbolView(QStringLiteral("info.circle"), side, &Palette::blue);
    batchText_ = new PlainLabel(Typography::font(TextStyle::caption));
    batchText_->setWordWrap(true);
    TextTone::apply(batchText_, TextTone::secondary);
    layout->addWidget(icon);
    layout->addWidget(batchText_, 1);
    return notice;
}

QLayout* MigrationImportWindow::buildActions() {
    cancel_ = new QPushButton;
    cancel_->setObjectName(objectnames::windows::importCancel);
    connect(cancel_, &QPushButton::clicked, this, [this] { finishLater(this, completion_); });
    progress_ = new QProgressBar;
    progress_->setObjectName(objectnames::windows::importProgress);
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    progress_->setFixedSize(64, 8);
    import_ = new ProminentButton;
    import_->setObjectName(objectnames::windows::importConfirm);
    connect(import_, &QPushButton::clicked, this, [this] { (void)importSelected(); });

    auto* actions = new QHBoxLayout;
    actions->setContentsMargins(horizontalPadding, 12, horizontalPadding, verticalPadding);
    actions->setSpacing(12);
    actions->addWidget(cancel_);
    actions->addStretch();
    actions->addWidget(progress_);
    actions->addWidget(import_);
    return actions;
}

void MigrationImportWindow::toggleSelection(int index) {
    if (!selectedIndices_.erase(index)) selectedIndices_.insert(index);
    rows_[std::size_t(index)]->setSelected(selectedIndices_.contains(index));
    showState();
}

// The import goes on in the view model when the window is cancelled meanwhile; its success is
// still announced, and the window (if it still exists) is closed.
QCoro::Task<> MigrationImportWindow::importSelected() {
    if (selectedIndices_.empty() || isImporting_) co_return;
    setImporting(true);
    showError(std::nullopt);
    const QPointer<MigrationImportWindow> window(this);
    const QPointer<QuorbitViewModel> viewModel(&viewModel_);
    const Completion completion = completion_;
    std::optional<QString> failure;
    bool imported = false;
    try {
        QCoro::Task<bool> import = viewModel_.importGoogleAuthAccounts(accounts_, selectedIndices_);
        imported = co_await std::move(import);
    } catch (const std::exception& error) {
        if (viewModel) {
            failure = QString::fromStdString(AppLocalizer(viewModel->settings().language).errorDescription(error));
        }
    }
    if (imported && viewModel) {
        viewModel->setStatusMessage(localized(viewModel->settings().language, "Google Authenticator accounts imported",
                                              "Аккаунты импортированы"));
        finishLater(window, completion);
    }
    if (!window) co_return;
    if (failure) window->showError(failure);
    window->setImporting(false);
}

void MigrationImportWindow::setImporting(bool importing) {
    isImporting_ = importing;
    showState();
}

void MigrationImportWindow::showError(const std::optional<QString>& message) {
    error_->setText(message.value_or(QString()));
    error_->setVisible(message.has_value());
    errorDivider_->setVisible(message.has_value());
}

void MigrationImportWindow::showState() {
    import_->setEnabled(!selectedIndices_.empty() && !isImporting_);
    progress_->setVisible(isImporting_);
}

void MigrationImportWindow::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    title_->setText(localized(language, "Import from Google Authenticator", "Импорт из Google Authenticator"));
    subtitle_->setText(localized(language, "Select accounts to import", "Выберите аккаунты для импорта"));
    if (batchText_ != nullptr) {
        batchText_->setText(localized(language, "This is not the last QR code. You can scan the next one after import.",
                                      "Это не последний QR-код."));
    }
    cancel_->setText(localized(language, "Cancel", "Отмена"));
    import_->setText(localized(language, "Import", "Импорт"));
    for (AccountImportRow* row : rows_) row->setLanguage(language);
}

// Keys the rows and buttons leave unused reach the window: Escape cancels, Return imports.
void MigrationImportWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape: cancel_->click(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (import_->isEnabled()) import_->click();
        return;
    default: QWidget::keyPressEvent(event);
    }
}

void MigrationImportWindow::closeEvent(QCloseEvent* event) {
    complete(completion_);
    QWidget::closeEvent(event);
}

void MigrationImportWindow::finishLater(QWidget* window, Completion completion) {
    QTimer::singleShot(0, [window = QPointer<QWidget>(window), completion = std::move(completion)] {
        if (window) window->close();
        complete(completion);
    });
}

void MigrationImportWindow::complete(const Completion& completion) {
    if (std::function<void()> onComplete = std::exchange(*completion, nullptr)) onComplete();
}

}  // namespace quorbit

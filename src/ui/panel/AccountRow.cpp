#include "ui/panel/AccountRow.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "application/CodeVisibility.h"
#include "application/text/AppLocalizer.h"
#include "domain/UnicodeText.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/CountdownRing.h"
#include "ui/kit/FittedText.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/HotpCounterBadge.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"
#include "ui/panel/AccountRowMenuItem.h"

namespace quorbit {
namespace {

constexpr qreal sideInset = 12;
constexpr qreal verticalInset = 10;
constexpr qreal stackSpacing = 12;
constexpr qreal spacerMinimum = 8;
constexpr qreal lineSpacing = 2;
constexpr qreal titleSpacing = 5;
constexpr qreal chipSpacing = 4;
constexpr qreal chipPaddingX = 6;
constexpr qreal chipPaddingY = 2;
constexpr qreal narrowestChip = 24;
constexpr int shownTags = 3;
constexpr qreal codeMinimumScale = 0.8;

QString shown(const std::string& text) { return QString::fromStdString(UnicodeText::isolatedForDisplay(text)); }

QString title(const OtpAccount& account) { return shown(account.label()); }

bool hasAccountLine(const OtpAccount& account) { return !account.issuer.empty() && !account.accountName.empty(); }

qreal indicatorWidth(const OtpAccount& account) {
    return account.type == OtpType::hotp ? HotpCounterBadge::width : CountdownRing::side;
}

// Whether any of the widget is inside its window, clipped by every parent on the way (a row
// scrolled out of the list is not). Cheaper than visibleRegion(), which also walks the siblings.
bool onScreen(const QWidget& widget) {
    QRect area = widget.rect();
    for (const QWidget* child = &widget; !child->isWindow() && child->parentWidget(); child = child->parentWidget()) {
        area = area.translated(child->pos()) & child->parentWidget()->rect();
        if (area.isEmpty()) return false;
    }
    return true;
}

}  // namespace

// The fonts and colours the row paints with, kept until the palette or the fonts change.
struct AccountRow::Look {
    explicit Look(const QPalette& palette) : colors(palette) {}
    Palette colors;
    QFont title = Typography::font(TextStyle::callout, QFont::DemiBold);
    QFont caption = Typography::font(TextStyle::caption);
    QFont chip = Typography::font(TextStyle::caption2, QFont::Medium);
    QFont hint = Typography::font(TextStyle::caption2);
    QFont code = Typography::monospaced(TextStyle::title3, QFont::DemiBold);
    LineHeights lines;
};

AccountRow::LineHeights::LineHeights()
    : title(QFontMetricsF(Typography::font(TextStyle::callout, QFont::DemiBold)).height()),
      caption(QFontMetricsF(Typography::font(TextStyle::caption)).height()),
      chip(QFontMetricsF(Typography::font(TextStyle::caption2, QFont::Medium)).height() + 2 * chipPaddingY),
      hint(QFontMetricsF(Typography::font(TextStyle::caption2)).height()) {}

AccountRow::AccountRow(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this,
            [this] { emit actionRequested(AccountRowAction::primary, account_.id); });
}

AccountRow::~AccountRow() = default;

QString AccountRow::codeText(const std::optional<std::string>& code, bool copied, bool visible, CodeFormat format,
                             AppLanguage language) {
    if (copied) return localized(language, "Copied", "Скопировано");
    if (visible && code) return QString::fromStdString(quorbit::format(format, code));
    return format == CodeFormat::grouped ? QStringLiteral("--- ---") : QStringLiteral("------");
}

void AccountRow::refresh(const OtpAccount& account, const std::optional<std::string>& code,
                         std::int64_t secondsRemaining, bool copied, bool revealed, const AppSettings& settings) {
    const bool visible =
        codeVisible(account, copied ? std::optional<Uuid>(account.id) : std::nullopt, revealed, settings);
    const QString shownCode = codeText(code, copied, visible, settings.codeFormat, settings.language);
    const QString spoken = QString::fromStdString(
        AppLocalizer(settings.language)
            .accountAccessibility(account, code, secondsRemaining, visible, settings.codeFormat));
    if (accessibleName() != spoken) setAccessibleName(spoken);
    const bool sameStill = account == account_ && settings.language == language_;
    if (sameStill && secondsRemaining == secondsRemaining_ && copied == copied_ && shownCode == codeText_) return;
    account_ = account;
    secondsRemaining_ = secondsRemaining;
    copied_ = copied;
    language_ = settings.language;
    codeText_ = shownCode;
    if (!sameStill) still_ = QPixmap();
    // A thousand rows asking for a repaint every second cost more than the rest of a tick; one
    // scrolled out of view is painted afresh, with these values, when it comes back.
    if (onScreen(*this)) update();
}

const AccountRow::Look& AccountRow::look() const {
    if (!look_) look_ = std::make_unique<Look>(palette());
    return *look_;
}

qreal AccountRow::columnHeight(const OtpAccount& account, const LineHeights& lines) {
    qreal column = lines.title;
    if (hasAccountLine(account)) column += lineSpacing + lines.caption;
    if (!account.tags.empty()) column += lineSpacing + lines.chip;
    if (account.type == OtpType::hotp) column += lineSpacing + lines.hint;
    return column;
}

int AccountRow::preferredHeight(const OtpAccount& account, const LineHeights& lines) {
    return int(std::ceil(std::max<qreal>(columnHeight(account, lines), CountdownRing::side))) + int(2 * verticalInset);
}

QSize AccountRow::sizeHint() const { return QSize(368, preferredHeight(account_, look().lines)); }

QSize AccountRow::minimumSizeHint() const { return QSize(200, sizeHint().height()); }

QRectF AccountRow::indicatorFrame() const {
    return QRectF(sideInset, height() / 2.0 - CountdownRing::side / 2.0, indicatorWidth(account_), CountdownRing::side);
}

void AccountRow::paintEvent(QPaintEvent*) {
    const Look& current = look();
    const QRectF content = QRectF(rect()).adjusted(sideInset, verticalInset, -sideInset, -verticalInset);
    // The code keeps its natural width while it takes at most half of what the texts share;
    // beyond that it shrinks, then elides.
    const qreal shared = content.width() - indicatorWidth(account_) - 3 * stackSpacing - spacerMinimum;
    const qreal codeNatural = QFontMetricsF(current.code).horizontalAdvance(codeText_);
    const FittedText code =
        FittedText::fit(codeText_, current.code, std::min(codeNatural, shared / 2), codeMinimumScale);
    const qreal codeWidth = std::min(QFontMetricsF(code.font).horizontalAdvance(code.text), shared / 2);
    const qreal columnWidth = std::max<qreal>(0, shared - codeWidth);
    if (still_.isNull() || columnWidth != stillColumnWidth_) paintStill(columnWidth);

    QPainter painter(this);
    painter.drawPixmap(0, 0, still_);
    paintState(painter);
    if (account_.type == OtpType::totp) {
        CountdownRing(secondsRemaining_, account_.period).paintProgress(painter, indicatorFrame(), current.colors);
    }
    painter.setFont(code.font);
    painter.setPen(copied_ ? current.colors.green() : current.colors.primaryText());
    painter.drawText(QRectF(content.right() - codeWidth, content.top(), codeWidth, content.height()),
                     Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, code.text);
}

void AccountRow::paintStill(qreal columnWidth) {
    const qreal ratio = devicePixelRatioF();
    still_ = QPixmap(size() * ratio);
    still_.setDevicePixelRatio(ratio);
    still_.fill(Qt::transparent);
    stillColumnWidth_ = columnWidth;
    QPainter painter(&still_);
    const Look& current = look();
    GlassPanel::paint(painter, QRectF(rect()), GlassPanel::rowRadius, palette());
    if (account_.type == OtpType::hotp) {
        HotpCounterBadge(account_.hotpCounter).paint(painter, indicatorFrame(), current.colors);
    } else {
        CountdownRing::paintTrack(painter, indicatorFrame(), current.colors);
    }
    const qreal columnLeft = indicatorFrame().right() + stackSpacing;
    paintText(painter, QRectF(columnLeft, verticalInset, columnWidth, height() - 2 * verticalInset));
}

// Pressed, hovered and keyboard focus: drawn over the still layer as they come and go.
void AccountRow::paintState(QPainter& painter) const {
    const Palette& colors = look().colors;
    const QRectF bounds = rect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown() || underMouse()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::withAlpha(colors.primaryText(), isDown() ? 0.08 : 0.04));
        painter.drawPath(ContinuousRoundedRect::path(bounds.adjusted(0.5, 0.5, -0.5, -0.5), GlassPanel::rowRadius));
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colors.accent(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousRoundedRect::path(bounds.adjusted(1, 1, -1, -1), GlassPanel::rowRadius - 1));
    }
    painter.restore();
}

void AccountRow::changeEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::PaletteChange || type == QEvent::FontChange || type == QEvent::StyleChange ||
        type == QEvent::ApplicationFontChange) {
        look_.reset();
        still_ = QPixmap();
        updateGeometry();
    }
    QAbstractButton::changeEvent(event);
}

void AccountRow::resizeEvent(QResizeEvent* event) {
    still_ = QPixmap();
    QAbstractButton::resizeEvent(event);
}

void AccountRow::paintText(QPainter& painter, const QRectF& column) const {
    const Look& look = this->look();
    qreal y = column.top() + (column.height() - columnHeight(account_, look.lines)) / 2;

    const qreal titleHeight = look.lines.title;
    const qreal pinSide = Typography::pixelSize(TextStyle::caption2);
    const qreal titleRoom = column.width() - (account_.isFavorite ? titleSpacing + pinSide : 0);
    const QString titleText = QFontMetricsF(look.title).elidedText(title(account_), Qt::ElideRight, titleRoom);
    painter.setFont(look.title);
    painter.setPen(look.colors.primaryText());
    const QRectF titleRect(column.left(), y, titleRoom, titleHeight);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, titleText);
    if (account_.isFavorite) {
        const qreal pinLeft = column.left() + QFontMetricsF(look.title).horizontalAdvance(titleText) + titleSpacing;
        IconFactory::paint(painter, QRectF(pinLeft, y + (titleHeight - pinSide) / 2, pinSide, pinSide),
                           QStringLiteral("pin.fill"), look.colors.accent());
    }
    y += titleHeight;

    if (hasAccountLine(account_)) {
        const qreal lineHeight = look.lines.caption;
        y += lineSpacing;
        painter.setFont(look.caption);
        painter.setPen(look.colors.secondaryText());
        painter.drawText(
            QRectF(column.left(), y, column.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            QFontMetricsF(look.caption).elidedText(shown(account_.accountName), Qt::ElideRight, column.width()));
        y += lineHeight;
    }
    if (!account_.tags.empty()) {
        y += lineSpacing;
        y += paintTags(painter, QPointF(column.left(), y), column.width());
    }
    if (account_.type == OtpType::hotp) {
        const qreal lineHeight = look.lines.hint;
        y += lineSpacing;
        painter.setFont(look.hint);
        painter.setPen(look.colors.orange());
        const QString hint =
            localized(language_, "Copy or Next advances the counter.", "Копирование увеличивает счетчик.");
        painter.drawText(QRectF(column.left(), y, column.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QFontMetricsF(look.hint).elidedText(hint, Qt::ElideRight, column.width()));
    }
}

// The first three tags as capsules; a chip that does not fit is elided and ends the line.
qreal AccountRow::paintTags(QPainter& painter, QPointF origin, qreal width) const {
    const Look& look = this->look();
    const QFontMetricsF metrics(look.chip);
    const qreal chipHeight = look.lines.chip;
    const QColor tint = look.colors.accent();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(look.chip);
    qreal x = origin.x();
    const qreal right = origin.x() + width;
    const int count = std::min<int>(shownTags, int(account_.tags.size()));
    for (int i = 0; i < count; ++i) {
        const QString tag = QString::fromStdString(account_.tags[std::size_t(i)]);
        const qreal room = right - x - 2 * chipPaddingX;
        if (room < narrowestChip - 2 * chipPaddingX) break;
        const QString shown = metrics.elidedText(tag, Qt::ElideRight, room);
        const QRectF chip(x, origin.y(), metrics.horizontalAdvance(shown) + 2 * chipPaddingX, chipHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::withAlpha(tint, 0.12));
        painter.drawPath(ContinuousRoundedRect::path(chip, chipHeight / 2));
        painter.setPen(tint);
        painter.drawText(chip, Qt::AlignCenter | Qt::TextSingleLine, shown);
        if (shown != tag) break;
        x = chip.right() + chipSpacing;
    }
    painter.restore();
    return chipHeight;
}

// The hover tint comes and goes with the pointer.
void AccountRow::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void AccountRow::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

void AccountRow::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_) menu_->close();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const Palette& colors = look().colors;
    // The id is taken now: whatever the row shows later, the menu acts on the account it was opened for.
    const Uuid id = account_.id;
    for (const AccountRowMenuItem& item : AccountRowMenuItem::forAccount(account_, language_)) {
        const QColor iconColor = item.destructive ? colors.red() : colors.primaryText();
        QAction* action = menu->addAction(IconFactory::icon(item.symbol, iconColor), item.text);
        connect(action, &QAction::triggered, this, [this, id, kind = item.action] { emit actionRequested(kind, id); });
    }
    menu_ = menu;
    menu->popup(event->globalPos());
    event->accept();
}

void AccountRow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace quorbit

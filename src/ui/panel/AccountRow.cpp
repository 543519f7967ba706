#include "ui/panel/AccountRow.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "application/CodeVisibility.h"
#include "application/text/AppLocalizer.h"
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

QString title(const OtpAccount& account) {
    return QString::fromStdString(account.issuer.empty() ? account.accountName : account.issuer);
}

bool hasAccountLine(const OtpAccount& account) { return !account.issuer.empty() && !account.accountName.empty(); }

qreal indicatorWidth(const OtpAccount& account) {
    return account.type == OtpType::hotp ? HotpCounterBadge::width : CountdownRing::side;
}

}  // namespace

// The fonts and colours of one paint.
struct AccountRow::Look {
    Palette colors;
    QFont title = Typography::font(TextStyle::callout, QFont::DemiBold);
    QFont caption = Typography::font(TextStyle::caption);
    QFont chip = Typography::font(TextStyle::caption2, QFont::Medium);
    QFont hint = Typography::font(TextStyle::caption2);
    QFont code = Typography::monospaced(TextStyle::title3, QFont::DemiBold);
};

AccountRow::AccountRow(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] { emit actionRequested(AccountRowAction::primary, account_.id); });
}

QString AccountRow::codeText(const std::optional<std::string>& code, bool copied, bool visible, CodeFormat format,
                             AppLanguage language) {
    if (copied) return localized(language, "Copied", "Скопировано");
    if (visible && code) return QString::fromStdString(quorbit::format(format, code));
    return format == CodeFormat::grouped ? QStringLiteral("--- ---") : QStringLiteral("------");
}

void AccountRow::refresh(const OtpAccount& account, const std::optional<std::string>& code,
                         std::int64_t secondsRemaining, bool copied, bool revealed, const AppSettings& settings) {
    const bool visible = codeVisible(account, copied ? std::optional<Uuid>(account.id) : std::nullopt, revealed, settings);
    const QString shownCode = codeText(code, copied, visible, settings.codeFormat, settings.language);
    const QString spoken = QString::fromStdString(
        AppLocalizer(settings.language).accountAccessibility(account, code, secondsRemaining, visible, settings.codeFormat));
    if (accessibleName() != spoken) setAccessibleName(spoken);
    const bool sameLook = account == account_ && secondsRemaining == secondsRemaining_ && copied == copied_ &&
                          settings.language == language_ && shownCode == codeText_;
    if (sameLook) return;
    const int heightBefore = contentHeight();
    account_ = account;
    secondsRemaining_ = secondsRemaining;
    copied_ = copied;
    language_ = settings.language;
    codeText_ = shownCode;
    if (contentHeight() != heightBefore) updateGeometry();
    update();
}

qreal AccountRow::columnHeight(const Look& look) const {
    qreal column = QFontMetricsF(look.title).height();
    if (hasAccountLine(account_)) column += lineSpacing + QFontMetricsF(look.caption).height();
    if (!account_.tags.empty()) column += lineSpacing + QFontMetricsF(look.chip).height() + 2 * chipPaddingY;
    if (account_.type == OtpType::hotp) column += lineSpacing + QFontMetricsF(look.hint).height();
    return column;
}

int AccountRow::contentHeight() const {
    return int(std::ceil(std::max<qreal>(columnHeight(Look{Palette(palette())}), CountdownRing::side)));
}

QSize AccountRow::sizeHint() const { return QSize(368, contentHeight() + int(2 * verticalInset)); }

QSize AccountRow::minimumSizeHint() const { return QSize(200, sizeHint().height()); }

void AccountRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Look look{Palette(palette())};
    const QRectF bounds = rect();
    GlassPanel::paint(painter, bounds, GlassPanel::rowRadius, palette());
    if (isDown() || underMouse()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::withAlpha(look.colors.primaryText(), isDown() ? 0.08 : 0.04));
        painter.drawPath(ContinuousRoundedRect::path(bounds.adjusted(0.5, 0.5, -0.5, -0.5), GlassPanel::rowRadius));
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(look.colors.accent(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousRoundedRect::path(bounds.adjusted(1, 1, -1, -1), GlassPanel::rowRadius - 1));
    }

    const QRectF content = bounds.adjusted(sideInset, verticalInset, -sideInset, -verticalInset);
    const qreal indicator = indicatorWidth(account_);
    const QRectF indicatorFrame(content.left(), content.center().y() - CountdownRing::side / 2.0, indicator,
                                CountdownRing::side);
    if (account_.type == OtpType::hotp) {
        HotpCounterBadge(account_.hotpCounter).paint(painter, indicatorFrame, look.colors);
    } else {
        CountdownRing(secondsRemaining_, account_.period).paint(painter, indicatorFrame, look.colors);
    }

    // The code keeps its natural width while it takes at most half of what the texts share;
    // beyond that it shrinks, then elides.
    const qreal shared = content.width() - indicator - 3 * stackSpacing - spacerMinimum;
    const qreal codeNatural = QFontMetricsF(look.code).horizontalAdvance(codeText_);
    const FittedText code = FittedText::fit(codeText_, look.code, std::min(codeNatural, shared / 2), codeMinimumScale);
    const qreal codeWidth = std::min(QFontMetricsF(code.font).horizontalAdvance(code.text), shared / 2);
    painter.setFont(code.font);
    painter.setPen(copied_ ? look.colors.green() : look.colors.primaryText());
    painter.drawText(QRectF(content.right() - codeWidth, content.top(), codeWidth, content.height()),
                     Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, code.text);

    const qreal columnLeft = indicatorFrame.right() + stackSpacing;
    const qreal columnWidth = std::max<qreal>(0, shared - codeWidth);
    paintText(painter, QRectF(columnLeft, content.top(), columnWidth, content.height()), look);
}

void AccountRow::paintText(QPainter& painter, const QRectF& column, const Look& look) const {
    qreal y = column.top() + (column.height() - columnHeight(look)) / 2;

    const qreal titleHeight = QFontMetricsF(look.title).height();
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
        const qreal lineHeight = QFontMetricsF(look.caption).height();
        y += lineSpacing;
        painter.setFont(look.caption);
        painter.setPen(look.colors.secondaryText());
        painter.drawText(QRectF(column.left(), y, column.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QFontMetricsF(look.caption)
                             .elidedText(QString::fromStdString(account_.accountName), Qt::ElideRight, column.width()));
        y += lineHeight;
    }
    if (!account_.tags.empty()) {
        y += lineSpacing;
        y += paintTags(painter, QPointF(column.left(), y), column.width(), look);
    }
    if (account_.type == OtpType::hotp) {
        const qreal lineHeight = QFontMetricsF(look.hint).height();
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
qreal AccountRow::paintTags(QPainter& painter, QPointF origin, qreal width, const Look& look) const {
    const QFontMetricsF metrics(look.chip);
    const qreal chipHeight = metrics.height() + 2 * chipPaddingY;
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

void AccountRow::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_) menu_->close();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const Palette colors(palette());
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

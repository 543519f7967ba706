#pragma once

#include <QAbstractButton>
#include <QMenu>
#include <QPixmap>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "application/settings/AppSettings.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"
#include "ui/panel/AccountRowAction.h"

namespace quorbit {

// One account in the panel's list, painted in one piece: countdown ring or HOTP badge, title with
// its favourite mark, account line, the first three tags, the HOTP hint and the code (or the
// mask, or "Copied"). The host keeps one row per account id and refreshes it in place on every
// tick, so focus, hover and an open context menu survive. A click and every menu item report
// the account's id through actionRequested(); the row itself changes nothing.
class AccountRow : public QAbstractButton {
    Q_OBJECT
public:
    explicit AccountRow(QWidget* parent = nullptr);
    ~AccountRow() override;

    // Repaints (and relays out) only what the new values change.
    void refresh(const OtpAccount& account, const std::optional<std::string>& code, std::int64_t secondsRemaining,
                 bool copied, bool revealed, const AppSettings& settings);

    const Uuid& accountId() const noexcept { return account_.id; }
    const OtpAccount& account() const noexcept { return account_; }
    QString codeText() const { return codeText_; }
    QMenu* openMenu() const { return menu_; }

    // "Copied", the formatted code, or the mask of the code format whatever the number of digits.
    static QString codeText(const std::optional<std::string>& code, bool copied, bool visible, CodeFormat format,
                            AppLanguage language);

    // The heights of the lines a row may show, in the fonts it paints them with.
    struct LineHeights {
        LineHeights();
        qreal title;
        qreal caption;
        qreal chip;
        qreal hint;
    };
    // The height a row takes for the account, known before any row is made for it.
    static int preferredHeight(const OtpAccount& account, const LineHeights& lines);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void actionRequested(quorbit::AccountRowAction action, const quorbit::Uuid& accountId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Look;
    const Look& look() const;
    static qreal columnHeight(const OtpAccount& account, const LineHeights& lines);
    QRectF indicatorFrame() const;
    void paintStill(qreal columnWidth);
    void paintState(QPainter& painter) const;
    void paintText(QPainter& painter, const QRectF& column) const;
    qreal paintTags(QPainter& painter, QPointF origin, qreal width) const;

    OtpAccount account_;
    std::int64_t secondsRemaining_ = 0;
    bool copied_ = false;
    AppLanguage language_ = AppLanguage::english;
    QString codeText_;
    QPointer<QMenu> menu_;
    // What changes only with the account, the language, the size or the look: the glass, the
    // texts and the ring's track or the badge, painted once and reused on every tick.
    QPixmap still_;
    qreal stillColumnWidth_ = -1;
    mutable std::unique_ptr<Look> look_;
};

}  // namespace quorbit

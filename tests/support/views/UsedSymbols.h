#pragma once

#include <QStringList>

namespace quorbit::test {

// Every symbol name the views draw; a view that needs a new one adds it here and draws it.
inline QStringList usedSymbols() {
    return {
        "archivebox", "arrow.3.trianglepath", "arrow.counterclockwise", "arrow.down.circle", "arrow.down.doc",
        "arrow.up.doc", "arrow.uturn.backward", "arrow.uturn.backward.circle", "bitcoinsign.circle",
        "bolt.horizontal", "briefcase", "building.2.crop.circle", "checkmark", "checkmark.circle.fill",
        "checkmark.shield.fill", "circle", "clock", "clock.badge.checkmark", "clock.badge.exclamationmark",
        "cursorarrow.click", "desktopcomputer", "doc.on.doc", "doc.text", "doc.text.magnifyingglass",
        "exclamationmark.triangle", "eye", "eye.slash", "folder", "folder.badge.gearshape", "forward.frame",
        "gearshape", "globe", "icloud.slash", "info.circle", "key.fill", "list.bullet.clipboard", "lock",
        "lock.doc", "lock.fill", "lock.open", "lock.shield", "lock.shield.fill", "macwindow", "magnifyingglass",
        "network.slash", "pencil.circle", "pin", "pin.fill", "pin.slash", "plus", "plus.circle", "qrcode",
        "qrcode.viewfinder", "rectangle.dashed", "shield", "shield.checkered", "slider.horizontal.3",
        "sparkles", "square.and.arrow.up", "square.and.arrow.up.on.square", "square.on.square", "tag",
        "tag.slash", "text.badge.plus", "trash", "trash.slash", "xmark.circle",
    };
}

}  // namespace quorbit::test

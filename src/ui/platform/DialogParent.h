#pragma once

class QWidget;

namespace quorbit {

// The window of ours that a dialog belongs to: the active one, else the top visible one that
// stays on top (the panel). A dialog parented to it opens in front of it, never behind the
// always-on-top panel.
QWidget* dialogParent();

}  // namespace quorbit

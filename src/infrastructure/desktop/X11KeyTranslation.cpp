#include "infrastructure/desktop/X11KeyTranslation.h"

#include <xcb/xproto.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace quorbit {

namespace {

// (stored key code, X11 key symbol), from the ANSI keyboard layout the codes describe.
constexpr std::pair<std::uint32_t, std::uint32_t> keySyms[] = {
    {0x00, 'a'},    {0x01, 's'},    {0x02, 'd'},    {0x03, 'f'},    {0x04, 'h'},    {0x05, 'g'},
    {0x06, 'z'},    {0x07, 'x'},    {0x08, 'c'},    {0x09, 'v'},    {0x0B, 'b'},    {0x0C, 'q'},
    {0x0D, 'w'},    {0x0E, 'e'},    {0x0F, 'r'},    {0x10, 'y'},    {0x11, 't'},    {0x12, '1'},
    {0x13, '2'},    {0x14, '3'},    {0x15, '4'},    {0x16, '6'},    {0x17, '5'},    {0x18, '='},
    {0x19, '9'},    {0x1A, '7'},    {0x1B, '-'},    {0x1C, '8'},    {0x1D, '0'},    {0x1E, ']'},
    {0x1F, 'o'},    {0x20, 'u'},    {0x21, '['},    {0x22, 'i'},    {0x23, 'p'},    {0x25, 'l'},
    {0x26, 'j'},    {0x27, '\''},   {0x28, 'k'},    {0x29, ';'},    {0x2A, '\\'},   {0x2B, ','},
    {0x2C, '/'},    {0x2D, 'n'},    {0x2E, 'm'},    {0x2F, '.'},    {0x31, ' '},    {0x32, '`'},
    {0x24, 0xFF0D},  // Return
    {0x30, 0xFF09},  // Tab
    {0x33, 0xFF08},  // Delete, the backspace key
    {0x35, 0xFF1B},  // Escape
    {0x7A, 0xFFBE}, {0x78, 0xFFBF}, {0x63, 0xFFC0}, {0x76, 0xFFC1}, {0x60, 0xFFC2}, {0x61, 0xFFC3},
    {0x62, 0xFFC4}, {0x64, 0xFFC5}, {0x65, 0xFFC6}, {0x6D, 0xFFC7}, {0x67, 0xFFC8}, {0x6F, 0xFFC9},  // F1-F12
    {0x73, 0xFF50}, {0x77, 0xFF57}, {0x74, 0xFF55}, {0x79, 0xFF56}, {0x75, 0xFFFF},  // Home, End, PgUp, PgDn, Del
    {0x7B, 0xFF51}, {0x7E, 0xFF52}, {0x7C, 0xFF53}, {0x7D, 0xFF54},                  // arrows
};

}  // namespace

std::optional<std::uint32_t> X11KeyTranslation::keySym(std::uint32_t keyCode) {
    const auto* found = std::ranges::find(keySyms, keyCode, &std::pair<std::uint32_t, std::uint32_t>::first);
    if (found == std::end(keySyms)) return std::nullopt;
    return found->second;
}

std::uint16_t X11KeyTranslation::modifierMask(KeyboardShortcutModifier modifier) {
    switch (modifier) {
    case KeyboardShortcutModifier::command: return XCB_MOD_MASK_CONTROL;
    case KeyboardShortcutModifier::option: return XCB_MOD_MASK_1;
    case KeyboardShortcutModifier::control: return XCB_MOD_MASK_4;
    case KeyboardShortcutModifier::shift: return XCB_MOD_MASK_SHIFT;
    }
    return 0;
}

std::uint16_t X11KeyTranslation::modifierMask(std::span<const KeyboardShortcutModifier> modifiers) {
    std::uint16_t mask = 0;
    for (auto modifier : modifiers) mask |= modifierMask(modifier);
    return mask;
}

}  // namespace quorbit

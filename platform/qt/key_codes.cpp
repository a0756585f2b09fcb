#include "platform/qt/key_codes.h"

#include <QKeyEvent>
#include <unordered_map>

#include "platform/qt/qt_text.h"
#include "platform/ui/keys.h"

namespace platform::qt {

namespace {

int KeypadCodeOf(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma: return 110;
        case Qt::Key_Slash: return 111;
        default: return 0;
    }
}

// Keys that are not letters, digits or function keys. Shifted punctuation
// gives the code of its unshifted key, as on a US keyboard.
const std::unordered_map<int, int>& OtherKeys() {
    // clang-format off
    static const std::unordered_map<int, int> keys = {
        {Qt::Key_Backspace, ui::keys::Backspace}, {Qt::Key_Tab, ui::keys::Tab},
        {Qt::Key_Backtab, ui::keys::Tab},         {Qt::Key_Clear, 12},
        {Qt::Key_Return, ui::keys::Return},       {Qt::Key_Enter, ui::keys::Return},
        {Qt::Key_Shift, ui::keys::Shift},         {Qt::Key_Control, ui::keys::Control},
        {Qt::Key_Alt, 18},                        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},                   {Qt::Key_Escape, ui::keys::Escape},
        {Qt::Key_Space, ui::keys::Space},         {Qt::Key_PageUp, ui::keys::PageUp},
        {Qt::Key_PageDown, ui::keys::PageDown},   {Qt::Key_End, ui::keys::End},
        {Qt::Key_Home, ui::keys::Home},           {Qt::Key_Left, ui::keys::Left},
        {Qt::Key_Up, ui::keys::Up},               {Qt::Key_Right, ui::keys::Right},
        {Qt::Key_Down, ui::keys::Down},           {Qt::Key_Print, 44},
        {Qt::Key_Insert, ui::keys::Insert},       {Qt::Key_Delete, ui::keys::Delete},
        {Qt::Key_Help, 47},                       {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},                {Qt::Key_Exclam, 49},
        {Qt::Key_At, 50},                         {Qt::Key_NumberSign, 51},
        {Qt::Key_Dollar, 52},                     {Qt::Key_Percent, 53},
        {Qt::Key_AsciiCircum, 54},                {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56},                   {Qt::Key_ParenLeft, 57},
        {Qt::Key_ParenRight, 48},                 {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},                     {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},                      {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},                      {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},                {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},                   {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},                  {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},                {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},                 {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},                       {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},                {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
    };
    // clang-format on
    return keys;
}

}  // namespace

int KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = KeypadCodeOf(key)) return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return ui::keys::F1 + (key - Qt::Key_F1);
    const auto& others = OtherKeys();
    const auto found = others.find(key);
    return found == others.end() ? 0 : found->second;
}

int ShiftMaskOf(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= ui::shiftmask::Shift;
    if (modifiers & Qt::ControlModifier) mask |= ui::shiftmask::Ctrl;
    if (modifiers & Qt::AltModifier) mask |= ui::shiftmask::Alt;
    return mask;
}

int MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return ui::mouse::Left;
        case Qt::RightButton: return ui::mouse::Right;
        case Qt::MiddleButton: return ui::mouse::Middle;
        default: return 0;
    }
}

int KeyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    // One character; Delete types no character in the model.
    if (text.toUcs4().size() != 1 || text[0] == QChar(0x7F)) return 0;
    const std::string byte = FromQt(text);
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : 0;
}

}  // namespace platform::qt

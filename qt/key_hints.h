#pragma once

#include <QString>
#include <span>

namespace numira {

// What the view tells the user about a key: a Bulgarian name for screen readers (the picture
// keys have no caption to read) and the tooltip naming its keyboard equivalent.
struct KeyHint {
    const char* control;    // the control's name in the window model
    const char* name;       // accessible name
    const char* keyboard;   // the key on the keyboard, "" for none
    const char* pasteText;  // how a pasted text spells it when no key types it, "" for none
};

std::span<const KeyHint> keyHints();
const KeyHint* keyHint(const QString& control);

// "Клавиатура: +" or, for a key without a keyboard equivalent, what to paste for it.
QString keyToolTip(const KeyHint& hint);

}  // namespace numira

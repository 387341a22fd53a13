#pragma once

// The kinds of modal message box ROVEX shows: an icon, one of a few fixed button
// sets, and the button the user pressed. Every message names its set, so the
// answer a caller expects is always one the box can give.

namespace rovex {

enum class MsgIcon { None, Information, Warning, Stop, Question };

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class MsgResult { Ok, Cancel, Yes, No, Retry };

// The caption every message box carries unless a Part names another.
inline constexpr const char* kAppCaption = "ROVEX";

}  // namespace rovex

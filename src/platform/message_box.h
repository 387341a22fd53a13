#pragma once

// The kinds of modal message box the system shows: the icons and button sets of
// the original's message boxes, and the button the user pressed.

namespace rovex {

enum class MsgIcon { None, Information, Warning, Stop, Question };

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class MsgResult { Ok, Cancel, Yes, No, Retry };

// The caption every message box carries unless a Part names another.
inline constexpr const char* kAppCaption = "ROVEX";

}  // namespace rovex

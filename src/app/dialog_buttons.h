#pragma once

#include <vector>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;

// The "&OK" and "&Cancel" row of a dialog: Enter presses OK, Esc cancels.

namespace rovex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);
// The single "&OK" of a dialog that only shows something.
QDialogButtonBox* OkButton(QDialog* dialog);
// A row of buttons that act without closing the dialog, then "&OK" at its right end.
QHBoxLayout* ActionsThenOk(QDialog* dialog, const std::vector<QPushButton*>& actions);

}  // namespace rovex

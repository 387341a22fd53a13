#pragma once

class QDialog;
class QDialogButtonBox;

// The "&OK" and "&Cancel" row of a dialog: Enter presses OK, Esc cancels.

namespace rovex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);
// The single "&OK" of a dialog that only shows something.
QDialogButtonBox* OkButton(QDialog* dialog);

}  // namespace rovex

#pragma once

#include <vector>

class QDialog;
class QBoxLayout;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The "&OK" and "&Cancel" row of a dialog: Enter presses OK, Esc cancels.

namespace rovex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);
// The single "&OK" of a dialog that only shows something.
QDialogButtonBox* OkButton(QDialog* dialog);
// A row of buttons that act without closing the dialog, then "&OK" at its right end.
QHBoxLayout* ActionsThenOk(QDialog* dialog, const std::vector<QPushButton*>& actions);
// A dialog's fixed text, wrapped to the dialog's width, at the end of its column.
void AddHint(QBoxLayout* layout, const char* text, QWidget* parent);

}  // namespace rovex

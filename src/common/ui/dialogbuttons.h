#pragma once
// The "OK" and "Cancel" of a small dialog: OK is the default button and accepts the dialog,
// Cancel rejects it.

class QDialog;
class QDialogButtonBox;
class QPushButton;

QDialogButtonBox* makeDialogOkCancel(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnCancel);

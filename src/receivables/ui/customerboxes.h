#pragma once
// The customer boxes of a receivables window: the customer number, and beside it a drop-down of
// a blank choice then every customer as "name  (number)", each carrying its key.

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class TdmLookUps;

// Makes `editCustomerNo` and `cboCustomer` and the row holding them.
QHBoxLayout* makeCustomerBoxes(QWidget* parent, QLineEdit*& editCustomerNo,
                               QComboBox*& cboCustomer);
void fillCustomerPickList(QComboBox* box, TdmLookUps& lookups);
// The button that opens the customer list: enabled only where the window can open one.
void offerCustomerList(QPushButton* button, bool available);

#pragma once
// What every document window (an invoice, a payment) builds alike: its frame, the captions
// beside its boxes, the marks of its state and its totals, and the question on closing it with
// changes in hand.

#include <functional>

class Dialogs;
class QCloseEvent;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QString;
class QVBoxLayout;
class QWidget;

// A top-level window deleted on close, with the column its parts are stacked in.
QVBoxLayout* setUpDocumentWindow(QWidget* window, const QString& name, const QString& title);
// The caption of a box, right-aligned against it.
QLabel* captionLabel(const QString& text, QWidget* parent);
// A large bold coloured mark of the document's state ("POSTED").
QLabel* stateLabel(const QString& text, const QString& name, const QString& colour,
                   QWidget* parent);
// A framed, right-aligned total.
QLabel* amountLabel(const QString& name, int minimumWidth, QWidget* parent);
// The bookkeeping period (blank, 1 to 12) and the two-digit year beside it, `gap` apart.
QHBoxLayout* makePeriodBoxes(QWidget* parent, QSpinBox*& spinPeriod, QLineEdit*& editYear, int gap);
// "OK" and "Cancel" at the right of their row.
QHBoxLayout* makeOkCancel(QWidget* parent, QPushButton*& btnOK, QPushButton*& btnCancel);

// The window's close box with the document in hand: asks whether to save what is being changed
// (`save` false: the window stays open) or drops it (`discard`); an untouched new document just
// goes. The event is accepted or ignored accordingly.
void answerCloseBox(QCloseEvent* event, Dialogs& dialogs, bool editing, bool untouchedNew,
                    const std::function<bool()>& save, const std::function<void()>& discard);

#include "masterdata/ui/frmcoderecord.h"

#include "common/formats.h"
#include "common/formatsettings.h"
#include "common/money.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "common/ui/windowparts.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/dialect.h"
#include "masterdata/codetables/coderecords.h"
#include "masterdata/codetables/itemnumbering.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleValidator>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUrl>
#include <QVBoxLayout>

using codetables::RecordField;
using Kind = RecordField::Kind;

TfrmCodeRecord::TfrmCodeRecord(Database& db, const codetables::CodeTable& table,
                               std::optional<qint64> key, QWidget* parent)
    : QDialog(parent), dialogs(&messageBoxes_), db_(db), table_(table), key_(key),
      messageBoxes_(this)
{
    setObjectName(table.recordName);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    build();
    if (key) {
        fill(codetables::loadRecord(db, table, *key));
    } else if (table.numberedFromItemCtl) {
        const codetables::NewItemNumbers numbers = codetables::drawItemNumbers(db);
        fill({{QStringLiteral("ItemNo"), numbers.itemNo}, {QStringLiteral("Suspended"), false}});
        if (!numbers.itemNo.isEmpty())
            newItemId_ = numbers.itemId;
    }
    modified_ = false;
    followCaption();
    adjustSize();
    applyFontFactor(this);
}

void TfrmCodeRecord::build()
{
    auto* form = new QFormLayout;
    for (const RecordField& f : table_.fields) {
        QWidget* editor = nullptr;
        const FieldDef* def = table_.table.field(f.name);
        switch (f.kind) {
        case Kind::Text:
        case Kind::Letter:
        case Kind::Number:
        case Kind::Amount: {
            auto* line = new QLineEdit(this);
            if (def && def->size > 0)
                line->setMaxLength(def->size);
            if (f.kind == Kind::Letter)
                line->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[A-Za-z]")), line));
            if (f.kind == Kind::Number)
                line->setValidator(new QDoubleValidator(line));
            if (f.kind == Kind::Number || f.kind == Kind::Amount)
                line->setAlignment(Qt::AlignRight);
            line->setReadOnly(f.readOnly);
            connect(line, &QLineEdit::textEdited, this, &TfrmCodeRecord::markModified);
            editor = line;
            break;
        }
        case Kind::Memo: {
            auto* memo = new QPlainTextEdit(this);
            memo->setTabChangesFocus(true);
            memo->setFixedHeight(80);
            connect(memo, &QPlainTextEdit::textChanged, this, [this] {
                if (!closing_)
                    markModified();
            });
            editor = memo;
            break;
        }
        case Kind::Check: {
            auto* check = new QCheckBox(this);
            connect(check, &QCheckBox::clicked, this, &TfrmCodeRecord::markModified);
            editor = check;
            break;
        }
        case Kind::Lookup:
        case Kind::Choice: {
            auto* combo = new QComboBox(this);
            combo->addItem(QString(), QVariant());
            if (f.kind == Kind::Choice) {
                for (int i = 0; i < f.choices.size(); ++i)
                    combo->addItem(f.choices[i], i + 1);
            } else {
                Statement rows = db_.query(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %4")
                                               .arg(f.lookupKey, f.lookupName, f.lookupTable,
                                                    db_.dialect().nocaseOrder(f.lookupName)));
                rows.exec();
                while (rows.next())
                    combo->addItem(rows.text(1), rows.integer(0));
            }
            connect(combo, &QComboBox::activated, this, &TfrmCodeRecord::markModified);
            editor = combo;
            break;
        }
        }
        editor->setObjectName(QStringLiteral("db") + f.name);
        editors_.insert(f.name, editor);
        if (f.kind != Kind::Memo)
            enterMovesToNextControl(editor); // a memo keeps Enter; an open drop-down takes it
        if (f.button != RecordField::Button::None) {
            const bool dials = f.button == RecordField::Button::Dial;
            auto* button =
                new QPushButton(dials ? QStringLiteral("Dial") : QStringLiteral("Mail"), this);
            button->setObjectName(QStringLiteral("btn") +
                                  (dials ? QStringLiteral("Dial") : QStringLiteral("Mail")) +
                                  f.name);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::NoFocus); // Enter runs through the fields only
            auto* line = static_cast<QLineEdit*>(editor);
            connect(button, &QPushButton::clicked, this, [this, line, dials] {
                if (dials && dial)
                    dial(line->text());
                else if (!dials && openUrl && !line->text().trimmed().isEmpty())
                    openUrl(QUrl(QStringLiteral("mailto:") + line->text().trimmed()));
            });
            if (dials)
                dialButtons_ << button;
            auto* row = new QHBoxLayout;
            row->addWidget(editor, 1);
            row->addWidget(button);
            form->addRow(f.caption + QLatin1Char(':'), row);
        } else if (f.wordWrapSwitch) {
            auto* memo = static_cast<QPlainTextEdit*>(editor);
            auto* wrap = new QCheckBox(QStringLiteral("Word wrap"), this);
            wrap->setObjectName(QStringLiteral("chkWordWrap"));
            wrap->setChecked(true);
            connect(wrap, &QCheckBox::toggled, memo, [memo](bool on) {
                memo->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            });
            auto* column = new QVBoxLayout;
            column->addWidget(memo);
            column->addWidget(wrap);
            form->addRow(f.caption + QLatin1Char(':'), column);
        } else {
            form->addRow(f.caption + QLatin1Char(':'), editor);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* buttonPanel = new QWidget(this);
    buttonPanel->setObjectName(QStringLiteral("pnlButtons"));
    buttonPanel->installEventFilter(this);
    auto* buttonRow = makeOkCancel(buttonPanel, btnOK, btnCancel);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonPanel->setLayout(buttonRow);
    layout->addWidget(buttonPanel);
    // Enter in a field moves on; on OK it saves.
    btnOK->setDefault(true);
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmCodeRecord::save);
    updateFieldButtons();
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        modified_ = false;
        QDialog::reject();
    });
    for (const QString& name : table_.nameFields)
        if (auto* line = qobject_cast<QLineEdit*>(editors_.value(name)))
            connect(line, &QLineEdit::textChanged, this, &TfrmCodeRecord::followCaption);
}

void TfrmCodeRecord::updateFieldButtons()
{
    for (QPushButton* button : dialButtons_)
        button->setEnabled(bool(dial));
}

void TfrmCodeRecord::fill(const QVariantMap& values)
{
    for (const RecordField& f : table_.fields) {
        const QVariant value = values.value(f.name);
        QWidget* editor = editors_.value(f.name);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            if (f.kind == Kind::Amount && value.metaType() == QMetaType::fromType<Money>())
                line->setText(formatCurrency(value.value<Money>()));
            else if (f.kind == Kind::Number && !value.isNull())
                line->setText(QString::number(value.toDouble(), 'g', 15));
            else
                line->setText(value.toString());
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
            memo->setPlainText(value.toString());
        } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
            check->setChecked(value.toBool());
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            const int at = value.isNull() ? 0 : combo->findData(value.toLongLong());
            combo->setCurrentIndex(at < 0 ? 0 : at);
        }
    }
}

QVariantMap TfrmCodeRecord::values() const
{
    QVariantMap values;
    for (const RecordField& f : table_.fields) {
        QWidget* editor = editors_.value(f.name);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const QString text = line->text().trimmed();
            if (f.kind == Kind::Number)
                values[f.name] = text.isEmpty() ? QVariant() : QVariant(QLocale().toDouble(text));
            else if (f.kind == Kind::Amount) {
                const auto amount = Money::parse(text, currentFormatSettings());
                values[f.name] = amount ? QVariant::fromValue(*amount) : QVariant();
            } else
                values[f.name] = f.kind == Kind::Letter ? line->text().toUpper() : line->text();
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
            values[f.name] = memo->toPlainText();
        } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
            values[f.name] = check->isChecked();
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            values[f.name] = combo->currentData();
        }
    }
    if (!key_ && newItemId_.isValid())
        values[table_.key] = newItemId_;
    return values;
}

void TfrmCodeRecord::followCaption()
{
    const QVariantMap now = values();
    QStringList parts;
    for (const QString& field : table_.nameFields)
        parts << now.value(field).toString();
    const QString name = parts.join(QLatin1Char(' ')).trimmed();
    setWindowTitle(!key_ && name.isEmpty() ? table_.newCaption
                   : name.isEmpty()        ? table_.recordCaption
                                           : name);
}

void TfrmCodeRecord::markModified()
{
    modified_ = true;
}

bool TfrmCodeRecord::save()
{
    try {
        savedKey_ = codetables::saveRecord(db_, table_, values(), key_);
    } catch (const codetables::Refusal& refusal) {
        dialogs->inform(Dialogs::Kind::Error, refusal.message());
        if (QWidget* editor = editors_.value(refusal.field()))
            editor->setFocus();
        return false;
    } catch (const DbError& error) {
        dialogs->inform(Dialogs::Kind::Error, error.message());
        return false;
    }
    modified_ = false;
    closing_ = true;
    accept();
    return true;
}

void TfrmCodeRecord::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!firstSize_.isValid())
        firstSize_ = size();
}

bool TfrmCodeRecord::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && firstSize_.isValid()) {
        resize(firstSize_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCodeRecord::reject()
{
    close(); // Escape asks like the close box does
}

void TfrmCodeRecord::closeEvent(QCloseEvent* event)
{
    if (result() == QDialog::Accepted || closing_) {
        event->accept();
        return;
    }
    answerCloseBox(
        event, *dialogs, modified_, !key_ && !modified_, [this] { return save(); },
        [this] { modified_ = false; });
    if (event->isAccepted()) {
        closing_ = true;
        QDialog::reject();
    }
}

#include "toolkit/ItemList.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalBlocker>

namespace toolkit {

ItemList::ItemList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Return must not grow the list, and completion would rewrite what is typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setCurrentIndex(-1);
    // activated comes from the popup, the arrow keys and the wheel, never from
    // the program; textEdited likewise only from typing.
    connect(this, &QComboBox::activated, this, &ItemList::picked);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ItemList::typed);
}

void ItemList::setItems(const QStringList& items) {
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void ItemList::setItemIndex(int index) {
    QLineEdit* edit = lineEdit();
    const QSignalBlocker blocker(this);
    if (index < 0 || index >= count()) {
        // Selecting none would clear the text as well; what was typed stays.
        const QString text = edit->text();
        const int cursor = edit->cursorPosition();
        setCurrentIndex(-1);
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(cursor);
        }
        return;
    }
    if (index == currentIndex() && edit->text() == itemText(index)) return;
    const int cursor = edit->cursorPosition();
    const bool sameText = edit->text() == itemText(index);
    setCurrentIndex(index);
    if (sameText) edit->setCursorPosition(cursor);
}

void ItemList::showEvent(QShowEvent* event) {
    QComboBox::showEvent(event);
    // The text field takes the focus for the list: a screen reader is to call
    // it what it calls the list (its group's title, without a label of its own).
    if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this))
        lineEdit()->setAccessibleName(list->text(QAccessible::Name));
}

void ItemList::typed(const QString& text) {
    setItemIndex(findText(text, Qt::MatchExactly));
    emit changed();
}

void ItemList::picked() { emit changed(); }

}  // namespace toolkit

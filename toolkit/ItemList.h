// An editable drop-down list whose change event is the user's alone: a pick
// from the list, the arrow keys, or typing. The program sets its item index
// without raising anything, and an index outside the items selects none
// while the text in the field stays as it is.
#pragma once

#include <QComboBox>

namespace toolkit {

class ItemList : public QComboBox {
    Q_OBJECT

public:
    explicit ItemList(QWidget* parent = nullptr);

    // The items, none of them selected and the text empty.
    void setItems(const QStringList& items);

    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // Raised after the user changed the selection or the text; itemIndex()
    // then tells the item the text names, -1 for none.
    void changed();

private:
    void typed(const QString& text);
    void picked();
};

}  // namespace toolkit

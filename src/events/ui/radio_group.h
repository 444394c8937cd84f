#pragma once
// A titled group of radio buttons whose chosen item is an index, laid out
// in columns: what the event dialogs use for their kinds and channels.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace events::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    // The chosen item, -1 for none.
    int itemIndex() const { return buttons_.checkedId(); }
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.buttons().size()); }
    QAbstractButton* item(int index) const { return buttons_.button(index); }

signals:
    void itemChosen(int index);

private:
    QButtonGroup buttons_;
};

}  // namespace events::ui

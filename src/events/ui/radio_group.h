#pragma once
// A radio group: a titled box of radio buttons, one item chosen or none
// (item index -1), as the property dialogs use them.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace events::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent, int columns = 1);

    int itemIndex() const;
    // -1 chooses no item.
    void setItemIndex(int index);
    int count() const;
    QRadioButton* button(int index) const;

signals:
    // An item was chosen by the user.
    void itemClicked(int index);

private:
    QButtonGroup* group_;
};

}  // namespace events::ui

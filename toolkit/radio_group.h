#pragma once

#include <QGroupBox>
#include <QList>

class QRadioButton;

// A captioned group of mutually exclusive items with an item index (-1 for
// none). `clicked` is emitted only when the user selects another item: never
// when the program sets or clears the index, nor when the user clicks the
// item that is already selected. The arrow keys choose as they move, as
// classic radio groups do.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(int columns READ columns WRITE setColumns)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    int columns() const { return columns_; }
    void setColumns(int columns);

    QRadioButton* button(int index) const { return buttons_.value(index); }

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void arrange();
    void userSelected(int index);
    void chooseBeside(int index, int step);

    QStringList items_;
    QList<QRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

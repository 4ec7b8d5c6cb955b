#pragma once

#include <QComboBox>

namespace vielnis {

// The simple-substance picker of the table window: an editable combo box with
// inline completion. It offers exactly the operations the window needs and
// reports every change of its value synchronously, whoever made it: the user
// typing or choosing, or the program setting the value.
class ModificationPicker : public QComboBox {
    Q_OBJECT
public:
    explicit ModificationPicker(QWidget *parent = nullptr);

    // Removes every list entry; the value stays.
    void clearList();
    // Appends an entry to the list; the value stays.
    void addEntry(const QString &entry);
    QStringList entries() const;

    // The current value, which is also the shown text.
    QString value() const { return m_value; }
    void setValue(const QString &value);

    void setDropButtonShown(bool shown);
    bool dropButtonShown() const { return m_dropButtonShown; }

    // A locked picker takes no typing and opens no list.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    // Custom pointer: the pointing hand; otherwise the widget's default pointer.
    void setCustomPointer(bool custom);
    bool hasCustomPointer() const { return m_customPointer; }

    void showPopup() override;

signals:
    // The value changed; emitted before the call that changed it returns.
    void valueChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void takeText(const QString &text);
    QRect dropButtonRect() const;
    void placeEditField();

    QString m_value;
    bool m_dropButtonShown = false;
    bool m_locked = true;
    bool m_customPointer = false;
};

} // namespace vielnis

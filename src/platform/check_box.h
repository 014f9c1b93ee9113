#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace platform {

// A check box whose caption wraps within the box's width. Every change of its value,
// by the user or in code, raises Click at once.
class CheckBox : public QWidget {
    Q_OBJECT
public:
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

    // 0 unchecked, 1 checked.
    int Value() const;
    void setValue(int value);
    QString Caption() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QCheckBox* box_;
    QLabel* caption_;
};

} // namespace platform

#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace platform {

// A check box whose caption wraps within the box's width. Every change of its state,
// by the user or in code, raises toggled at once.
class CheckBox : public QWidget {
    Q_OBJECT
public:
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QString text() const;

signals:
    void toggled(bool checked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QCheckBox* box_;
    QLabel* caption_;
};

} // namespace platform

#pragma once

#include <QLabel>

namespace platform {

// A label that can also hold a value of the program's own (its tag) and takes its
// colours as numbers with red in the lowest byte.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) {
        setText(caption);
        emit Changed();
    }

    qint32 ForeColor() const;
    void setForeColor(qint32 color);
    qint32 BackColor() const;
    void setBackColor(qint32 color);
    // Back to the colours the label had before any was set.
    void resetColors();

    QString Tag;

signals:
    // The caption or a colour was set.
    void Changed();
};

} // namespace platform

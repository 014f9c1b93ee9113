#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

// Shows a picture. Stretched, the picture fills the box; otherwise the box takes
// the picture's own size. A click with the left button raises clicked.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    bool stretched() const { return stretch_; }
    void setStretch(bool stretch);
    const QPixmap& picture() const { return picture_; }
    // An empty pixmap clears the box.
    void setPicture(const QPixmap& picture);
    // Shows only the part of a picture that can be seen: `part`, already at the size
    // it is shown, drawn at `offset` in a box whose geometry the caller has set.
    void setPicturePart(const QPixmap& part, QPoint offset);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool partOnly_ = false;
    QPoint partOffset_;
};

} // namespace platform

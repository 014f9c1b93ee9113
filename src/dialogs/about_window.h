#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// Names the program, shows its version, a picture and the licence, copyright and
// contact notices, centred one above the other. It opens black and empty; a moment
// later every element shows at once.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    void load();
    void showAfterOpening();
    void okClicked();

    static const QString LicenceNotice;

private:
    QLabel* makeLabel(const QString& text, const QColor& color);
    // The elements in the order the layout treats them.
    QList<QWidget*> elements() const;

    QLabel* picture_;
    QPushButton* okButton_;
    QLabel* licence_;
    QLabel* title_;
    QLabel* version_;
    QLabel* copyright_;
    QLabel* contact_;
    QTimer* showTimer_;
};

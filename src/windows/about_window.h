#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace platform {
class Twips;
}

// Names the program, shows its version, a picture and the licence, copyright and
// contact notices. It opens black and empty; a moment later every element is
// centred and shown at once.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    void load();
    void centreAfterOpening();
    void okClicked();

    static const QString LicenceNotice;

private:
    QLabel* makeLabel(const QString& text, const QColor& color, int top, int width, int height);
    // The elements in the order the layout treats them.
    QList<QWidget*> elements() const;

    QLabel* picIcon;
    QPushButton* cmdOK;
    QLabel* lblDisclaimer;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* Label2;
    QTimer* Timer1;
    std::unique_ptr<platform::Twips> twips_;
};

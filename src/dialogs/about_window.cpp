#include "dialogs/about_window.h"

#include "dialogs/artwork.h"
#include "dialogs/program_info.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString AboutWindow::LicenceNotice = QStringLiteral(
    "This program is free software; you can redistribute it and/or modify it under the terms "
    "of the GNU General Public License as published by the Free Software Foundation; either "
    "version 2 of the License, or (at your option) any later version.\n\n"
    "This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
    "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. "
    "See the GNU General Public License for more details.\n\n"
    "You should have received a copy of the GNU General Public License along with this "
    "program; if not, write to the Free Software Foundation, Inc., 51 Franklin Street, Fifth "
    "Floor, Boston, MA 02110-1301 USA.");

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setPalette(QPalette(Qt::white, Qt::black));
    setAutoFillBackground(true);

    picture_ = new QLabel(this);
    picture_->setPixmap(artwork::aboutPicture());
    picture_->setAlignment(Qt::AlignCenter);

    okButton_ = new QPushButton(tr("OK"), this);
    // The button keeps the system's colours: the window's white text would vanish
    // on its light face.
    QPalette buttonColours = QApplication::palette(okButton_);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            buttonColours.setColor(group, QPalette::ColorRole(role),
                                   buttonColours.color(group, QPalette::ColorRole(role)));
    okButton_->setPalette(buttonColours);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);

    licence_ = makeLabel(LicenceNotice, Qt::white);
    licence_->setWordWrap(true);
    licence_->setEnabled(false);
    // Disabled, it draws greyed as disabled labels do.
    QPalette greyed = licence_->palette();
    greyed.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    licence_->setPalette(greyed);
    // A font given in pixels has no point size (-1): shrink whichever it has.
    QFont small = licence_->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.9);
    else
        small.setPixelSize(std::max(1, qRound(small.pixelSize() * 0.9)));
    licence_->setFont(small);

    title_ = makeLabel(tr("Varek's Stationery Program (Tovrin)"), Qt::blue);
    title_->setFont(QFont(QStringLiteral("MS Sans Serif"), 12));
    version_ = makeLabel(QString(), Qt::white);
    copyright_ = makeLabel(tr("Copyright \u00A9 the Stationery Editor authors"), Qt::red);
    copyright_->setWordWrap(true);
    contact_ = makeLabel(tr("Questions and fixes are welcome through the project's "
                            "issue tracker."),
                         QColor(192, 0, 192));
    contact_->setWordWrap(true);

    showTimer_ = new QTimer(this);
    const std::pair<QObject*, const char*> names[] = {
        {picture_, "pictureLabel"}, {okButton_, "okButton"},    {licence_, "licenceLabel"},
        {title_, "titleLabel"},     {version_, "versionLabel"}, {copyright_, "copyrightLabel"},
        {contact_, "contactLabel"}, {showTimer_, "showTimer"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));
    for (QWidget* element : elements())
        element->hide();

    // One above the other, centred: the title, the version, the picture, the licence,
    // where to ask, the copyright and the button.
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* element : {static_cast<QWidget*>(title_), static_cast<QWidget*>(version_),
                             static_cast<QWidget*>(picture_), static_cast<QWidget*>(licence_),
                             static_cast<QWidget*>(contact_), static_cast<QWidget*>(copyright_),
                             static_cast<QWidget*>(okButton_)})
        column->addWidget(element, 0, Qt::AlignHCenter);
    licence_->setFixedWidth(licence_->fontMetrics().averageCharWidth() * 70);

    showTimer_->setInterval(100);
    connect(showTimer_, &QTimer::timeout, this, &AboutWindow::showAfterOpening);
    connect(okButton_, &QPushButton::clicked, this, &AboutWindow::okClicked);

    load();
    showTimer_->start();
}

AboutWindow::~AboutWindow() = default;

QLabel* AboutWindow::makeLabel(const QString& text, const QColor& color) {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QList<QWidget*> AboutWindow::elements() const {
    return {picture_, okButton_, licence_, title_, version_, copyright_, contact_};
}

void AboutWindow::load() {
    setWindowTitle(tr("About %1").arg(program_info::Title));
    version_->setText(tr("Version %1.%2.%3")
                          .arg(program_info::Major)
                          .arg(program_info::Minor)
                          .arg(program_info::Revision));
}

void AboutWindow::showAfterOpening() {
    for (QWidget* element : elements())
        element->show();
    showTimer_->stop();
}

void AboutWindow::okClicked() {
    close();
}

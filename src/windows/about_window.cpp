#include "windows/about_window.h"

#include "platform/twips.h"
#include "windows/artwork.h"
#include "windows/program_info.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

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
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      twips_(std::make_unique<platform::Twips>(platform::Twips::forWidget(this))) {
    setPalette(QPalette(Qt::white, Qt::black));
    setAutoFillBackground(true);
    setFixedSize(twips_->toPixels(8544), twips_->toPixels(7200));

    picIcon = new QLabel(this);
    picIcon->setPixmap(artwork::aboutPicture());
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->resize(twips_->toPixels(1872), twips_->toPixels(2328));
    picIcon->move(0, twips_->toPixels(600));

    cmdOK = new QPushButton(tr("OK"), this);
    // The button keeps the system's colours: the window's white text would vanish
    // on its light face.
    QPalette buttonColours = QApplication::palette(cmdOK);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            buttonColours.setColor(group, QPalette::ColorRole(role),
                                   buttonColours.color(group, QPalette::ColorRole(role)));
    cmdOK->setPalette(buttonColours);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->resize(twips_->toPixels(780),
                  std::max(twips_->toPixels(228), cmdOK->sizeHint().height()));
    cmdOK->move(0, twips_->toPixels(5520));

    lblDisclaimer = makeLabel(LicenceNotice, Qt::white, 3000, 6936, 1872);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setEnabled(false);
    // Disabled, it draws greyed as disabled labels do.
    QPalette greyed = lblDisclaimer->palette();
    greyed.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    lblDisclaimer->setPalette(greyed);
    // A font given in pixels has no point size (-1): shrink whichever it has.
    QFont small = lblDisclaimer->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.9);
    else
        small.setPixelSize(std::max(1, qRound(small.pixelSize() * 0.9)));
    lblDisclaimer->setFont(small);

    lblTitle = makeLabel(tr("Varek's Stationery Program (Tovrin)"), Qt::blue, 0, 5172, 360);
    lblTitle->setFont(QFont(QStringLiteral("MS Sans Serif"), 12));
    lblVersion = makeLabel(QString(), Qt::white, 360, 1956, 192);
    Label1 =
        makeLabel(tr("Copyright \u00A9 the Stationery Editor authors"), Qt::red, 5040, 2772, 372);
    Label1->setWordWrap(true);
    Label2 = makeLabel(tr("Questions and fixes are welcome through the project's "
                          "issue tracker."),
                       QColor(192, 0, 192), 4560, 4452, 372);
    Label2->setWordWrap(true);

    Timer1 = new QTimer(this);
    const std::pair<QObject*, const char*> names[] = {
        {picIcon, "picIcon"},   {cmdOK, "cmdOK"},           {lblDisclaimer, "lblDisclaimer"},
        {lblTitle, "lblTitle"}, {lblVersion, "lblVersion"}, {Label1, "Label1"},
        {Label2, "Label2"},     {Timer1, "Timer1"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));
    for (QWidget* element : elements())
        element->hide();

    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &AboutWindow::centreAfterOpening);
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::okClicked);

    load();
    Timer1->start();
}

AboutWindow::~AboutWindow() = default;

QLabel* AboutWindow::makeLabel(const QString& text, const QColor& color, int top, int width,
                               int height) {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(0, twips_->toPixels(top), twips_->toPixels(width), twips_->toPixels(height));
    return label;
}

QList<QWidget*> AboutWindow::elements() const {
    return {picIcon, cmdOK, lblDisclaimer, lblTitle, lblVersion, Label1, Label2};
}

void AboutWindow::load() {
    setWindowTitle(tr("About %1").arg(program_info::Title));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(program_info::Major)
                            .arg(program_info::Minor)
                            .arg(program_info::Revision));
}

void AboutWindow::centreAfterOpening() {
    const float outerWidth = static_cast<float>(twips_->fromPixels(frameGeometry().width()));
    for (QWidget* element : elements()) {
        const float width = static_cast<float>(twips_->fromPixels(element->width()));
        element->move(twips_->toPixels(outerWidth / 2 - width / 2), element->y());
        element->show();
    }
    Timer1->stop();
}

void AboutWindow::okClicked() {
    close();
}

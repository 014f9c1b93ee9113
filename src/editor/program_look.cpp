#include "editor/program_look.h"

#include "platform/drawn_icons.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>

namespace {

// Fusion, with the menu bar's "more entries" mark drawn in code: the style's own is a
// picture whose loading wakes every picture decoder while the window is being made.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return platform::drawnIcon(platform::DrawnIcon::MoreToTheRight);
        if (icon == SP_ToolBarVerticalExtensionButton)
            return platform::drawnIcon(platform::DrawnIcon::MoreBelow);
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void applyProgramLook() {
    QApplication::setStyle(new ProgramStyle);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}

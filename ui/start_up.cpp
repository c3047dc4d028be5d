#include "start_up.h"

#include "fonts/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProxyStyle>

namespace tavrel::ui {

namespace {

// The platform's style, less the icon of the menu bar's overflow button. The
// window's two menus always fit, and that icon alone would load every image
// format plugin while the window opens.
class WindowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

StartUp::StartUp()
    : fontconfig_(fonts::readConfigurationInBackground())
{
}

StartUp::~StartUp()
{
    if (fontconfig_.joinable())
        fontconfig_.join();
}

void StartUp::ready()
{
    fontconfig_.join();
    QApplication::setStyle(new WindowStyle(QApplication::style()->name()));
    // Qt's own texts (shortcut names such as "Strg+Z", context menus, standard
    // buttons) speak the window's language.
    if (qtTexts_.load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts_);
}

} // namespace tavrel::ui

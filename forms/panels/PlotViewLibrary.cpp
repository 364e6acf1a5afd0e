#include "forms/panels/PlotViewLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

#include "forms/panels/PlotPanelView.h"

namespace forms {

namespace {

QStringList ViewLibraryPlaces() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList places{programFolder.filePath(QStringLiteral("voltaris_plot_panel"))};
#ifdef VOLTARIS_PLOT_PANEL_INSTALLED
    places << programFolder.filePath(QStringLiteral(VOLTARIS_PLOT_PANEL_INSTALLED));
#endif
#ifdef VOLTARIS_PLOT_PANEL_BUILT
    places << QStringLiteral(VOLTARIS_PLOT_PANEL_BUILT);
#endif
    return places;
}

}  // namespace

PlotPanelView* CreatePlotView(QWidget* parent, QString& error) {
    for (const QString& place : ViewLibraryPlaces()) {
        QLibrary library(place);
        const auto create = reinterpret_cast<CreatePlotPanelView>(library.resolve(kCreatePlotPanelView));
        if (create == nullptr) {
            error = library.errorString();
            continue;
        }
        error.clear();
        return create(parent);
    }
    return nullptr;
}

}  // namespace forms

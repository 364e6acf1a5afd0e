#include "forms/panels/PlotPanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/plot/Plots.h"
#include "forms/panels/PlotPanelView.h"
#include "forms/panels/PlotPoints.h"

namespace forms {

namespace {

// Beside the program (a build folder), where it is installed, then where it was built.
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

// Saved pictures: the chart alone, large enough for a report.
constexpr QSize kSavedSize(1200, 800);

}  // namespace

PlotPanel::PlotPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlotPanel"));
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMinimumSize(480, 320);
    m_savePng = new QPushButton(QStringLiteral("Save &PNG..."), this);
    m_saveSvg = new QPushButton(QStringLiteral("Save S&VG..."), this);
    for (QPushButton* button : {m_savePng, m_saveSvg}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setEnabled(false);
    }
    connect(m_savePng, &QPushButton::clicked, this, [this] { AskAndSavePng(); });
    connect(m_saveSvg, &QPushButton::clicked, this, [this] { AskAndSaveSvg(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_savePng);
    buttons->addWidget(m_saveSvg);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

PlotPanelView* PlotPanel::View() {
    if (m_view != nullptr || !m_loadError.isEmpty())
        return m_view;
    for (const QString& place : ViewLibraryPlaces()) {
        // Never unloaded: the view's code must outlive every panel.
        QLibrary library(place);
        const auto create = reinterpret_cast<CreatePlotPanelView>(library.resolve(kCreatePlotPanelView));
        if (create == nullptr) {
            m_loadError = library.errorString();
            continue;
        }
        m_view = create(this);
        m_loadError.clear();
        auto* layout = static_cast<QVBoxLayout*>(this->layout());
        layout->insertWidget(0, m_view, 1);
        // The chart first: F6 and Tab reach it before the buttons.
        QWidget* chart = m_view->focusProxy() != nullptr ? m_view->focusProxy() : m_view;
        setTabOrder(m_savePng, m_saveSvg);
        setTabOrder(m_saveSvg, chart);
        setTabOrder(chart, m_savePng);
        return m_view;
    }
    m_loadError = QStringLiteral("The plot cannot be shown: ") + m_loadError;
    return nullptr;
}

void PlotPanel::Update(const engine::FormModel& form, const engine::FormState& state,
                       const engine::FormState* asBuilt) {
    engine::plot::PlotResult result = engine::plot::MakePlot(form, state, asBuilt);
    m_plot = std::move(result.plot);
    if (m_plot) {
        if (std::optional<std::string> why = WhyNotDrawable(*m_plot)) {
            m_plot.reset();
            result.message = *why;
        }
    }
    PlotPanelView* view = m_plot ? View() : m_view;
    if (m_plot && view == nullptr) {
        m_plot.reset();
        result.message = m_loadError.toStdString();
    }
    if (view != nullptr) {
        view->Show(m_plot ? &*m_plot : nullptr);
        view->setVisible(m_plot.has_value());
    }
    m_message->setText(QString::fromStdString(result.message));
    m_message->setVisible(!m_plot);
    m_savePng->setEnabled(m_plot.has_value());
    m_saveSvg->setEnabled(m_plot.has_value());
}

QWidget* PlotPanel::FirstControl() const {
    if (m_view != nullptr && m_plot && m_view->isVisibleTo(this))
        return m_view->focusProxy() != nullptr ? m_view->focusProxy() : m_view;
    return m_savePng->isEnabled() ? m_savePng : nullptr;
}

QString PlotPanel::Message() const {
    return m_message->text();
}

QString PlotPanel::Readout() const {
    return m_view != nullptr ? m_view->Readout() : QString();
}

void PlotPanel::ShowReadoutAt(double x) {
    if (m_view != nullptr && m_plot)
        m_view->ShowReadoutAt(x);
}

bool PlotPanel::SavePng(const QString& path) const {
    return m_view != nullptr && m_plot && m_view->SavePicture(path, false, kSavedSize);
}

bool PlotPanel::SaveSvg(const QString& path) const {
    return m_view != nullptr && m_plot && m_view->SavePicture(path, true, kSavedSize);
}

QString PlotPanel::MarkerReadings() const {
    return m_view != nullptr && m_plot ? m_view->MarkerReadings() : QString();
}

void PlotPanel::AskAndSavePng() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save the plot as PNG"), QStringLiteral("plot.png"),
                                     QStringLiteral("PNG image (*.png)"));
    if (!path.isEmpty() && !SavePng(path))
        QMessageBox::warning(this, QStringLiteral("Plot"), QStringLiteral("Could not write %1").arg(path));
}

void PlotPanel::AskAndSaveSvg() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save the plot as SVG"), QStringLiteral("plot.svg"),
                                     QStringLiteral("SVG image (*.svg)"));
    if (!path.isEmpty() && !SaveSvg(path))
        QMessageBox::warning(this, QStringLiteral("Plot"), QStringLiteral("Could not write %1").arg(path));
}

}  // namespace forms

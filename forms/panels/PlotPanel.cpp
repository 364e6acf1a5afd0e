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
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    message_->setMinimumSize(480, 320);
    savePng_ = new QPushButton(QStringLiteral("Save &PNG..."), this);
    saveSvg_ = new QPushButton(QStringLiteral("Save S&VG..."), this);
    for (QPushButton* button : {savePng_, saveSvg_}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setEnabled(false);
    }
    connect(savePng_, &QPushButton::clicked, this, [this] { AskAndSavePng(); });
    connect(saveSvg_, &QPushButton::clicked, this, [this] { AskAndSaveSvg(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(savePng_);
    buttons->addWidget(saveSvg_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(message_, 1);
    layout->addLayout(buttons);
}

PlotPanelView* PlotPanel::View() {
    if (view_ != nullptr || !loadError_.isEmpty())
        return view_;
    for (const QString& place : ViewLibraryPlaces()) {
        // Never unloaded: the view's code must outlive every panel.
        QLibrary library(place);
        const auto create = reinterpret_cast<CreatePlotPanelView>(library.resolve(kCreatePlotPanelView));
        if (create == nullptr) {
            loadError_ = library.errorString();
            continue;
        }
        view_ = create(this);
        loadError_.clear();
        auto* layout = static_cast<QVBoxLayout*>(this->layout());
        layout->insertWidget(0, view_, 1);
        // The chart first: F6 and Tab reach it before the buttons.
        QWidget* chart = view_->focusProxy() != nullptr ? view_->focusProxy() : view_;
        setTabOrder(savePng_, saveSvg_);
        setTabOrder(saveSvg_, chart);
        setTabOrder(chart, savePng_);
        return view_;
    }
    loadError_ = QStringLiteral("The plot cannot be shown: ") + loadError_;
    return nullptr;
}

void PlotPanel::Update(const engine::FormModel& form, const engine::FormState& state,
                       const engine::FormState* asBuilt) {
    Show(engine::plot::MakePlot(form, state, asBuilt));
}

void PlotPanel::Show(engine::plot::PlotResult result) {
    plot_ = std::move(result.plot);
    if (plot_) {
        if (std::optional<std::string> why = WhyNotDrawable(*plot_)) {
            plot_.reset();
            result.message = *why;
        }
    }
    PlotPanelView* view = plot_ ? View() : view_;
    if (plot_ && view == nullptr) {
        plot_.reset();
        result.message = loadError_.toStdString();
    }
    if (view != nullptr) {
        view->Show(plot_ ? &*plot_ : nullptr);
        view->setVisible(plot_.has_value());
    }
    message_->setText(QString::fromStdString(result.message));
    message_->setVisible(!plot_);
    savePng_->setEnabled(plot_.has_value());
    saveSvg_->setEnabled(plot_.has_value());
}

QWidget* PlotPanel::FirstControl() const {
    if (view_ != nullptr && plot_ && view_->isVisibleTo(this))
        return view_->focusProxy() != nullptr ? view_->focusProxy() : view_;
    return savePng_->isEnabled() ? savePng_ : nullptr;
}

QString PlotPanel::Message() const {
    return message_->text();
}

QString PlotPanel::Readout() const {
    return view_ != nullptr ? view_->Readout() : QString();
}

void PlotPanel::ShowReadoutAt(double x) {
    if (view_ != nullptr && plot_)
        view_->ShowReadoutAt(x);
}

bool PlotPanel::SavePng(const QString& path) const {
    return view_ != nullptr && plot_ && view_->SavePicture(path, false, kSavedSize);
}

bool PlotPanel::SaveSvg(const QString& path) const {
    return view_ != nullptr && plot_ && view_->SavePicture(path, true, kSavedSize);
}

QString PlotPanel::MarkerReadings() const {
    return view_ != nullptr && plot_ ? view_->MarkerReadings() : QString();
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

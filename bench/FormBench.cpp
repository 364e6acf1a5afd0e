// What a user waits for in a form: opening it (construction, controls built
// from the template, opening recalculation, first paint with the picture)
// and each recalculation through the real widgets. Every form of the menu
// table that is built is measured, so new forms are covered as they land.
//
//   QT_QPA_PLATFORM=xcb form_bench     (under xvfb-run; offscreen works too)
//
// Times are wall-clock per opening or per call (manual time); the counters
// give the median of each phase and the worst call of the run.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/FormTable.h"
#include "core/EngValue.h"
#include "forms/CalcFormDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "platform/AppLook.h"
#include "platform/DataExchange.h"
#include "platform/PictureWidget.h"

namespace {

// Wall-clock and this thread's CPU time together: on a loaded machine the
// wall clock also counts the time other processes held the cores, the CPU
// time counts only our own work (not the X server's).
struct Stamp {
    double wall = 0, cpu = 0;
    static Stamp Now() {
        timespec cpu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        const auto wall = std::chrono::steady_clock::now().time_since_epoch();
        return {std::chrono::duration<double>(wall).count(),
                static_cast<double>(cpu.tv_sec) + cpu.tv_nsec * 1e-9};
    }
    Stamp operator-(const Stamp& earlier) const { return {wall - earlier.wall, cpu - earlier.cpu}; }
    Stamp operator+(const Stamp& other) const { return {wall + other.wall, cpu + other.cpu}; }
};

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The value that 99 % of the samples do not exceed.
double Percentile99(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * 99 / 100)];
}

double Worst(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Notes the first paint of any widget of one window.
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintWatcher() override { qApp->removeEventFilter(this); }
    bool Painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_)
            painted_ = true;
        return false;
    }

  private:
    QWidget& window_;
    bool painted_ = false;
};

// Shows the window and returns once it has been painted. The paint runs in
// one pass over every control, so the first paint event means all of it.
bool ShowAndPaint(QWidget& window) {
    PaintWatcher watcher(window);
    window.show();
    QElapsedTimer timeout;
    timeout.start();
    while (!watcher.Painted() && timeout.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The rest of the pass that painted the window.
    QApplication::processEvents();
    return watcher.Painted();
}

void Dispose(std::unique_ptr<CCalcFormDlg> form) {
    form->hide();
    form.reset();
    QApplication::processEvents();
}

struct Opening {
    Stamp construct, build, paint;
    Stamp Total() const { return construct + build + paint; }
};

Opening OpenOnce(const FormCommand& command, std::unique_ptr<CCalcFormDlg>* keep = nullptr) {
    Opening opening;
    const Stamp t0 = Stamp::Now();
    std::unique_ptr<CCalcFormDlg> form = command.create();
    const Stamp t1 = Stamp::Now();
    form->Create(nullptr);  // the controls, then OnInitDialog with its recalculation
    const Stamp t2 = Stamp::Now();
    if (!ShowAndPaint(*form))
        std::fprintf(stderr, "%s: no paint within 5 s\n", command.className);
    const Stamp t3 = Stamp::Now();
    opening.construct = t1 - t0;
    opening.build = t2 - t1;
    opening.paint = t3 - t2;
    if (keep)
        *keep = std::move(form);
    else
        Dispose(std::move(form));
    return opening;
}

// The opening recalculation again on the open form: default texts put back,
// then Recalculate, which rewrites every field as the opening one does.
Stamp OpeningRecalculation(CCalcFormDlg& form) {
    for (size_t i = 0; i < form.Form().fields.size(); ++i) {
        if (auto* edit = form.Item<QLineEdit>(form.Binding().fieldIds[i]))
            edit->setText(QString::fromLatin1(form.Form().fields[i].defaultText));
    }
    const Stamp t0 = Stamp::Now();
    form.Recalculate();
    return Stamp::Now() - t0;
}

// Draws every picture of the form once more, into an image of its size.
Stamp PictureRendering(CCalcFormDlg& form) {
    const QList<platform::PictureWidget*> pictures = form.findChildren<platform::PictureWidget*>();
    const Stamp t0 = Stamp::Now();
    for (platform::PictureWidget* picture : pictures) {
        QImage image(picture->size() * picture->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(picture->devicePixelRatio());
        picture->render(&image);
    }
    return Stamp::Now() - t0;
}

// Samples of one quantity, wall and CPU apart.
struct Samples {
    std::vector<double> wall, cpu;
    void Add(const Stamp& s) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
};

void BM_OpenForm(benchmark::State& state, const FormCommand* command) {
    Samples construct, build, paint, recalc, picture, total;
    for (auto _ : state) {
        std::unique_ptr<CCalcFormDlg> form;
        const Opening opening = OpenOnce(*command, &form);
        state.SetIterationTime(opening.Total().wall);
        construct.Add(opening.construct);
        build.Add(opening.build);
        paint.Add(opening.paint);
        total.Add(opening.Total());
        // Untimed: the parts of the opening that have no seam of their own.
        recalc.Add(OpeningRecalculation(*form));
        picture.Add(PictureRendering(*form));
        Dispose(std::move(form));
    }
    state.counters["wall_ms"] = Median(total.wall) * 1e3;
    state.counters["cpu_ms"] = Median(total.cpu) * 1e3;
    state.counters["worst_cpu_ms"] = Worst(total.cpu) * 1e3;
    state.counters["construct_cpu"] = Median(construct.cpu) * 1e3;
    state.counters["build_init_cpu"] = Median(build.cpu) * 1e3;
    state.counters["show_paint_cpu"] = Median(paint.cpu) * 1e3;
    state.counters["recalc_cpu"] = Median(recalc.cpu) * 1e3;
    state.counters["picture_cpu"] = Median(picture.cpu) * 1e3;
}

// The field a user would type into next: the first enabled edit field.
QLineEdit* FirstInput(CCalcFormDlg& form) {
    for (const int id : form.Binding().fieldIds) {
        auto* edit = form.Item<QLineEdit>(id);
        if (edit && edit->isEnabled() && !edit->isReadOnly())
            return edit;
    }
    return nullptr;
}

void TimedRecalculate(benchmark::State& state, CCalcFormDlg& form, Samples& samples) {
    const Stamp t0 = Stamp::Now();
    form.Recalculate();
    const Stamp elapsed = Stamp::Now() - t0;
    state.SetIterationTime(elapsed.wall);
    samples.Add(elapsed);
    QApplication::processEvents();  // the repaint between two keystrokes, untimed
}

void ReportRecalculate(benchmark::State& state, const Samples& samples) {
    state.counters["wall_us"] = Median(samples.wall) * 1e6;
    state.counters["worst_wall_us"] = Worst(samples.wall) * 1e6;
    state.counters["cpu_us"] = Median(samples.cpu) * 1e6;
    state.counters["p99_cpu_us"] = Percentile99(samples.cpu) * 1e6;
    state.counters["worst_cpu_us"] = Worst(samples.cpu) * 1e6;
    state.counters["first_cpu_us"] = samples.cpu.empty() ? 0 : samples.cpu.front() * 1e6;
}

// Recalculate timed from its save exchange to its load exchange. Between two
// calls, untimed, what a user does: a new value in the first input field and,
// every other call, the next mode of the first radio group.
void BM_Recalculate(benchmark::State& state, const FormCommand* command) {
    std::unique_ptr<CCalcFormDlg> form;
    OpenOnce(*command, &form);
    std::vector<int> modeIds;
    if (!form->Binding().modeIds.empty())
        modeIds = form->Binding().modeIds[0];
    Samples samples;
    int call = 0;
    for (auto _ : state) {
        if (!modeIds.empty() && call % 2 == 1) {
            const int id = modeIds[static_cast<size_t>(call / 2) % modeIds.size()];
            form->Item<QAbstractButton>(id)->setChecked(true);
        }
        if (QLineEdit* edit = FirstInput(*form)) {
            const double value = ParseEngValue(platform::ToFieldText(edit->text()));
            const double next = call % 2 ? value * 2 : value / 2;
            edit->setText(platform::FromFieldText(FormatEngValue(next == 0 ? 1 : next)));
        }
        ++call;
        TimedRecalculate(state, *form, samples);
    }
    ReportRecalculate(state, samples);
    Dispose(std::move(form));
}

// The class A form with inputs whose design never settles: every call runs
// the loop to its bound, then fills both lists.
void BM_Recalculate_ClassABound(benchmark::State& state) {
    const FormCommand* command = nullptr;
    for (const FormCommand& c : FormCommands()) {
        if (std::string(c.className) == "CClassAAmpDlg")
            command = &c;
    }
    if (command == nullptr) {
        state.SkipWithError("the class A form is not in the table");
        return;
    }
    std::unique_ptr<CCalcFormDlg> form;
    OpenOnce(*command, &form);
    form->Item<QLineEdit>(1100)->setText(QStringLiteral("15"));  // Vcc
    form->Item<QLineEdit>(1103)->setText(QStringLiteral("2"));   // Vin
    Samples samples;
    for (auto _ : state)
        TimedRecalculate(state, *form, samples);
    ReportRecalculate(state, samples);
    Dispose(std::move(form));
}

ClassAInputs Typed(double vcc, double vin) {
    ClassAInputs in;
    in.vcc = vcc;
    in.beta = 100;
    in.vin = vin;
    in.vout = 1;
    in.fmin = 20;
    in.rc = 220;
    in.rl = 47000;
    in.maxGain = true;
    in.withLoad = false;
    return in;
}

// The design loop alone at its bound, and the opening design (one pass) as
// its baseline in the same program.
void BM_ClassADesign_Bound(benchmark::State& state) {
    const ClassAInputs in = Typed(15, 2);
    if (DesignClassA(in).passes != class_a::kMaxPasses) {
        state.SkipWithError("these inputs no longer reach the bound");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(DesignClassA(in));
}

void BM_ClassADesign_OnePass(benchmark::State& state) {
    const ClassAInputs in = Typed(12, 0.1);
    for (auto _ : state)
        benchmark::DoNotOptimize(DesignClassA(in));
}

// One opening of every form in menu order, in a process that has shown only
// the About box, as the program has when the user picks the first form.
void ReportFirstOpenings() {
    {
        CAboutDlg about;
        about.Create(nullptr);
        ShowAndPaint(about);
        about.hide();
    }
    std::printf("First opening of each form after the About box, in menu order (ms, wall / CPU):\n");
    for (const FormCommand& command : FormCommands()) {
        const Opening o = OpenOnce(command);
        std::printf(
            "  %-20s total %6.2f / %6.2f  construct %5.2f / %5.2f  build+init %5.2f / %5.2f"
            "  show+paint %6.2f / %6.2f\n",
            command.className, o.Total().wall * 1e3, o.Total().cpu * 1e3, o.construct.wall * 1e3,
            o.construct.cpu * 1e3, o.build.wall * 1e3, o.build.cpu * 1e3, o.paint.wall * 1e3,
            o.paint.cpu * 1e3);
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InitApplicationLook(app);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const FormCommand& command : FormCommands()) {
        benchmark::RegisterBenchmark((std::string("OpenForm/") + command.className).c_str(), BM_OpenForm,
                                     &command)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.3);
    }
    for (const FormCommand& command : FormCommands()) {
        benchmark::RegisterBenchmark((std::string("Recalculate/") + command.className).c_str(),
                                     BM_Recalculate, &command)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Recalculate/CClassAAmpDlg/bound", BM_Recalculate_ClassABound)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ClassADesign/bound", BM_ClassADesign_Bound)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ClassADesign/one_pass", BM_ClassADesign_OnePass)
        ->Unit(benchmark::kMicrosecond);

    ReportFirstOpenings();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
